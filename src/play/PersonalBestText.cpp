#include "play/PersonalBestText.h"

#include "engine/Game.h"
#include "engine/TrainingResult.h"

namespace korvanti {
namespace {

std::string Line(const TrainingOutcome& outcome) {
  const auto number = std::to_string(outcome.result);
  if (!outcome.earlierBest) {
    return "Neue Bestleistung: " + number + " (die erste)";
  }
  const auto earlier = std::to_string(*outcome.earlierBest);
  if (outcome.IsNewBest()) {
    return "Neue Bestleistung: " + number + " (bisher " + earlier + ")";
  }
  return "Ergebnis: " + number + ", Bestleistung: " + earlier;
}

}  // namespace

std::vector<TrainingOutcome> TrainingOutcomes(const Game& game) {
  const auto order = ResultOrder(game.gameTypeKey);
  auto* archive = game.Archive();
  if (!order || archive == nullptr) {
    return {};
  }
  int stored = 0;
  for (const auto* player : game.players) {
    stored += player->IsComputer() ? 0 : 1;
  }
  std::vector<TrainingOutcome> outcomes;
  for (const auto* player : game.players) {
    const auto result = game.PlayerResult(*player);
    if (player->IsComputer() || !result) {
      continue;
    }
    outcomes.push_back(
        {stored > 1 ? player->nickname : std::string(), *result,
         archive->EarlierBest(player->playerId, game.gameTypeKey, *order, game.gameId), *order});
  }
  return outcomes;
}

std::string PersonalBestLines(const std::vector<TrainingOutcome>& outcomes) {
  std::string lines;
  for (const auto& outcome : outcomes) {
    if (!lines.empty()) {
      lines += "\n";
    }
    lines += (outcome.name.empty() ? std::string() : outcome.name + ": ") + Line(outcome);
  }
  return lines;
}

}  // namespace korvanti
