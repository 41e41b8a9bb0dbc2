#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/Game.h"
#include "engine/ScoredRoutine.h"

namespace korvanti {

// Halve-It: the score starts at 40; nine rounds of three darts at 15, 16, any
// double, 17, 18, any treble, 19, 20 and the bull. Darts in the round's target
// add their points; a round without one halves the score, rounded down.
class HalveIt : public Game, public ScoredRoutine {
 public:
  static constexpr int kStartScore = 40;
  static constexpr int kRounds = 9;

  // What the round (0 … 8) asks for: "15", "D" (any double), "T" (any
  // treble), "Bull" …
  static std::string_view TargetLabel(int step);
  // Whether the field counts in that round.
  static bool Hits(int step, std::string_view code);

  void InitGameType() override;
  void NewGame() override;
  // Only the bull round has one field to aim at ("SS25": either bull).
  Turn CurrentTargets() const override;
  bool HasProposal() const override { return CurrentTurns().progress < kRounds; }
  bool IsTurnValid() override { return CurrentTurns().current.counts = true; }
  bool CheckIn() override;
  std::string TargetText() const override { return PlayerTarget(CurrentTurns()); }
  std::string PlayerTarget(const PlayerTurns& turns) const override {
    return std::string(TargetLabel(turns.progress));
  }
  int HitsOnTargets(const PlayerTurns& turns) const override;
  bool IsFinished() const override;
  int LeaderIndex() const override { return BestScoreIndex(-1); }
  std::string GameOverText() const override { return GameOverWithPointsText(); }
  std::optional<int> PlayerResult(const Player& player) const override {
    return player.turns.score;
  }
  std::optional<TargetHits> PlayerTargetHits(const Player& player) const override {
    return TargetHits{HitsOnTargets(player.turns), player.turns.DartsBooked()};
  }

  // The score after the turn in progress of the player, were it booked now.
  static int ScoreAfter(const PlayerTurns& turns);
};

}  // namespace korvanti
