#include "ui/board/BoardCanvas.h"

#include <cmath>

namespace korvanti {
namespace {

constexpr double kMarkRadius = 7;
constexpr double kMarkCentreRadius = 2;

// Everything over the picture is drawn in hit-map pixels, centred like the
// picture's geometry on the pixel's middle.
void UseHitMapCoordinates(QPainter& painter, const QRectF& target) {
  painter.translate(target.topLeft());
  painter.scale(target.width() / board::kWidth, target.height() / board::kHeight);
  painter.translate(0.5, 0.5);
}

void PaintLayer(QPainter& painter, const BoardLayer& layer) {
  if (layer) {
    painter.save();
    layer(painter);
    painter.restore();
  }
}

void Circle(QPainter& painter, QPointF centre, double radius, const QColor& fill) {
  painter.setBrush(fill);
  painter.drawEllipse(centre, radius, radius);
}

}  // namespace

BoardCanvas::BoardCanvas() : picture_(BoardPicture::Blank()) {}

void BoardCanvas::SetPicture(BoardPicture picture) {
  picture_ = std::move(picture);
  rendered_ = QImage();
}

void BoardCanvas::AddDartMark(QPoint hitMapPosition) {
  marks_.push_back(hitMapPosition);
}

void BoardCanvas::ClearDartMarks() {
  marks_.clear();
}

void BoardCanvas::SetDots(std::vector<BoardDot> dots) {
  dots_ = std::move(dots);
}

void BoardCanvas::ClearDots() {
  dots_.clear();
}

void BoardCanvas::SetLayer(BoardLayerPlace place, BoardLayer layer) {
  (place == BoardLayerPlace::UnderMarks ? under_ : over_) = std::move(layer);
}

const QImage& BoardCanvas::Rendered(QSize deviceSize, qreal devicePixelRatio) {
  if (rendered_.size() != deviceSize) {
    rendered_ = QImage(deviceSize, QImage::Format_RGB32);
    QPainter painter(&rendered_);
    painter.scale(static_cast<double>(deviceSize.width()) / board::kWidth,
                  static_cast<double>(deviceSize.height()) / board::kHeight);
    picture_.Paint(painter);
  }
  // Set on the kept image itself: on a copy it would duplicate the pixels.
  rendered_.setDevicePixelRatio(devicePixelRatio);
  return rendered_;
}

void BoardCanvas::Paint(QPainter& painter, const QRectF& target) {
  const QRectF device = painter.deviceTransform().mapRect(target);
  const QSize deviceSize(std::max(1, static_cast<int>(std::lround(device.width()))),
                         std::max(1, static_cast<int>(std::lround(device.height()))));
  painter.drawImage(target.topLeft(), Rendered(deviceSize, deviceSize.width() / target.width()));
  PaintOverlay(painter, target);
}

void BoardCanvas::PaintOverlay(QPainter& painter, const QRectF& target) const {
  if (marks_.empty() && dots_.empty() && !under_ && !over_) {
    return;
  }
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  UseHitMapCoordinates(painter, target);
  PaintLayer(painter, under_);
  painter.setPen(QPen(Qt::black, 1));
  for (const QPoint& mark : marks_) {
    Circle(painter, mark, kMarkRadius, Qt::white);
    Circle(painter, mark, kMarkCentreRadius, Qt::black);
  }
  for (const BoardDot& dot : dots_) {
    Circle(painter, dot.position, dot.radius, dot.color);
  }
  PaintLayer(painter, over_);
  painter.restore();
}

}  // namespace korvanti
