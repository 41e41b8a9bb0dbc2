#pragma once

#include <string>

#include "engine/Game.h"

namespace korvanti {

// Target-sequence games: every player works through the same steps; a dart
// that hits the player's current step moves him on and scores a point.
class RoundTheBoard : public Game {
 public:
  int goal = 0;               // steps to complete
  bool ignoreMisses = false;  // every dart uses up a step, hit or not

  void InitGameType() override;
  void NewGame() override;
  Turn CurrentTargets() const override;
  bool HasProposal() const override { return true; }
  bool IsTurnValid() override { return CurrentTurns().current.counts = true; }
  bool CheckIn() override;
  bool IsFinished() const override;
  int LeaderIndex() const override;
  std::string GameOverText() const override;
  // The darts needed to finish the round; nothing before.
  std::optional<int> PlayerResult(const Player& player) const override;
  // Every step reached is a hit.
  std::optional<TargetHits> PlayerTargetHits(const Player& player) const override {
    return TargetHits{player.turns.score, player.turns.DartsBooked()};
  }
  virtual void BuildTargets() = 0;

 protected:
  // Steps shown as targets end here.
  virtual std::size_t TargetLimit() const { return static_cast<std::size_t>(goal); }
  // A Shanghai (single, double and treble in one turn) wins at once.
  virtual bool InstantWinCounts() const { return false; }
  // Steps for n = 1..20 with the given prefixes, then one bull step.
  void AddSegmentSteps(std::initializer_list<const char*> prefixes);
  void AddStep(std::initializer_list<std::string> codes);
  // Whether the free dart after the entered ones has no target left.
  bool OutOfTargets() const;
  // The player on turn has no step left, has reached the goal, or the rounds are over.
  bool ReachedTheEnd() const;
};

class RoundTheBoardSingles : public RoundTheBoard {
 public:
  void InitGameType() override;
  void BuildTargets() override;
};

class RoundTheBoardDoubles : public RoundTheBoard {
 public:
  void InitGameType() override;
  void BuildTargets() override;
};

class RoundTheBoardDoublesAndBull : public RoundTheBoard {
 public:
  void InitGameType() override;
  void BuildTargets() override;
};

// The trebles T1 … T20 in order; the result is the darts needed, fewer is better.
class RoundTheBoardTrebles : public RoundTheBoard {
 public:
  void InitGameType() override;
  void BuildTargets() override;
  std::string GameOverText() const override;
  std::string TargetText() const override;
  // The darts thrown up to the one that hit T20 (all thrown while not there yet).
  static int DartsNeeded(const PlayerTurns& turns);
};

class Shanghai : public RoundTheBoardSingles {
 public:
  void InitGameType() override;

 protected:
  bool InstantWinCounts() const override { return true; }

 public:
  // The points reached.
  std::optional<int> PlayerResult(const Player& player) const override {
    return player.turns.score;
  }
};

}  // namespace korvanti
