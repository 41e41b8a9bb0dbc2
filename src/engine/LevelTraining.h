#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "engine/DesignedTraining.h"
#include "engine/Game.h"
#include "engine/TrainingFiles.h"

namespace korvanti {

// A training in levels: each level is a free training of its own; a level
// played with a hit rate of at least 50 % leads to the next, otherwise it
// starts again. The whole training is stored once, with the player's turns.
class LevelTraining : public Game {
 public:
  static constexpr int kHighestLevel = 8;

  std::unique_ptr<DesignedTraining> levelGame;
  int level = 0;
  int maxLevel = 0;    // 1 to kHighestLevel
  int startLevel = 0;  // 1 to maxLevel
  // Where levels may be redefined (section "pirmel").
  std::filesystem::path levelFile{kLevelFile};

  void InitGameType() override;
  void NewGame() override;
  bool CheckIn() override;
  bool IsFinished() const override;
  bool IsTurnOver() const override;
  Turn CurrentTargets() const override { return levelGame->CurrentTargets(); }
  bool HasProposal() const override { return true; }
  bool IsTurnValid() override { return CurrentTurns().current.counts = true; }
  int LeaderIndex() const override { return 0; }
  std::string GameOverText() const override { return "Training beendet"; }

  void NextLevel();
  // The level's rules from the level file, else the built-in level; a level
  // that neither defines has no targets, and the training ends.
  void SetLevel(int number);
  // The share of darts on target in the current level, in percent.
  double LevelHitRate() const;

 private:
  // Levels out of range would never reach the last one, or start on a level
  // without targets; either left the turn over at once, again and again.
  void ClampLevels();
};

}  // namespace korvanti
