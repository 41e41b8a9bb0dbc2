#include "engine/HitMapColours.h"

namespace korvanti {

std::string HitMapColours::ColorToField(Rgb c) {
  const auto n = [](int value) { return std::to_string(value); };
  if (c.r == 212 && c.g == 212 && c.b == 225) {
    return "0";
  }
  if (c.r == 255 && c.b == 255) {
    return "LS" + n(256 - c.g);
  }
  if (c.r == 254 && c.b == 255) {
    return "SS" + n(256 - c.g);
  }
  if (c.r == 0 && c.b == 0) {
    return "LS" + n(c.g);
  }
  if (c.r == 1 && c.b == 0) {
    return "SS" + n(c.g);
  }
  if (c.r == 0 && c.g > 200) {
    const auto segment = n(256 - c.g);
    return c.b == 3 ? "T" + segment : c.b == 2 ? "D" + segment : "SS" + segment;
  }
  if (c.r == 255 && c.b == 3) {
    return "T" + n(c.g);
  }
  if (c.r == 255 && c.b == 2) {
    return "D" + n(c.g);
  }
  return "00";
}

}  // namespace korvanti
