#include "ui/board/BoardFrame.h"

#include <algorithm>
#include <cmath>

#include "engine/BoardGeometry.h"

namespace korvanti {

BoardFrame::BoardFrame() : BoardFrame(QSize(board::kWidth, board::kHeight), 1) {}

BoardFrame::BoardFrame(QSize area, qreal devicePixelRatio)
    : devicePixelRatio_(devicePixelRatio > 0 ? devicePixelRatio : 1) {
  const double areaWidth = std::max(area.width(), 1) * devicePixelRatio_;
  const double areaHeight = std::max(area.height(), 1) * devicePixelRatio_;
  const double scale = std::min(areaWidth / board::kWidth, areaHeight / board::kHeight);
  deviceSize_ = QSize(std::max(1, static_cast<int>(std::floor(board::kWidth * scale + 1e-9))),
                      std::max(1, static_cast<int>(std::floor(board::kHeight * scale + 1e-9))));
  const double left = std::floor((areaWidth - deviceSize_.width()) / 2);
  const double top = std::floor((areaHeight - deviceSize_.height()) / 2);
  rect_ = QRectF(left / devicePixelRatio_, top / devicePixelRatio_,
                 deviceSize_.width() / devicePixelRatio_, deviceSize_.height() / devicePixelRatio_);
}

QPoint BoardFrame::ToHitMap(QPointF position) const {
  // A pointer position names a device pixel; its centre is what shows there.
  const double half = 0.5 / devicePixelRatio_;
  const double x = (position.x() + half - rect_.left()) * board::kWidth / rect_.width();
  const double y = (position.y() + half - rect_.top()) * board::kHeight / rect_.height();
  return {static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))};
}

QPointF BoardFrame::FromHitMap(QPointF hitMapPosition) const {
  const double half = 0.5 / devicePixelRatio_;
  return {rect_.left() + (hitMapPosition.x() + 0.5) * rect_.width() / board::kWidth - half,
          rect_.top() + (hitMapPosition.y() + 0.5) * rect_.height() / board::kHeight - half};
}

}  // namespace korvanti
