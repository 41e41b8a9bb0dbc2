#include "store/TrainingResultFill.h"

#include <string>
#include <vector>

#include "engine/GameCatalog.h"
#include "engine/TrainingReplay.h"
#include "engine/TrainingResult.h"
#include "store/Recorder.h"
#include "store/SqlStatement.h"

namespace korvanti {
namespace {

struct PlayerGame {
  std::string gameId;
  std::string playerId;
  std::string gameTypeKey;
  std::vector<Turn> turns;
};

void Store(Database& database, const PlayerGame& game) {
  if (game.gameId.empty() || game.playerId.empty()) {
    return;
  }
  std::optional<ReplayedTraining> result;
  try {
    result = ReplayTraining(game.gameTypeKey, game.turns);
  } catch (const std::exception&) {
    return;  // a code the rules cannot read: no result rather than a refused file
  }
  if (result) {
    Recorder(database).AppendTrainingResult(game.gameId, game.playerId, result->result,
                                            result->targetHits);
  }
}

}  // namespace

void FillTrainingResults(Database& database) {
  std::vector<std::string> keys;
  for (const auto& entry : GameCatalog()) {
    if (ResultOrder(entry.gameTypeKey)) {
      keys.emplace_back(entry.gameTypeKey);
    }
  }
  std::string marks;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    marks += i == 0 ? "?" : ", ?";
  }
  // The players' games first (a short list), then each one's turns.
  SqlStatement pending(database,
                       "SELECT DISTINCT throw.gameid, throw.playerid, game.gametypesid FROM throw "
                       "INNER JOIN game ON game.gameid = throw.gameid WHERE game.gametypesid IN (" +
                           marks +
                           ") AND COALESCE(game.winthrowid, '') <> '' AND NOT EXISTS (SELECT 1 "
                           "FROM trainingresult WHERE trainingresult.gameid = throw.gameid AND "
                           "trainingresult.playerid = throw.playerid)");
  for (const auto& key : keys) {
    pending.Bind(key);
  }
  pending.Execute();
  std::vector<PlayerGame> games;
  while (pending.Next()) {
    games.push_back({pending.Text(0), pending.Text(1), pending.Text(2), {}});
  }
  for (auto& game : games) {
    SqlStatement turns(database,
                       "SELECT hit1value, hit2value, hit3value, aim1value, aim2value, aim3value "
                       "FROM throw WHERE gameid = ? AND playerid = ? ORDER BY rowid");
    turns.Bind(game.gameId).Bind(game.playerId).Execute();
    while (turns.Next()) {
      Turn turn;
      for (int n = 1; n <= 3; ++n) {
        turn.Hit(n).hit = turns.Text(n - 1);
        turn.Hit(n).aim = turns.Text(n + 2);
      }
      game.turns.push_back(std::move(turn));
    }
    Store(database, game);
    game.turns.clear();
  }
}

}  // namespace korvanti
