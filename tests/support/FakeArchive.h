#pragma once

#include <map>
#include <string>
#include <vector>

#include "engine/GameArchive.h"

namespace korvanti::testing {

// Keeps what a game stores, copying the turns so they outlive the game.
class FakeArchive : public GameArchive {
 public:
  struct StoredPlayer {
    std::string playerid;
    std::vector<Throwclass> turns;
    int throwsatdouble = 0;
    int hitsatdouble = 0;
  };
  struct StoredGame {
    std::string gameid;
    std::string gametypesid;
    double datetime = 0;
    std::string winningThrowId;
    std::vector<StoredPlayer> players;
  };

  std::optional<PlayerNames> FindPlayerNames(std::string_view playerid) override {
    const auto found = names.find(std::string(playerid));
    if (found == names.end()) {
      return std::nullopt;
    }
    return found->second;
  }

  void StoreGame(const GameRecord& game) override {
    StoredGame stored{game.gameid, game.gametypesid, game.datetime, game.winningThrowId, {}};
    for (const auto& player : game.players) {
      stored.players.push_back({player.playerid,
                                {player.turns.begin(), player.turns.end()},
                                player.throwsatdouble,
                                player.hitsatdouble});
    }
    games.push_back(std::move(stored));
  }

  std::map<std::string, PlayerNames> names;
  std::vector<StoredGame> games;
};

}  // namespace korvanti::testing
