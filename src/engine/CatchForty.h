#pragma once

#include <string>

#include "engine/CountDownGame.h"

namespace korvanti {

// Catch 40: the finishes 61 … 100 in turn, each checked out double out with
// at most six darts (two turns); a checkout or a bust ends the target at once
// and the next one starts with a new turn. Two darts give 3 points, three 2
// (3 on 99, which two darts cannot finish), four to six 1, a bust or no
// checkout 0. Played by one player.
class CatchForty : public CountDownGame {
 public:
  static constexpr int kFirstTarget = 61;
  static constexpr int kTargets = 40;
  static constexpr int kDartsPerTarget = 6;

  // Where the booked turns have brought the player.
  struct Tally {
    int target = 0;  // index of the target being played; kTargets when done
    int left = kFirstTarget;
    int dartsOnTarget = 0;
    int points = 0;
    int checkouts = 0;
  };
  static Tally Replay(const std::vector<Turn>& turns);
  // What a checkout with that many darts on that target is worth.
  static int CheckoutPoints(int target, int darts);

  void InitGameType() override;
  void NewGame() override;
  bool IsTurnValid() override;
  bool IsTurnOver() const override;
  bool IsFinished() const override;
  bool HasProposal() const override { return !IsFinished(); }
  bool CheckIn() override;
  std::string TargetText() const override {
    const int target = CurrentTurns().progress;
    return target < kTargets ? std::to_string(kFirstTarget + target) : std::string();
  }
  void UndoCheckIn() override;
  int LeaderIndex() const override { return 0; }
  std::string GameOverText() const override;
  // The points.
  std::optional<int> PlayerResult(const Player& player) const override {
    return Replay(player.turns.Turns()).points;
  }
  // The targets checked out among those played.
  std::optional<TargetHits> PlayerTargetHits(const Player& player) const override {
    const auto tally = Replay(player.turns.Turns());
    return TargetHits{tally.checkouts, tally.target};
  }

  Tally Current() const { return Replay(CurrentTurns().Turns()); }

 private:
  // The player's score and progress as the booked turns leave them.
  void Settle();
  // Whether the darts entered so far end the target: a checkout or a bust.
  bool TargetEnds() const;
};

}  // namespace korvanti
