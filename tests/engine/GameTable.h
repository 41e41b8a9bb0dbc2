#pragma once

#include <memory>
#include <sstream>
#include <string>

#include "DartText.h"
#include "engine/Game.h"

namespace korvanti::testing {

// Sets up a game of the given mode with named players and plays turns given as text.
template <typename Mode>
struct GameTable {
  explicit GameTable(std::initializer_list<const char*> nicknames = {"Anna"}) {
    for (const char* nickname : nicknames) {
      auto player = std::make_unique<Player>();
      player->nickname = nickname;
      game.AddPlayer(std::move(player));
    }
  }
  void Start() {
    game.InitGameType();
    game.NewGame();
  }
  // Enters the darts one by one, as the game screen does, without checking in.
  void Enter(const std::string& darts) {
    std::istringstream words(darts);
    std::string code;
    for (int n = 1; words >> code; ++n) {
      game.CurrentTurns().current.Hit(n).hit = code;
      game.IsTurnValid();
    }
  }
  void Play(const std::string& darts) {
    Enter(darts);
    game.CheckIn();
  }
  Player& At(std::size_t i) { return game.players.At(i); }
  PlayerTurns& Turns(std::size_t i) { return game.players.At(i).turns; }

  Mode game;
};

}  // namespace korvanti::testing
