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
ReplayedTraining SegmentHits(const std::vector<Turn>& turns) {
  TargetHits counted;
  for (const auto& turn : turns) {
    for (const auto& dart : turn.hits) {
      counted.tries += Thrown(dart) ? 1 : 0;
      counted.hits +=
          Thrown(dart) && !dart.aim.empty() && Game::AimMatches(dart.aim, dart.hit) ? 1 : 0;
    }
  }
  return {counted.hits, counted};
}

}  // namespace

std::optional<ReplayedTraining> ReplayTraining(std::string_view gameTypeKey,
                                               const std::vector<Turn>& turns) {
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
  const auto& player = game->players.At(0);
  const auto result = game->PlayerResult(player);
  if (!result) {
    return std::nullopt;
  }
  return ReplayedTraining{*result, game->PlayerTargetHits(player)};
}

}  // namespace korvanti
