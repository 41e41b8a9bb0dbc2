#pragma once

#include <QImage>
#include <QPainter>
#include <Qt>

#include "report/ThrowPicture.h"

namespace korvanti {

// A throw picture ready for the board: the heat map as an image of one pixel
// per hit-map pixel. Built on the statistics worker, drawn on the window thread.
struct ThrowView {
  ThrowPicture picture;          // its heat colours moved into `heat`
  QImage heat;                   // null without a fit
  Qt::HANDLE builtOn = nullptr;  // the thread that built it
};

ThrowView MakeThrowView(ThrowPicture picture);

// Draw the view on a painter in hit-map pixels (board layers): the heat map,
// under the dots; the 2σ and 1σ ellipses and the best aim point's mark, over
// them.
void PaintHeatMap(QPainter& painter, const ThrowView& view);
void PaintOutline(QPainter& painter, const ThrowView& view);

}  // namespace korvanti
