#include "ColorClass.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <set>
#include <utility>
#include <vector>

namespace korvanti {
namespace {

using Vector = std::array<double, 3>;

Vector ToVector(const QColor& color) {
  return {static_cast<double>(color.red()), static_cast<double>(color.green()),
          static_cast<double>(color.blue())};
}

double Distance(const Vector& a, const Vector& b) {
  return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

// Distance from a colour to the blends of two colours.
double DistanceToBlend(const Vector& p, const Vector& a, const Vector& b) {
  Vector ab{b[0] - a[0], b[1] - a[1], b[2] - a[2]};
  const double length2 = ab[0] * ab[0] + ab[1] * ab[1] + ab[2] * ab[2];
  double t = 0;
  if (length2 > 0) {
    t = ((p[0] - a[0]) * ab[0] + (p[1] - a[1]) * ab[1] + (p[2] - a[2]) * ab[2]) / length2;
  }
  t = std::clamp(t, 0.0, 1.0);
  return Distance(p, {a[0] + t * ab[0], a[1] + t * ab[1], a[2] + t * ab[2]});
}

std::vector<std::pair<ColorClass, QColor>> FieldColors(const BoardPalette& palette) {
  return {
      {ColorClass::BullsEye, palette.bullsEye},     {ColorClass::OuterBull, palette.outerBull},
      {ColorClass::DarkSingle, palette.darkSingle}, {ColorClass::LightSingle, palette.lightSingle},
      {ColorClass::DarkRing, palette.darkRing},     {ColorClass::LightRing, palette.lightRing}};
}

}  // namespace

const char* Name(ColorClass colorClass) {
  constexpr std::array<const char*, 8> kNames{"bull's eye",   "outer bull", "dark single",
                                              "light single", "dark ring",  "light ring",
                                              "outside",      "wire"};
  return kNames[static_cast<std::size_t>(colorClass)];
}

ColorClass ExpectedClass(const std::string& fieldCode) {
  if (fieldCode == "0") {
    return ColorClass::Outside;
  }
  if (fieldCode == "00") {
    return ColorClass::Wire;
  }
  if (fieldCode == "D25") {
    return ColorClass::BullsEye;
  }
  if (fieldCode == "SS25") {
    return ColorClass::OuterBull;
  }
  const bool ring = fieldCode[0] == 'T' || fieldCode[0] == 'D';
  const int segment = std::stoi(fieldCode.substr(ring ? 1 : 2));
  static const std::set<int> kDark{20, 18, 13, 10, 2, 3, 7, 8, 14, 12};
  const bool dark = kDark.contains(segment);
  if (ring) {
    return dark ? ColorClass::DarkRing : ColorClass::LightRing;
  }
  return dark ? ColorClass::DarkSingle : ColorClass::LightSingle;
}

ColorClass Classify(const BoardPalette& palette, QColor pixel) {
  const Vector p = ToVector(pixel);
  ColorClass best = ColorClass::Outside;
  double bestDistance = std::numeric_limits<double>::max();
  for (const auto& [colorClass, color] : FieldColors(palette)) {
    if (const double d = Distance(p, ToVector(color)); d < bestDistance) {
      best = colorClass;
      bestDistance = d;
    }
  }
  const std::array<Vector, 4> outside{ToVector(palette.background), ToVector(palette.surround),
                                      ToVector(palette.rim), ToVector(palette.numbers)};
  for (std::size_t i = 0; i < outside.size(); ++i) {
    for (std::size_t j = i; j < outside.size(); ++j) {
      if (DistanceToBlend(p, outside[i], outside[j]) < bestDistance) {
        return ColorClass::Outside;
      }
    }
  }
  return best;
}

bool LookAlike(const BoardPalette& palette, ColorClass a, ColorClass b) {
  if (a == b) {
    return true;
  }
  QColor colorA, colorB;
  for (const auto& [colorClass, color] : FieldColors(palette)) {
    if (colorClass == a) {
      colorA = color;
    }
    if (colorClass == b) {
      colorB = color;
    }
  }
  return colorA.isValid() && colorA == colorB;
}

}  // namespace korvanti
