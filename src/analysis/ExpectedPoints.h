#pragma once

#include <optional>
#include <vector>

#include "analysis/Scatter.h"
#include "engine/AimPoints.h"
#include "engine/HitMap.h"

namespace korvanti {

// The points of every hit-map pixel and where the wires are. A dart on a
// wire does not count and is thrown again; outside the board it scores 0.
class BoardValues {
 public:
  explicit BoardValues(const HitMap& hitMap);

  static constexpr int Width() { return HitMap::Width(); }
  static constexpr int Height() { return HitMap::Height(); }
  int Points(int x, int y) const { return points_[Index(x, y)]; }
  bool Wire(int x, int y) const { return wire_[Index(x, y)] != 0; }
  // The points of a landing pixel; nothing on a wire; 0 outside the picture.
  std::optional<int> Landing(int x, int y) const;

 private:
  static std::size_t Index(int x, int y) {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(Width()) +
           static_cast<std::size_t>(x);
  }
  std::vector<int> points_;
  std::vector<unsigned char> wire_;
};

// The expected points of one dart for every aim pixel of the hit map.
class ExpectedPointsMap {
 public:
  // Convolves the board's points with the scatter's normal distribution
  // (bias included) through FFTW; a dart landing on a wire is thrown again.
  ExpectedPointsMap(const BoardValues& board, const Scatter& scatter);

  static constexpr int Width() { return BoardValues::Width(); }
  static constexpr int Height() { return BoardValues::Height(); }
  double At(int x, int y) const {
    return values_[static_cast<std::size_t>(y) * Width() + static_cast<std::size_t>(x)];
  }
  double At(BoardPoint point) const { return At(point.x, point.y); }
  // The pixel with the most expected points (the first such in rows from the top).
  BoardPoint Best() const;
  // Every value, row after row from the top: the heat map's grid.
  const std::vector<double>& Values() const { return values_; }

 private:
  std::vector<double> values_;
};

}  // namespace korvanti
