#pragma once

#include <cmath>
#include <numbers>

#include "analysis/Scatter.h"

namespace korvanti::testing {

// A scatter given by its ellipse: standard deviations along the major and
// the minor axis (pixels), the major axis turned by `degrees`, and the bias.
inline Scatter Tilted(double major, double minor, double degrees, Offset bias) {
  const double a = degrees * std::numbers::pi / 180;
  const double c = std::cos(a), s = std::sin(a);
  const double l1 = major * major, l2 = minor * minor;
  return {bias, {l1 * c * c + l2 * s * s, (l1 - l2) * c * s, l1 * s * s + l2 * c * c}};
}

}  // namespace korvanti::testing
