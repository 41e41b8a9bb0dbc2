#pragma once

#include <array>
#include <map>
#include <vector>

#include "engine/Playerclass.h"

namespace korvanti {

// Darts thrown at the marked double and hits on it, kept per dart so that a
// removed dart and an undone turn take back exactly what they counted. The
// players' `throwsatdouble` and `hitsatdouble` are always the sums.
class DoubleStatistics {
 public:
  struct Dart {
    int thrown = 0;
    int hit = 0;
  };
  using Turn = std::array<Dart, 3>;

  // Dart n (1..3) of the turn in progress was thrown at a marked double.
  void Record(int dart, bool hit);
  // Dart n of the turn in progress was taken back.
  void Forget(int dart);
  // The turn in progress of this player was booked.
  void Book(const Playerclass& player);
  // The turn in progress was thrown away.
  void DropCurrent() { current_ = {}; }
  // This player's last `turns` booked turns were taken back.
  void TakeBack(const Playerclass& player, std::size_t turns);
  void Clear();

  // Writes the sums into every player; the turn in progress counts for `onTurn`.
  void Apply(PlayerListClass& players, const Playerclass& onTurn) const;

 private:
  Turn current_{};
  std::map<const Playerclass*, std::vector<Turn>> booked_;
};

}  // namespace korvanti
