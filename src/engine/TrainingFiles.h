#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvanti {

class IniFile;

// One target of a training definition: a field code and how many steps (darts) it gets.
struct TrainingTarget {
  std::string code;
  int count = 3;
  bool operator==(const TrainingTarget&) const = default;
};

// "T20=3,D16=2": entries split at commas, each at its first "="; a count that
// is not a number gives 3; an entry in double quotes is read without them.
std::vector<TrainingTarget> ParseTrainingDefinition(std::string_view definition);
std::string FormatTrainingDefinition(const std::vector<TrainingTarget>& targets);

// How a training proceeds; the rules of the free trainings and the Pirmel levels.
struct TrainingRules {
  std::string definition;
  bool closeAll = false;
  bool closeInOne = false;
  bool ignoreMisses = false;
};

// A free training of SETTINGS.ini with the defaults the game start uses.
struct FreeTraining {
  TrainingRules rules{"", true, true, true};
  int rounds = 1;
  std::string name;  // its section
};
FreeTraining ReadFreeTraining(const IniFile& settings, std::string_view name);

inline constexpr int kMostDartsPerTarget = 100;
inline constexpr int kMostTrainingRounds = 100;

// Why a definition cannot be played, as the message to show: no targets, a
// code that is no board field, a number of darts outside 1..100. Nothing when
// it can. `name` names the training in the message.
std::optional<std::string> DefinitionProblem(std::string_view definition, std::string_view name);
// The same for a free training, and its rounds outside 1..100.
std::optional<std::string> TrainingProblem(const FreeTraining& training);

// The built-in Pirmel levels 1 to 8.
std::optional<TrainingRules> BuiltInPirmelLevel(int level);
// Level n of section "pirmel" of Korvanti.ini when the file defines it
// playably (see DefinitionProblem), else the built-in level; nothing for a
// level that neither knows.
std::optional<TrainingRules> ReadPirmelLevel(const IniFile& levels, int level);
// Writes the eight built-in levels into section "pirmel".
void WriteDefaultPirmelLevels(IniFile& levels);

inline constexpr std::string_view kSettingsFile = "SETTINGS.ini";
inline constexpr std::string_view kLevelFile = "Korvanti.ini";

}  // namespace korvanti
