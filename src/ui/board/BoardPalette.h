#pragma once

#include <QColor>

#include "engine/BoardGeometry.h"

namespace korvanti {

// The options.ini "Board" setting: three looks of a classic board.
enum class BoardStyle { Classic = 0, Tournament = 1, Contrast = 2 };

// Any value but 1 and 2 is the classic board.
BoardStyle BoardStyleFromSetting(int boardSetting);

// The bitmap that replaces the drawn board of a style when the program folder holds it.
const char* BoardBitmapFileName(BoardStyle style);

struct BoardPalette {
  QColor background;  // beyond the number ring, the window's own colour
  QColor surround;    // the number ring
  QColor rim;         // the number ring's outer edge
  QColor numbers;
  QColor wire;
  QColor darkSingle;
  QColor lightSingle;
  QColor darkRing;   // double and treble of a dark segment
  QColor lightRing;  // double and treble of a light segment
  QColor bullsEye;
  QColor outerBull;
};

const BoardPalette& PaletteFor(BoardStyle style);

// Segment 20 is dark; dark and light alternate round the board.
bool IsDarkSegment(int segment);

// The colour a field is painted in; wires in the wire colour, everything
// outside the double ring in the background colour.
QColor FieldColor(const BoardPalette& palette, board::Field field);

}  // namespace korvanti
