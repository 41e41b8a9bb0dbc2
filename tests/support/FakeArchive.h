#pragma once

#include <map>
#include <string>
#include <vector>

#include "engine/GameArchive.h"
#include "platform/Error.h"

namespace korvanti::testing {

// Keeps what a game stores, copying the turns so they outlive the game.
class FakeArchive : public GameArchive {
 public:
  struct StoredPlayer {
    std::string playerId;
    std::vector<Turn> turns;
    int doubleThrows = 0;
    int doubleHits = 0;
    std::optional<int> result;
    std::optional<TargetHits> targetHits;
  };
  struct StoredGame {
    std::string gameId;
    std::string gameTypeKey;
    double datetime = 0;
    std::string winningTurnId;
    std::vector<StoredPlayer> players;
    std::optional<MatchRecord> match;
  };

  std::optional<PlayerNames> FindPlayerNames(std::string_view playerId) override {
    const auto found = names.find(std::string(playerId));
    if (found == names.end()) {
      return std::nullopt;
    }
    return found->second;
  }

  void StoreGame(const GameRecord& game) override {
    if (lostConnections > 0) {
      --lostConnections;
      throw ConnectionLost(
          "Die Verbindung zum Vereinsserver ist unterbrochen (server closed the connection "
          "unexpectedly).");
    }
    StoredGame stored{game.gameId, game.gameTypeKey, game.datetime, game.winningTurnId,
                      {},          game.match};
    for (const auto& player : game.players) {
      stored.players.push_back({player.playerId,
                                {player.turns.begin(), player.turns.end()},
                                player.doubleThrows,
                                player.doubleHits,
                                player.result,
                                player.targetHits});
    }
    games.push_back(std::move(stored));
  }

  void RemoveGame(std::string_view gameId, const std::optional<MatchRecord>& match) override {
    std::erase_if(games, [&](const StoredGame& game) { return game.gameId == gameId; });
    removedMatches.push_back(match);
  }

  std::optional<int> EarlierBest(std::string_view playerId, std::string_view gameTypeKey,
                                 BetterResult order, std::string_view leaveOut) override {
    std::optional<int> best;
    for (const auto& game : games) {
      if (game.gameTypeKey != gameTypeKey || game.gameId == leaveOut) {
        continue;
      }
      for (const auto& player : game.players) {
        if (player.playerId == playerId && player.result &&
            (!best || Beats(order, *player.result, *best))) {
          best = player.result;
        }
      }
    }
    return best;
  }

  // This many saves find the club server gone before one gets through.
  int lostConnections = 0;
  std::map<std::string, PlayerNames> names;
  std::vector<StoredGame> games;
  // The match rows written by each removal.
  std::vector<std::optional<MatchRecord>> removedMatches;
};

}  // namespace korvanti::testing
