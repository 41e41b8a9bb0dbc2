#include "play/TrainingDesigner.h"

#include <algorithm>

#include "engine/FieldCode.h"
#include "engine/TrainingFiles.h"
#include "platform/Error.h"

namespace korvanti {
namespace {

constexpr std::string_view kLevelSection = "pirmel";

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && blank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

// A name the ini file cannot hold as a section: brackets end the header, ";"
// and "=" make it read as a comment or an entry, line breaks split it.
bool BreaksTheFile(std::string_view name) {
  return std::any_of(name.begin(), name.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F || c == '[' || c == ']' || c == ';' || c == '=';
  });
}

std::optional<int> LevelNumber(std::string_view name) {
  const auto level = ParseDecimalInteger(name);
  if (!level || *level < 1 || *level > 8) {
    return std::nullopt;
  }
  return level;
}

DesignerForm FormOf(const TrainingRules& rules, int rounds, bool freeTraining) {
  DesignerForm form;
  form.rows.clear();
  for (const auto& target : ParseTrainingDefinition(rules.definition)) {
    form.rows.push_back({target.code, std::clamp(target.count, 1, kMostDartsPerTarget)});
  }
  if (form.rows.empty()) {
    form.rows.push_back({});
  }
  form.rounds = std::clamp(rounds, 1, kMostTrainingRounds);
  // The boxes are set one after the other like clicks, in each file's order,
  // from all off, so a stored training shows the same whatever was shown before.
  form.ignoreMisses = form.closeInOne = form.closeAll = false;
  if (freeTraining) {
    SetRule(form, DesignerRule::CloseAll, rules.closeAll);
    SetRule(form, DesignerRule::IgnoreMisses, rules.ignoreMisses);
    SetRule(form, DesignerRule::CloseInOne, rules.closeInOne);
  } else {
    SetRule(form, DesignerRule::IgnoreMisses, rules.ignoreMisses);
    SetRule(form, DesignerRule::CloseInOne, rules.closeInOne);
    SetRule(form, DesignerRule::CloseAll, rules.closeAll);
  }
  return form;
}

}  // namespace

void SetRule(DesignerForm& form, DesignerRule rule, bool on) {
  switch (rule) {
    case DesignerRule::IgnoreMisses:
      if (form.ignoreMisses != on) {
        form.ignoreMisses = on;
        if (on) {
          form.closeInOne = false;
        }
      }
      break;
    case DesignerRule::CloseInOne:
      if (form.closeInOne != on) {
        form.closeInOne = on;
        if (on) {
          form.closeAll = true;
          form.ignoreMisses = false;
        }
      }
      break;
    case DesignerRule::CloseAll:
      if (form.closeAll != on) {
        form.closeAll = on;
        if (!on) {
          form.closeInOne = false;
          form.ignoreMisses = false;
        }
      }
      break;
  }
}

bool AddTarget(DesignerForm& form, std::string_view code, int darts) {
  if (!IsBoardField(code)) {
    return false;
  }
  DesignerRow row{std::string(code), std::clamp(darts, 1, kMostDartsPerTarget)};
  if (form.rows.size() == 1 && form.rows.front().code.empty()) {
    form.rows.front() = std::move(row);
  } else {
    form.rows.push_back(std::move(row));
  }
  return true;
}

void RemoveLastTarget(DesignerForm& form) {
  if (form.rows.size() > 1) {
    form.rows.pop_back();
  } else {
    form.rows.assign(1, DesignerRow{});
  }
}

std::string DesignerDefinition(const DesignerForm& form) {
  std::vector<TrainingTarget> targets;
  for (const auto& row : form.rows) {
    if (!row.code.empty()) {
      targets.push_back({row.code, row.darts});
    }
  }
  return FormatTrainingDefinition(targets);
}

