#pragma once

#include <climits>
#include <string>
#include <vector>

#include "engine/Game.h"
#include "engine/ScoredRoutine.h"

namespace korvanti {

// Bob's 27: the score starts at 27; three darts at each of D1 … D20 and the
// bull. Every dart in the double adds its value; a round without one takes
// the value off. A player's training ends when his score falls to 0 or below,
// or after the bull round; the game when every player's has.
class BobsTwentySeven : public Game, public ScoredRoutine {
 public:
  static constexpr int kStartScore = 27;
  static constexpr int kTargets = 21;  // D1 … D20, then the bull

  // The double of target number `step` (0 … 20) and what it is worth.
  static std::string TargetCode(int step);
  static int TargetValue(int step);

  void InitGameType() override;
  void NewGame() override;
  Turn CurrentTargets() const override;
  bool HasProposal() const override { return !PlayerDone(CurrentTurns()); }
  bool IsTurnValid() override { return CurrentTurns().current.counts = true; }
  bool CheckIn() override;
  std::string TargetText() const override { return PlayerTarget(CurrentTurns()); }
  std::string PlayerTarget(const PlayerTurns& turns) const override {
    return PlayerDone(turns) ? std::string() : TargetCode(turns.progress);
  }
  int HitsOnTargets(const PlayerTurns& turns) const override;
  // Back to whoever booked last: players whose training has ended are passed
  // over, so that need not be the player before.
  void UndoCheckIn() override;
  bool IsFinished() const override;
  int LeaderIndex() const override { return BestScoreIndex(INT_MIN); }
  std::string GameOverText() const override { return GameOverWithPointsText(); }
  std::optional<int> PlayerResult(const Player& player) const override {
    return player.turns.score;
  }
  std::optional<TargetHits> PlayerTargetHits(const Player& player) const override {
    return TargetHits{HitsOnTargets(player.turns), player.turns.DartsBooked()};
  }

 private:
  // No target left, or the score at 0 or below.
  static bool PlayerDone(const PlayerTurns& turns);
  // The score after the player's turn in progress, were it booked now.
  static int ScoreAfter(const PlayerTurns& turns);

  std::vector<int> bookedBy_;  // who booked each turn, oldest first
};

}  // namespace korvanti
