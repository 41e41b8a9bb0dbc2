#pragma once

#include <QColor>
#include <string>

#include "ui/board/BoardPalette.h"

namespace korvanti {

// What a rendered pixel looks like, in the classes a player tells apart.
enum class ColorClass {
  BullsEye,
  OuterBull,
  DarkSingle,
  LightSingle,
  DarkRing,
  LightRing,
  Outside,  // the number ring, its figures and the surface beyond
  Wire,     // near a wire: no class is asked for
};

const char* Name(ColorClass colorClass);

// The class a field code of the hit map must show, read from the code alone:
// segment 20 and every second one round the board are dark.
ColorClass ExpectedClass(const std::string& fieldCode);

// The class of the nearest palette colour. Outside pixels may be any blend of
// the outside colours (anti-aliased figures and edges).
ColorClass Classify(const BoardPalette& palette, QColor pixel);

// Two classes a palette paints alike (a bull and its ring) count as one.
bool LookAlike(const BoardPalette& palette, ColorClass a, ColorClass b);

}  // namespace korvanti
