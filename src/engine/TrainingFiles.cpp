#include "engine/TrainingFiles.h"

#include "engine/FieldCode.h"
#include "platform/IniFile.h"

namespace korvanti {
namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ')
    text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  return text;
}

std::string Unquoted(std::string_view entry) {
  if (entry.size() >= 2 && entry.front() == '"' && entry.back() == '"') {
    std::string text;
    entry = entry.substr(1, entry.size() - 2);
    for (std::size_t i = 0; i < entry.size(); ++i) {
      text += entry[i];
      if (entry[i] == '"' && i + 1 < entry.size() && entry[i + 1] == '"') {
        ++i;
      }
    }
    return text;
  }
  return std::string(entry);
}

std::string SeriesDefinition(const char* prefix, int count, const char* bull) {
  std::string definition;
  for (int n = 1; n <= 20; ++n) {
    definition += prefix + std::to_string(n) + "=" + std::to_string(count) + ",";
  }
  return definition + bull + "=" + std::to_string(count);
}

}  // namespace

std::vector<TrainingTarget> ParseTrainingDefinition(std::string_view definition) {
  std::vector<TrainingTarget> targets;
  std::size_t start = 0;
  while (start < definition.size()) {
    auto end = definition.find(',', start);
    if (end == std::string_view::npos)
      end = definition.size();
    const auto entry = Unquoted(Trimmed(definition.substr(start, end - start)));
    start = end + 1;
    if (entry.empty())
      continue;
    const auto equals = entry.find('=');
    TrainingTarget target{entry.substr(0, equals), 3};
    if (equals != std::string::npos) {
      target.count = ParseDecimalInteger(entry.substr(equals + 1)).value_or(3);
    }
    targets.push_back(std::move(target));
  }
  return targets;
}

std::string FormatTrainingDefinition(const std::vector<TrainingTarget>& targets) {
  std::string definition;
  for (const auto& target : targets) {
    definition +=
        (definition.empty() ? "" : ",") + target.code + "=" + std::to_string(target.count);
  }
  return definition;
}

FreeTraining ReadFreeTraining(const IniFile& settings, std::string_view name) {
  const auto file = settings.Load();
  FreeTraining training;
  training.rounds = file.ReadInteger(name, "rounds", 1);
  training.rules.definition = file.ReadString(name, "def", "");
  training.rules.closeAll = file.ReadBool(name, "closeall", true);
  training.rules.closeInOne = file.ReadBool(name, "closeinone", true);
  training.rules.ignoreMisses = file.ReadBool(name, "ignoremisshits", true);
  training.name = std::string(name);
  return training;
}

std::optional<std::string> DefinitionProblem(std::string_view definition, std::string_view name) {
  const auto quoted = "\"" + std::string(name) + "\"";
  const auto targets = ParseTrainingDefinition(definition);
  if (targets.empty()) {
    return "Das Training " + quoted + " hat keine Ziele.";
  }
  for (const auto& target : targets) {
    if (!IsBoardField(target.code)) {
      return "Unbekanntes Feld \"" + target.code + "\" im Training " + quoted + ".";
    }
    if (target.count < 1 || target.count > kMostDartsPerTarget) {
      return "Die Anzahl der Darts pro Ziel muss zwischen 1 und " +
             std::to_string(kMostDartsPerTarget) + " liegen.";
    }
  }
  return std::nullopt;
}

std::optional<std::string> TrainingProblem(const FreeTraining& training) {
  if (auto problem = DefinitionProblem(training.rules.definition, training.name)) {
    return problem;
  }
  if (training.rounds < 1 || training.rounds > kMostTrainingRounds) {
    return "Die Anzahl der Runden muss zwischen 1 und " + std::to_string(kMostTrainingRounds) +
           " liegen.";
  }
  return std::nullopt;
}

std::optional<TrainingRules> BuiltInPirmelLevel(int level) {
  struct Level {
    const char* prefix;
    int darts;
    const char* bull;
  };
  // Levels 7 and 8 repeat 5 and 6, but every target must be closed in sequence.
  static constexpr Level kLevels[] = {{"LS", 3, "SS25"}, {"SS", 3, "SS25"}, {"D", 3, "D25"},
                                      {"T", 3, "D25"},   {"D", 1, "D25"},   {"T", 1, "D25"},
                                      {"D", 1, "D25"},   {"T", 1, "D25"}};
  if (level < 1 || level > 8) {
    return std::nullopt;
  }
  const auto& series = kLevels[level - 1];
  const bool strict = level >= 7;
  return TrainingRules{SeriesDefinition(series.prefix, series.darts, series.bull), strict, strict,
                       !strict};
}

std::optional<TrainingRules> ReadPirmelLevel(const IniFile& levels, int level) {
  const auto file = levels.Load();
  const auto key = std::to_string(level);
  const auto definition = file.ReadString("pirmel", key, "");
  if (DefinitionProblem(definition, key)) {
    return BuiltInPirmelLevel(level);
  }
  return TrainingRules{definition, file.ReadBool("pirmel", key + "CloseAll", false),
                       file.ReadBool("pirmel", key + "Closeinone", false),
                       file.ReadBool("pirmel", key + "IgnoreMissHits", false)};
}

void WriteDefaultPirmelLevels(IniFile& levels) {
  auto file = levels.LoadForChange();
  for (int level = 1; level <= 8; ++level) {
    const auto rules = *BuiltInPirmelLevel(level);
    const auto key = std::to_string(level);
    file.WriteString("pirmel", key, rules.definition);
    file.WriteBool("pirmel", key + "IgnoreMissHits", rules.ignoreMisses);
    file.WriteBool("pirmel", key + "Closeinone", rules.closeInOne);
    file.WriteBool("pirmel", key + "CloseAll", rules.closeAll);
  }
  levels.Replace(file);
}

}  // namespace korvanti
