#pragma once

#include <array>
#include <string>

#include "engine/HitMapColours.h"

namespace korvanti {

// The board as it lies under every board picture, in pixels of the 659 x 650
// hit map. The bulls, the small singles and the radial wires are centred on
// the bull; the rings from the treble ring outwards sit 1.5 px left and 3 px
// lower, as on the reference picture that every stored click was made on.
namespace board {

inline constexpr int kWidth = 659;
inline constexpr int kHeight = 650;

inline constexpr double kBullX = 332.0;
inline constexpr double kBullY = 318.0;
inline constexpr double kRingX = 330.5;
inline constexpr double kRingY = 321.0;

// Outer radii, from the bull outwards; each field is followed by a wire.
inline constexpr double kBullsEye = 9, kBullsEyeWire = 12;
inline constexpr double kOuterBull = 24, kOuterBullWire = 26;
inline constexpr double kSmallSingle = 135, kTrebleInnerWire = 138;
inline constexpr double kTreble = 151, kTrebleOuterWire = 154;
inline constexpr double kLargeSingle = 222, kDoubleInnerWire = 225;
inline constexpr double kDouble = 237, kDoubleOuterWire = 239;
inline constexpr double kRadialWireHalfWidth = 1.25;
// Millimetres per hit-map pixel: the double ring's outer edge lies 170 mm from
// the centre of a regulation board.
inline constexpr double kMillimetresPerPixel = 170.0 / kDouble;

// Clockwise from straight up.
inline constexpr std::array<int, 20> kSegmentOrder{20, 1,  18, 4,  13, 6,  10, 15, 2,  17,
                                                   3,  19, 7,  16, 8,  11, 14, 9,  12, 5};

enum class Ring { BullsEye, OuterBull, SmallSingle, Treble, LargeSingle, Double, Wire, Outside };

struct Field {
  Ring ring = Ring::Outside;
  int segment = 0;  // 1..20, 25 for the bulls, 0 for wires and outside
  bool operator==(const Field&) const = default;
};

Field FieldAt(double x, double y);
std::string FieldCode(Field field);

// Hit-map colours; wires get a colour that no decoding rule matches.
Rgb HitMapColor(Field field);
inline constexpr Rgb kOutsideColor{212, 212, 225};
inline constexpr Rgb kWireColor{160, 160, 160};

}  // namespace board
}  // namespace korvanti
