#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/IniFile.h"

namespace korvanti {

// What the designer edits: the free trainings of SETTINGS.ini or the eight
// Pirmel levels of Korvanti.ini.
enum class DesignerMode { FreeTrainings, PirmelLevels };

// One row of the designer's grid; a row without code is the empty row the
// grid keeps when it has no target.
struct DesignerRow {
  std::string code;
  int darts = 3;
  bool operator==(const DesignerRow&) const = default;
};

// Everything the designer window shows of one training or level; as it
// stands here, a new training.
struct DesignerForm {
  std::vector<DesignerRow> rows{DesignerRow{"", 3}};
  int rounds = 1;
  bool ignoreMisses = false;  // "Next dart even if aim was not hit"
  bool closeInOne = false;    // "Next throw only if all aims got hit"
  bool closeAll = true;       // "End only if all aims are hit"
  bool operator==(const DesignerForm&) const = default;
};

enum class DesignerRule { IgnoreMisses, CloseInOne, CloseAll };

// Sets one of the three rules as a click on its box does, with the rules that
// follow from the change (a box set to the state it has changes nothing):
// throw-only-if-all-hit on → end-only-if-all-hit on, next-dart-anyway off;
// end-only-if-all-hit off → the other two off; next-dart-anyway on →
// throw-only-if-all-hit off.
void SetRule(DesignerForm& form, DesignerRule rule, bool on);

// A left click on the board: a field becomes a target with `darts` darts, in
// the empty row when that is the only one, else in a new last row. A wire or
// a position beside the board adds nothing (false).
bool AddTarget(DesignerForm& form, std::string_view code, int darts);
// A right click: the last row goes; one (then empty) row always stays.
void RemoveLastTarget(DesignerForm& form);

// The training definition of the grid ("T20=3,D16=2"), rows without code left out.
std::string DesignerDefinition(const DesignerForm& form);

inline constexpr std::string_view kNameMissing = "Please first enter a name for the training";

// Reads and writes the trainings of one mode in the program folder. Every
// read looks at the file as it is now; a save checks everything first and
// then writes the whole file at once.
class TrainingDesigner {
 public:
  // Levels mode writes the eight built-in levels first when Korvanti.ini has none.
  TrainingDesigner(DesignerMode mode, const std::filesystem::path& programFolder);

  DesignerMode Mode() const { return mode_; }
  const IniFile& File() const { return file_; }

  // The free trainings in file order, or "1" to "8".
  std::vector<std::string> Names() const;
  // The position of the name in `names`, compared as the file compares section names.
  static std::optional<std::size_t> Find(const std::vector<std::string>& names,
                                         std::string_view name);

  // Why the name cannot name a training (empty, or characters that would
  // break the file); nothing when it can.
  static std::optional<std::string> NameProblem(std::string_view name);

  // The training or level as it plays: missing keys read with the defaults
  // of the game start, the rules set in the file's order as clicks would.
  DesignerForm Load(std::string_view name) const;
  // The built-in level (levels mode), nothing is written.
  std::optional<DesignerForm> DefaultLevel(std::string_view name) const;

  // Saves the form under the name; nothing is written and the German (or the
  // window's own) message comes back when the name or the training is not
  // fit to be stored and played, or when the file cannot be written.
  std::optional<std::string> Save(std::string_view name, const DesignerForm& form);

 private:
  DesignerMode mode_;
  IniFile file_;
};

}  // namespace korvanti
