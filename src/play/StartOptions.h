#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "engine/Game.h"
#include "engine/GameCatalog.h"
#include "engine/Match.h"
#include "engine/TrainingFiles.h"

namespace korvanti {

// The choices of the start window that a game takes before it starts; each
// entry reads only the options its catalog entry names.
struct StartOptions {
  bool masterOut = false;            // the settings' "aktivesmasterout"
  bool doubleOut = false;            // "Double Out" (Elimination)
  bool doubleIn = false;             // "Double In" (Elimination)
  int trainingRounds = 50;           // "* Runden pro Zahl"
  std::string chosenDouble = "D20";  // "Double training*"
  int checkoutStart = 61;            // checkout game: start value
  int stepUp = 10;
  int stepDown = 3;
  bool alwaysZero = true;  // "Immer auf 0"
  int startLevel = 1;      // Pirmel's training
  int maxLevel = 8;
  std::string training;  // section of SETTINGS.ini ("Freies Training*")
  MatchFormat match;     // "Legs", "Sets" of the games that play matches
  bool bullOff = false;  // "Ausbullen"
};

// What the start window's fields allow.
struct StartOptionLimits {
  static constexpr int kFewestRounds = 1;
  static constexpr int kMostRounds = 100;
  static constexpr int kLowestCheckout = 2;
  static constexpr int kHighestCheckout = 170;
  static constexpr int kMostStepUp = 100;
  static constexpr int kMostStepDown = 20;
  static constexpr int kHighestLevel = 8;
};

// Why the entry cannot start with these options, as the message to show; nothing
// when it can. Only the options the entry takes are looked at.
std::optional<std::string> StartOptionsProblem(const GameCatalogEntry& entry,
                                               const StartOptions& options);

// The free training `name` of the settings file, or why it cannot be played.
std::variant<FreeTraining, std::string> ChosenFreeTraining(
    const std::filesystem::path& settingsFile, std::string_view name);

// Sets the options that the entry's game takes from the start window;
// `freeTraining` is the training a free training plays.
void ApplyStartOptions(const GameCatalogEntry& entry, Game& game, const StartOptions& options,
                       const FreeTraining& freeTraining = {});

// Whether selecting the game index switches aim input on: off for the plain
// games, on for the trainings and when nothing is selected.
bool DefaultAimInput(const GameCatalogEntry* entry);

}  // namespace korvanti