TrainingDesigner::TrainingDesigner(DesignerMode mode, const std::filesystem::path& programFolder)
    : mode_(mode),
      file_(programFolder / (mode == DesignerMode::FreeTrainings ? kSettingsFile : kLevelFile)) {
  if (mode_ == DesignerMode::PirmelLevels && !file_.Load().HasSection(kLevelSection)) {
    WriteDefaultPirmelLevels(file_);
  }
}

std::vector<std::string> TrainingDesigner::Names() const {
  if (mode_ == DesignerMode::FreeTrainings) {
    return file_.SectionNames();
  }
  std::vector<std::string> levels;
  for (int level = 1; level <= 8; ++level) {
    levels.push_back(std::to_string(level));
  }
  return levels;
}

std::optional<std::size_t> TrainingDesigner::Find(const std::vector<std::string>& names,
                                                  std::string_view name) {
  const auto found = std::find_if(names.begin(), names.end(), [&](const std::string& known) {
    return IniDocument::SameName(known, name);
  });
  if (found == names.end()) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(found - names.begin());
}

DesignerForm TrainingDesigner::Load(std::string_view name) const {
  if (mode_ == DesignerMode::FreeTrainings) {
    const auto training = ReadFreeTraining(file_, Trimmed(name));
    return FormOf(training.rules, training.rounds, true);
  }
  const auto level = LevelNumber(name);
  const auto rules = level ? ReadPirmelLevel(file_, *level) : std::nullopt;
  return rules ? FormOf(*rules, 1, false) : DesignerForm{};
}

std::optional<DesignerForm> TrainingDesigner::DefaultLevel(std::string_view name) const {
  const auto level = LevelNumber(name);
  const auto rules = level ? BuiltInPirmelLevel(*level) : std::nullopt;
  if (!rules) {
    return std::nullopt;
  }
  return FormOf(*rules, 1, false);
}

std::optional<std::string> TrainingDesigner::NameProblem(std::string_view name) {
  name = Trimmed(name);
  if (name.empty()) {
    return std::string(kNameMissing);
  }
  if (BreaksTheFile(name)) {
    return std::string(
        "Der Name eines Trainings darf keine eckigen Klammern, kein \";\", kein \"=\" und keinen "
        "Zeilenumbruch enthalten.");
  }
  return std::nullopt;
}

std::optional<std::string> TrainingDesigner::Save(std::string_view name, const DesignerForm& form) {
  if (auto problem = NameProblem(name)) {
    return problem;
  }
  name = Trimmed(name);
  const bool free = mode_ == DesignerMode::FreeTrainings;
  const auto definition = DesignerDefinition(form);
  const auto level = LevelNumber(name);
  if (free) {
    const FreeTraining training{{definition, form.closeAll, form.closeInOne, form.ignoreMisses},
                                form.rounds,
                                std::string(name)};
    if (auto problem = TrainingProblem(training)) {
      return problem;
    }
  } else if (!level) {
    return std::string("Es gibt nur die Stufen 1 bis 8.");
  } else if (auto problem = DefinitionProblem(definition, "Stufe " + std::string(name))) {
    return problem;
  }
  try {
    auto document = file_.LoadForChange();
    if (free) {
      document.ClearSection(name);
      document.WriteString(name, "def", "'" + definition + "'");
      document.WriteBool(name, "closeall", form.closeAll);
      document.WriteBool(name, "ignoremisshits", form.ignoreMisses);
      document.WriteBool(name, "closeinone", form.closeInOne);
      document.WriteInteger(name, "rounds", form.rounds);
    } else {
      const auto key = std::to_string(*level);
      document.WriteString(kLevelSection, key, definition);
      document.WriteBool(kLevelSection, key + "IgnoreMissHits", form.ignoreMisses);
      document.WriteBool(kLevelSection, key + "Closeinone", form.closeInOne);
      document.WriteBool(kLevelSection, key + "CloseAll", form.closeAll);
    }
    file_.Replace(document);
  } catch (const Error& error) {
    return "Das Training konnte nicht gespeichert werden: " + std::string(error.what());
  }
  return std::nullopt;
}

}  // namespace korvanti
