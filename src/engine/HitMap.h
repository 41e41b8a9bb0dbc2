#pragma once

#include <string>
#include <vector>

#include "engine/BoardGeometry.h"
#include "engine/HitMapColours.h"

namespace korvanti {

// The hidden colour-coded board picture through which a click position becomes
// a field code. Drawn from the board geometry in flat colours, pixel-aligned
// with every visible board picture.
class HitMap {
 public:
  HitMap();

  static constexpr int Width() { return board::kWidth; }
  static constexpr int Height() { return board::kHeight; }
  static bool Contains(int x, int y) { return x >= 0 && x < Width() && y >= 0 && y < Height(); }

  // The pixel's colour; positions outside the picture have the outside colour.
  Rgb Pixel(int x, int y) const;
  // The field code of a position; outside the picture that is a miss "0".
  std::string FieldAt(int x, int y) const;

  // The field code of a click or a computer dart: a coordinate outside the
  // picture counts as 0; when both end up 0 that is reported as a notice
  // ("fehler calc hit") and the corner pixel, a miss, is decoded.
  std::string PositionToField(int x, int y) const;

 private:
  std::vector<Rgb> pixels_;
};

}  // namespace korvanti
