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

// Draws the view on a painter in hit-map pixels (a board layer): the heat map
// when wanted, the 2σ and 1σ ellipses, and the best aim point's mark.
void PaintThrowView(QPainter& painter, const ThrowView& view, bool withHeat);

}  // namespace korvanti
