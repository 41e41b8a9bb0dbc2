#pragma once

#include <string>

#include "engine/Game.h"

namespace korvanti::testing {

// The smallest mode: counts points up, books every turn, never ends.
class CountUpGame : public Game {
 public:
  bool IsFinished() const override { return false; }
  Turn CurrentTargets() const override { return {}; }
  int LeaderIndex() const override { return leader; }
  bool HasProposal() const override { return false; }
  void InitGameType() override { gameTypeKey = "constcountup"; }
  bool IsTurnValid() override { return CurrentTurns().current.counts = true; }
  std::string GameOverText() const override { return "Game over"; }
  bool CheckIn() override {
    auto& turns = CurrentTurns();
    CommitTurn();
    turns.score += turns.current.TurnScore(false);
    turns.bookedScore = turns.score;
    turns.current.Clear();
    NextPlayer();
    return true;
  }

  int leader = 0;
};

}  // namespace korvanti::testing
