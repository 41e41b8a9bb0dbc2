#include "engine/HitMap.h"

#include "platform/Notice.h"

namespace korvanti {

HitMap::HitMap() {
  pixels_.reserve(static_cast<std::size_t>(Width()) * Height());
  for (int y = 0; y < Height(); ++y) {
    for (int x = 0; x < Width(); ++x) {
      pixels_.push_back(board::HitMapColor(board::FieldAt(x, y)));
    }
  }
}

Rgb HitMap::Pixel(int x, int y) const {
  if (!Contains(x, y)) {
    return board::kOutsideColor;
  }
  return pixels_[static_cast<std::size_t>(y) * Width() + static_cast<std::size_t>(x)];
}

std::string HitMap::FieldAt(int x, int y) const {
  return HitMapColours::ColorToField(Pixel(x, y));
}

std::string HitMap::PositionToField(int x, int y) const {
  if (x < 0 || x >= Width()) {
    x = 0;
  }
  if (y < 0 || y >= Height()) {
    y = 0;
  }
  if (x == 0 && y == 0) {
    Notify("fehler calc hit");
  }
  return FieldAt(x, y);
}

}  // namespace korvanti
