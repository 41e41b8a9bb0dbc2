#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace korvanti {

// How far a landing position (hit-map pixels) lies from the centre of the
// bull, in millimetres of a regulation board: measured, not judged by field.
double BullDistanceMillimetres(int x, int y);

// Who throws first: each player throws one dart at the bull; the nearest
// wins. Players whose darts lie within `kTie` of the nearest throw again,
// only they, until one is nearest.
class BullOff {
 public:
  static constexpr double kTie = 0.5;  // millimetres

  explicit BullOff(std::size_t players);

  // The players still to throw in this round, in the order of play.
  const std::vector<std::size_t>& Throwers() const { return waiting_; }
  std::optional<std::size_t> NextThrower() const;
  // The next thrower's dart landed this far from the centre.
  void Throw(double millimetres);

  bool Decided() const { return winner_.has_value(); }
  std::optional<std::size_t> Winner() const { return winner_; }
  // Each player's last distance; empty for one who has not thrown.
  const std::vector<std::optional<double>>& Distances() const { return distances_; }
  int Round() const { return round_; }

 private:
  void Judge();

  std::vector<std::optional<double>> distances_;
  std::vector<std::size_t> inRound_;  // who throws in this round
  std::vector<std::size_t> waiting_;  // of those, who has not thrown yet
  std::optional<std::size_t> winner_;
  int round_ = 1;
};

}  // namespace korvanti
