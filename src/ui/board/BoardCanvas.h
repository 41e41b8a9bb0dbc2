#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <functional>
#include <vector>

#include "ui/board/BoardPicture.h"

namespace korvanti {

// A dot of the statistics board: where a dart landed, in hit-map pixels.
struct BoardDot {
  QPoint position;
  QColor color;
  double radius = 3;
};

// Paints over the board picture in hit-map pixels: the painter's unit is one
// hit-map pixel and whole numbers are pixel centres, as for the dots.
using BoardLayer = std::function<void(QPainter&)>;
// A window's own layers go under the marks and dots, or over them.
enum class BoardLayerPlace { UnderMarks, OverMarks };

// The board picture with what is drawn over it: the layer under the marks,
// the computer's dart marks and the statistics dots, the layer over them.
// The picture is rendered once per device size and kept; layers, marks and
// dots are drawn over it on every paint.
class BoardCanvas {
 public:
  BoardCanvas();

  void SetPicture(BoardPicture picture);
  const BoardPicture& Picture() const { return picture_; }

  // A white disc of radius 7 with a black centre of radius 2.
  void AddDartMark(QPoint hitMapPosition);
  // Back to the clean picture.
  void ClearDartMarks();
  const std::vector<QPoint>& DartMarks() const { return marks_; }

  void SetDots(std::vector<BoardDot> dots);
  void ClearDots();
  const std::vector<BoardDot>& Dots() const { return dots_; }

  // Empty for none.
  void SetLayer(BoardLayerPlace place, BoardLayer layer);

  // Paints the board into a target rectangle of the painter's coordinates,
  // at the resolution of the painter's device.
  void Paint(QPainter& painter, const QRectF& target);

 private:
  const QImage& Rendered(QSize deviceSize, qreal devicePixelRatio);
  void PaintOverlay(QPainter& painter, const QRectF& target) const;

  BoardPicture picture_;
  std::vector<QPoint> marks_;
  std::vector<BoardDot> dots_;
  BoardLayer under_;
  BoardLayer over_;
  QImage rendered_;  // the picture at the last device size; null when stale
};

}  // namespace korvanti
