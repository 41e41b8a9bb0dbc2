#pragma once

#include <array>
#include <map>
#include <vector>

#include "engine/Player.h"

namespace korvanti {

// Darts thrown at the marked double and hits on it, kept per dart so that a
// removed dart and an undone turn take back exactly what they counted. The
// players' `doubleThrows` and `doubleHits` are always the sums.
class DoubleStatistics {
 public:
  struct DartCount {
    int thrown = 0;
    int hit = 0;
  };
  using TurnCounts = std::array<DartCount, 3>;

  // Dart n (1..3) of the turn in progress was thrown at a marked double.
  void Record(int dart, bool hit);
  // Dart n of the turn in progress was taken back.
  void Forget(int dart);
  // The turn in progress of this player was booked.
  void Book(const Player& player);
  // The turn in progress was thrown away.
  void DropCurrent() { current_ = {}; }
  // This player's last `turns` booked turns were taken back.
  void TakeBack(const Player& player, std::size_t turns);
  void Clear();

  // Writes the sums into every player; the turn in progress counts for `onTurn`.
  void Apply(PlayerList& players, const Player& onTurn) const;

 private:
  TurnCounts current_{};
  std::map<const Player*, std::vector<TurnCounts>> booked_;
};

}  // namespace korvanti
