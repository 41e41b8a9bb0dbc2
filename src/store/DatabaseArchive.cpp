#include "store/DatabaseArchive.h"

#include "store/Database.h"
#include "store/Nicknames.h"
#include "store/PersonalBests.h"
#include "store/Recorder.h"
#include "store/ScopedTransaction.h"
#include "store/SqlStatement.h"

namespace korvanti {

std::optional<PlayerNames> DatabaseArchive::FindPlayerNames(std::string_view playerId) {
  SqlStatement query(database_,
                     "SELECT vorname, nachname, nickname FROM player WHERE playerid = ?");
  query.Bind(playerId).Execute();
  if (!query.Next()) {
    return std::nullopt;
  }
  return PlayerNames{query.Text(0), query.Text(1), query.Text(2)};
}

std::optional<std::string> DatabaseArchive::FindPlayerIdByNickname(std::string_view nickname) {
  return korvanti::FindPlayerIdByNickname(database_, nickname);
}

std::optional<int> DatabaseArchive::EarlierBest(std::string_view playerId,
                                                std::string_view gameTypeKey, BetterResult order,
                                                std::string_view leaveOut) {
  return ReadPersonalBest(database_, {std::string(playerId), std::string(gameTypeKey), order, 0,
                                      1e9, std::string(leaveOut)})
      .best;
}

// A game already there was stored by an earlier try whose answer got lost
// with the server connection: it is not stored twice.
void DatabaseArchive::StoreGame(const GameRecord& game) {
  ScopedTransaction save(database_);
  SqlStatement stored(database_, "SELECT 1 FROM game WHERE gameid = ?");
  stored.Bind(game.gameId).Execute();
  if (stored.Next()) {
    return;
  }
  recorder_.AppendGame(game.gameId, game.gameTypeKey, game.datetime, game.winningTurnId,
                       game.match ? std::string_view(game.match->matchId) : std::string_view(),
                       game.boardName);
  if (game.match) {
    recorder_.StoreMatch(*game.match, game.gameTypeKey);
  }
  for (const auto& player : game.players) {
    for (const auto& turn : player.turns) {
      recorder_.AppendThrow(turn, game.gameId, player.playerId);
    }
    recorder_.AppendDoubleRate(game.gameId, player.playerId, player.doubleThrows,
                               player.doubleHits);
    if (player.result) {
      recorder_.AppendTrainingResult(game.gameId, player.playerId, *player.result,
                                     player.targetHits);
    }
  }
  save.Commit();
}

void DatabaseArchive::RemoveGame(std::string_view gameId, const std::optional<MatchRecord>& match) {
  ScopedTransaction removal(database_);
  std::string gameTypeKey;
  SqlStatement type(database_, "SELECT gametypesid FROM game WHERE gameid = ?");
  type.Bind(gameId).Execute();
  if (type.Next()) {
    gameTypeKey = type.Text(0);
  }
  // The turns first: the per-game totals follow them by their triggers.
  for (const char* table : {"doublerate", "trainingresult", "throw", "game"}) {
    SqlStatement(database_, "DELETE FROM " + std::string(table) + " WHERE gameid = ?")
        .Bind(gameId)
        .Execute();
  }
  if (match) {
    recorder_.StoreMatch(*match, gameTypeKey);
  }
  removal.Commit();
}

}  // namespace korvanti
