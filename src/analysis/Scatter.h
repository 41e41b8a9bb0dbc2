#pragma once

#include "engine/BoardGeometry.h"

namespace korvanti {

inline constexpr double kMillimetresPerPixel = board::kMillimetresPerPixel;

struct Offset {
  double x = 0;
  double y = 0;
};

// A symmetric 2 x 2 covariance, in square pixels (y grows downwards).
struct Covariance {
  double xx = 0;
  double xy = 0;
  double yy = 0;

  double Determinant() const { return xx * yy - xy * xy; }
};

// Where darts land around the aim point: a normal distribution with a mean
// offset (the bias) and a covariance, in pixels.
struct Scatter {
  Offset bias;
  Covariance covariance;

  static Scatter Round(double sigma, Offset bias = {}) {
    return {bias, {sigma * sigma, 0, sigma * sigma}};
  }
};

// An ellipse of equal density: semi-axes in pixels, the major axis turned
// by `angleDegrees` from the x axis towards the y axis (clockwise on screen).
struct ScatterEllipse {
  double major = 0;
  double minor = 0;
  double angleDegrees = 0;
};

// The ellipse reaching `sigmas` standard deviations along every direction.
ScatterEllipse EllipseOf(const Covariance& covariance, double sigmas);

// The offset of a dart for two independent standard normal numbers: the
// bias plus the covariance's Cholesky factor times (z1, z2).
Offset OffsetFor(const Scatter& scatter, double z1, double z2);

// The squared Mahalanobis distance of an offset from the scatter's centre.
double SquaredDistance(const Scatter& scatter, Offset offset);

}  // namespace korvanti
