#include "play/PersonalBestText.h"

#include "engine/Game.h"
#include "engine/TrainingResult.h"

namespace korvanti {
namespace {

std::string Line(int result, std::optional<int> earlier, BetterResult order) {
  const auto number = std::to_string(result);
  if (!earlier) {
    return "Neue Bestleistung: " + number + " (die erste)";
  }
  if (Beats(order, result, *earlier)) {
    return "Neue Bestleistung: " + number + " (bisher " + std::to_string(*earlier) + ")";
  }
  return "Ergebnis: " + number + ", Bestleistung: " + std::to_string(*earlier);
}

}  // namespace

std::string PersonalBestLines(const Game& game) {
  const auto order = ResultOrder(game.gameTypeKey);
  auto* archive = game.Archive();
  if (!order || archive == nullptr) {
    return {};
  }
  std::string lines;
  int stored = 0;
  for (const auto* player : game.players) {
    stored += player->IsComputer() ? 0 : 1;
  }
  for (const auto* player : game.players) {
    const auto result = game.PlayerResult(*player);
    if (player->IsComputer() || !result) {
      continue;
    }
    const auto earlier =
        archive->EarlierBest(player->playerId, game.gameTypeKey, *order, game.gameId);
    if (!lines.empty()) {
      lines += "\n";
    }
    lines +=
        (stored > 1 ? player->nickname + ": " : std::string()) + Line(*result, earlier, *order);
  }
  return lines;
}

}  // namespace korvanti
