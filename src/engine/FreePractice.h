#pragma once

#include <string>
#include <vector>

#include "engine/SegmentTrainings.h"

namespace korvanti {

// A training the user defined: its targets, optionally all to be closed
// (`closeall`), optionally only by turns whose darts all hit (`closeinone`).
class FreePractice : public SegmentClass {
 public:
  bool closeall = false;
  bool closeinone = false;

  void InitGameType() override;
  void NewGame() override;
  bool CheckIn() override;
  bool IsFinished() const override;
  Throwclass CurrentTargets() const override;
  int LeaderIndex() const override;
  std::string GameOverText() const override { return "Training zu Ende."; }

 private:
  void CountRounds();
  bool CheckInClosingAll();
  // Whether the player's darts of the turn in progress would close all his open targets.
  bool WouldCloseAll(const Playerclass& player) const;
};

}  // namespace korvanti
