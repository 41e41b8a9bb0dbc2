#pragma once

#include <string>
#include <vector>

#include "engine/SegmentTrainings.h"

namespace korvanti {

// A training the user defined: its targets, optionally all to be closed
// (`closeAll`), optionally only by turns whose darts all hit (`closeInOne`).
class DesignedTraining : public SegmentTraining {
 public:
  bool closeAll = false;
  bool closeInOne = false;

  void InitGameType() override;
  void NewGame() override;
  bool CheckIn() override;
  bool IsFinished() const override;
  Turn CurrentTargets() const override;
  int LeaderIndex() const override;
  std::string GameOverText() const override { return "Training zu Ende."; }

 private:
  void CountRounds();
  bool CheckInClosingAll();
  // Whether the player's darts of the turn in progress would close all his open targets.
  bool WouldCloseAll(const Player& player) const;
};

}  // namespace korvanti
