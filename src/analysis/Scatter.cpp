#include "analysis/Scatter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace korvanti {

ScatterEllipse EllipseOf(const Covariance& c, double sigmas) {
  const double mean = (c.xx + c.yy) / 2;
  const double half = std::hypot((c.xx - c.yy) / 2, c.xy);
  const double large = mean + half;
  const double small = std::max(0.0, mean - half);
  const double angle = 0.5 * std::atan2(2 * c.xy, c.xx - c.yy);
  return {sigmas * std::sqrt(large), sigmas * std::sqrt(small), angle * 180 / std::numbers::pi};
}

Offset OffsetFor(const Scatter& scatter, double z1, double z2) {
  const auto& c = scatter.covariance;
  const double l11 = std::sqrt(std::max(c.xx, 0.0));
  const double l21 = l11 > 0 ? c.xy / l11 : 0.0;
  const double l22 = std::sqrt(std::max(c.yy - l21 * l21, 0.0));
  return {scatter.bias.x + l11 * z1, scatter.bias.y + l21 * z1 + l22 * z2};
}

double SquaredDistance(const Scatter& scatter, Offset offset) {
  const auto& c = scatter.covariance;
  const double dx = offset.x - scatter.bias.x;
  const double dy = offset.y - scatter.bias.y;
  const double determinant = c.Determinant();
  if (determinant <= 0) {
    return dx == 0 && dy == 0 ? 0.0 : INFINITY;
  }
  return (c.yy * dx * dx - 2 * c.xy * dx * dy + c.xx * dy * dy) / determinant;
}

}  // namespace korvanti
