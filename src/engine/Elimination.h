#pragma once

#include <string>

#include "engine/Game.h"

namespace korvanti {

// 301 Elimination: every player counts up from 0 to exactly 301; landing on an
// opponent's total on the way sends that opponent back to 0.
class Elimination : public Game {
 public:
  int target = 0;

  void InitGameType() override;
  void NewGame() override;
  bool IsTurnValid() override;
  bool IsFinished() const override;
  bool CheckIn() override;
  int LeaderIndex() const override;
  bool HasProposal() const override;
  std::optional<int> CountUpTarget() const override { return target; }
  Turn CurrentTargets() const override { return {}; }
  std::string GameOverText() const override { return GameOverInRoundsText(); }

 private:
  void ApplyDoubleIn();
};

}  // namespace korvanti
