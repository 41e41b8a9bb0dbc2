#pragma once

#include <cstdint>
#include <string>

namespace korvanti {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  bool operator==(const Rgb&) const = default;
};

class HitMapColours {
 public:
  // The field code a hit-map colour stands for; "00" for any colour outside the scheme.
  static std::string ColorToField(Rgb color);
};

}  // namespace korvanti
