#include "ui/board/BoardPalette.h"

#include <algorithm>
#include <array>

namespace korvanti {
namespace {

// The number rings are kept apart in hue from the singles, so that even a
// blend of ring and figure never passes for a field colour.
const std::array<BoardPalette, 3> kPalettes{{
    // Classic: black and cream, red and green, silver wires, white figures.
    {.background = QColor(212, 212, 225),
     .surround = QColor(14, 16, 34),
     .rim = QColor(96, 98, 112),
     .numbers = QColor(244, 244, 244),
     .wire = QColor(196, 196, 204),
     .darkSingle = QColor(32, 32, 32),
     .lightSingle = QColor(238, 224, 186),
     .darkRing = QColor(206, 36, 44),
     .lightRing = QColor(24, 140, 74),
     .bullsEye = QColor(206, 36, 44),
     .outerBull = QColor(24, 140, 74)},
    // Tournament: deep black and ivory, crimson and emerald, brass wires on navy.
    {.background = QColor(212, 212, 225),
     .surround = QColor(20, 28, 58),
     .rim = QColor(176, 146, 66),
     .numbers = QColor(236, 206, 118),
     .wire = QColor(198, 166, 86),
     .darkSingle = QColor(14, 14, 14),
     .lightSingle = QColor(248, 238, 210),
     .darkRing = QColor(172, 18, 36),
     .lightRing = QColor(0, 102, 62),
     .bullsEye = QColor(196, 16, 30),
     .outerBull = QColor(0, 102, 62)},
    // Contrast: charcoal and sand, bright red and green, white wires on maroon.
    {.background = QColor(212, 212, 225),
     .surround = QColor(104, 20, 30),
     .rim = QColor(232, 232, 236),
     .numbers = QColor(252, 252, 252),
     .wire = QColor(236, 236, 240),
     .darkSingle = QColor(48, 48, 56),
     .lightSingle = QColor(226, 202, 148),
     .darkRing = QColor(228, 54, 46),
     .lightRing = QColor(44, 170, 86),
     .bullsEye = QColor(228, 54, 46),
     .outerBull = QColor(44, 170, 86)},
}};

}  // namespace

BoardStyle BoardStyleFromSetting(int boardSetting) {
  switch (boardSetting) {
    case 1:
      return BoardStyle::Tournament;
    case 2:
      return BoardStyle::Contrast;
    default:
      return BoardStyle::Classic;
  }
}

const char* BoardBitmapFileName(BoardStyle style) {
  switch (style) {
    case BoardStyle::Tournament:
      return "unicorn.bmp";
    case BoardStyle::Contrast:
      return "winmau.bmp";
    case BoardStyle::Classic:
      break;
  }
  return "bulladv.bmp";
}

const BoardPalette& PaletteFor(BoardStyle style) {
  return kPalettes[static_cast<std::size_t>(style)];
}

bool IsDarkSegment(int segment) {
  const auto found = std::find(board::kSegmentOrder.begin(), board::kSegmentOrder.end(), segment);
  return found != board::kSegmentOrder.end() && (found - board::kSegmentOrder.begin()) % 2 == 0;
}

QColor FieldColor(const BoardPalette& palette, board::Field field) {
  using board::Ring;
  const bool dark = IsDarkSegment(field.segment);
  switch (field.ring) {
    case Ring::BullsEye:
      return palette.bullsEye;
    case Ring::OuterBull:
      return palette.outerBull;
    case Ring::SmallSingle:
    case Ring::LargeSingle:
      return dark ? palette.darkSingle : palette.lightSingle;
    case Ring::Treble:
    case Ring::Double:
      return dark ? palette.darkRing : palette.lightRing;
    case Ring::Wire:
      return palette.wire;
    case Ring::Outside:
      break;
  }
  return palette.background;
}

}  // namespace korvanti
