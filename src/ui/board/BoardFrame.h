#pragma once

#include <QPoint>
#include <QRectF>
#include <QSize>

namespace korvanti {

// Where the 659 x 650 board sits in a widget's area: centred, aspect kept,
// its edges on device pixels so that a picture made at device resolution is
// copied without resampling.
class BoardFrame {
 public:
  // The board at its own size.
  BoardFrame();
  BoardFrame(QSize area, qreal devicePixelRatio);

  // In the widget's logical coordinates.
  QRectF Rect() const { return rect_; }
  // The board's size in device pixels.
  QSize DeviceSize() const { return deviceSize_; }

  // The hit-map pixel under a widget position; a position beside the board
  // gives a pixel outside 0..658 x 0..649.
  QPoint ToHitMap(QPointF position) const;
  // The widget position of a hit-map pixel's centre.
  QPointF FromHitMap(QPointF hitMapPosition) const;

 private:
  QRectF rect_;
  QSize deviceSize_;
  qreal devicePixelRatio_ = 1;
};

}  // namespace korvanti
