#pragma once

#include <QPainter>

#include "ui/board/BoardPalette.h"

namespace korvanti {

// Draws the board from the board geometry into the rectangle (0, 0, 659, 650)
// of the painter's coordinates, one unit per hit-map pixel. The geometry's
// point (x, y) lands on the centre of hit-map pixel (x, y), so the picture
// agrees with the hit map at every scale.
void PaintDrawnBoard(QPainter& painter, const BoardPalette& palette);

}  // namespace korvanti
