#pragma once

#include <string>

#include "engine/BaseGameClass.h"

namespace korvanti {

// 301 Elimination: every player counts up from 0 to exactly 301; landing on an
// opponent's total on the way sends that opponent back to 0.
class Elimination : public BaseGameClass {
 public:
  int target = 0;

  void InitGameType() override;
  void NewGame() override;
  bool IsTurnValid() override;
  bool IsFinished() override;
  bool CheckIn() override;
  int LeaderIndex() override;
  bool HasProposal() override;
  std::optional<int> CountUpTarget() const override { return target; }
  Throwclass& CurrentTargets() override { return CurrentTurns().targets; }
  std::string GameOverText() override { return GameOverInRoundsText(); }

 private:
  void ApplyDoubleIn();
};

}  // namespace korvanti
