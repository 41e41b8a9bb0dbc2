#include "engine/BoardGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace korvanti::board {
namespace {

// DoublesRoundTraining drawn in the direct colour scheme; the others use the complemented one.
bool IsDirectScheme(int segment) {
  switch (segment) {
    case 2:
    case 3:
    case 7:
    case 8:
    case 10:
    case 12:
    case 13:
    case 14:
    case 18:
    case 20:
      return true;
    default:
      return false;
  }
}

struct Sector {
  int segment;
  double wireDistance;  // distance to the nearest radial wire's centre line
};

Sector SectorAt(double dx, double dy, double radius) {
  double degrees = std::atan2(dx, -dy) * 180.0 / std::numbers::pi;
  if (degrees < 0) {
    degrees += 360.0;
  }
  const double shifted = std::fmod(degrees + 9.0, 360.0);
  const auto index = static_cast<std::size_t>(shifted / 18.0) % kSegmentOrder.size();
  const double offset = std::fmod(shifted, 18.0);
  const double toBoundary = std::min(offset, 18.0 - offset) * std::numbers::pi / 180.0;
  return {kSegmentOrder[index], radius * std::sin(toBoundary)};
}

struct Band {
  double outerRadius;
  Ring ring;
};

// Measured from the bull's centre.
constexpr std::array<Band, 4> kBullBands{{{kBullsEye, Ring::BullsEye},
                                          {kBullsEyeWire, Ring::Wire},
                                          {kOuterBull, Ring::OuterBull},
                                          {kOuterBullWire, Ring::Wire}}};

// Measured from the centre of the outer rings.
constexpr std::array<Band, 8> kRingBands{{{kSmallSingle, Ring::SmallSingle},
                                          {kTrebleInnerWire, Ring::Wire},
                                          {kTreble, Ring::Treble},
                                          {kTrebleOuterWire, Ring::Wire},
                                          {kLargeSingle, Ring::LargeSingle},
                                          {kDoubleInnerWire, Ring::Wire},
                                          {kDouble, Ring::Double},
                                          {kDoubleOuterWire, Ring::Wire}}};

}  // namespace

Field FieldAt(double x, double y) {
  const double bullRadius = std::hypot(x - kBullX, y - kBullY);
  for (const auto& band : kBullBands) {
    if (bullRadius < band.outerRadius) {
      return {band.ring, band.ring == Ring::Wire ? 0 : 25};
    }
  }
  const double ringRadius = std::hypot(x - kRingX, y - kRingY);
  const auto band = std::find_if(kRingBands.begin(), kRingBands.end(),
                                 [&](const Band& b) { return ringRadius < b.outerRadius; });
  if (band == kRingBands.end()) {
    return {Ring::Outside, 0};
  }
  if (band->ring == Ring::Wire) {
    return {Ring::Wire, 0};
  }
  const auto sector = SectorAt(x - kBullX, y - kBullY, bullRadius);
  if (sector.wireDistance < kRadialWireHalfWidth) {
    return {Ring::Wire, 0};
  }
  return {band->ring, sector.segment};
}

std::string FieldCode(Field field) {
  const auto n = std::to_string(field.segment);
  switch (field.ring) {
    case Ring::BullsEye:
      return "D25";
    case Ring::OuterBull:
      return "SS25";
    case Ring::SmallSingle:
      return "SS" + n;
    case Ring::Treble:
      return "T" + n;
    case Ring::LargeSingle:
      return "LS" + n;
    case Ring::Double:
      return "D" + n;
    case Ring::Wire:
      return "00";
    case Ring::Outside:
      break;
  }
  return "0";
}

Rgb HitMapColor(Field field) {
  const auto n = static_cast<std::uint8_t>(field.segment);
  const auto m = static_cast<std::uint8_t>(256 - field.segment);
  const bool direct = IsDirectScheme(field.segment);
  switch (field.ring) {
    case Ring::BullsEye:
      return {255, 25, 2};
    case Ring::OuterBull:
      return {0, 231, 1};
    case Ring::SmallSingle:
      return direct ? Rgb{1, n, 0} : Rgb{254, m, 255};
    case Ring::Treble:
      return direct ? Rgb{255, n, 3} : Rgb{0, m, 3};
    case Ring::LargeSingle:
      return direct ? Rgb{0, n, 0} : Rgb{255, m, 255};
    case Ring::Double:
      return direct ? Rgb{255, n, 2} : Rgb{0, m, 2};
    case Ring::Wire:
      return kWireColor;
    case Ring::Outside:
      break;
  }
  return kOutsideColor;
}

}  // namespace korvanti::board
