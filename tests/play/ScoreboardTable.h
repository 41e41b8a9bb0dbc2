#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "DartText.h"
#include "play/Scoreboard.h"

namespace korvanti::testing {

// A game of one class with named players, played through its public operations.
template <typename Game>
struct Table {
  explicit Table(std::initializer_list<const char*> nicknames = {"Anna"}) {
    for (const char* nickname : nicknames) {
      auto player = std::make_unique<Player>();
      player->nickname = nickname;
      game.AddPlayer(std::move(player));
    }
  }
  Table& Start() {
    game.InitGameType();
    game.NewGame();
    return *this;
  }
  // Enters darts as the game screen does: one by one, each judged.
  void Enter(const std::string& darts) {
    std::istringstream words(darts);
    std::string code;
    for (int n = game.CurrentTurns().current.FirstEmptyHit(); n != 0 && words >> code;
         n = game.CurrentTurns().current.FirstEmptyHit()) {
      game.CurrentTurns().current.Hit(n).hit = code;
      game.IsTurnValid();
    }
  }
  void Play(const std::string& darts) {
    Enter(darts);
    game.CheckIn();
  }
  // Aims every dart at the shown target, then throws the given darts.
  void PlayAtTargets(const std::string& darts) {
    const auto targets = game.CurrentTargets();
    for (int n = 1; n <= 3; ++n) {
      game.CurrentTurns().current.Hit(n).aim = targets.Hit(n).aim;
    }
    Play(darts);
  }
  PlayerTurns& Turns(std::size_t i) { return game.players.At(i).turns; }
  Scoreboard Board(ModePanel panel, ScoreboardContext context = {}) const {
    return BuildScoreboard(game, panel, context);
  }

  Game game;
};

// Each column as "caption width".
inline std::vector<std::string> Captions(const PlayerTable& list) {
  std::vector<std::string> captions;
  for (const auto& column : list.columns) {
    captions.push_back(column.caption + " " + std::to_string(column.width));
  }
  return captions;
}

using Cells = std::vector<std::string>;

}  // namespace korvanti::testing
