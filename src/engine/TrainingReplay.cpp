#include "engine/TrainingReplay.h"

#include "engine/GameCatalog.h"
#include "engine/SegmentTrainings.h"
#include "engine/TrainingResult.h"

namespace korvanti {
namespace {

bool Thrown(const Dart& dart) {
  return !dart.hit.empty() && dart.hit != "na";
}

// A segment training counts every dart on its own target, and each stored
// dart carries that target as its aim; its rounds and definition were start
// options that the file does not keep, so the darts are counted directly.
int SegmentHits(const std::vector<Turn>& turns) {
  int hits = 0;
  for (const auto& turn : turns) {
    for (const auto& dart : turn.hits) {
      hits += Thrown(dart) && !dart.aim.empty() && Game::AimMatches(dart.aim, dart.hit) ? 1 : 0;
    }
  }
  return hits;
}

}  // namespace

std::optional<int> ReplayedResult(std::string_view gameTypeKey, const std::vector<Turn>& turns) {
  const auto* entry = FindCatalogEntryByKey(gameTypeKey);
  if (entry == nullptr || !ResultOrder(gameTypeKey) || turns.empty()) {
    return std::nullopt;
  }
  auto game = CreateGame(*entry);
  if (dynamic_cast<SegmentTraining*>(game.get()) != nullptr) {
    return SegmentHits(turns);
  }
  game->AddPlayer(std::make_unique<Player>());
  game->InitGameType();
  game->NewGame();
  for (const auto& turn : turns) {
    if (game->IsFinished()) {
      break;
    }
    auto& current = game->CurrentTurns().current;
    current.Clear();
    current.counts = true;
    for (int n = 1; n <= 3 && Thrown(turn.Hit(n)); ++n) {
      current.Hit(n).hit = turn.Hit(n).hit;
      current.Hit(n).aim = turn.Hit(n).aim;
      game->IsTurnValid();
    }
    game->CheckIn();
  }
  return game->PlayerResult(game->players.At(0));
}

}  // namespace korvanti
