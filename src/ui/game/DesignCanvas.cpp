#include "ui/game/DesignCanvas.h"

#include <QResizeEvent>
#include <algorithm>
#include <cmath>

namespace korvanti {

DesignCanvas::DesignCanvas(QSize designSize, QWidget* parent)
    : QWidget(parent), designSize_(designSize) {}

void DesignCanvas::Place(QWidget* child, QRect design, int fontPixelSize,
                         std::function<void(double)> onScale) {
  placed_.push_back({child, design, fontPixelSize, std::move(onScale)});
  Apply(placed_.back());
}

QSize DesignCanvas::SizeAt(double scale) const {
  return {static_cast<int>(std::lround(designSize_.width() * scale)),
          static_cast<int>(std::lround(designSize_.height() * scale))};
}

QSize DesignCanvas::minimumSizeHint() const {
  return SizeAt(0.4);
}

QRect DesignCanvas::Scaled(QRect design) const {
  const auto at = [this](int value) { return static_cast<int>(std::lround(value * scale_)); };
  const int left = offset_.x() + at(design.left());
  const int top = offset_.y() + at(design.top());
  // Right and bottom edges are scaled too, so neighbours stay flush.
  const int right = offset_.x() + at(design.left() + design.width());
  const int bottom = offset_.y() + at(design.top() + design.height());
  return {left, top, std::max(1, right - left), std::max(1, bottom - top)};
}

void DesignCanvas::Apply(const Placed& placed) const {
  placed.child->setGeometry(Scaled(placed.design));
  if (placed.fontPixelSize > 0) {
    auto font = placed.child->font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(placed.fontPixelSize * scale_))));
    placed.child->setFont(font);
  }
  if (placed.onScale) {
    placed.onScale(scale_);
  }
}

void DesignCanvas::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const auto size = event->size();
  scale_ = std::min(static_cast<double>(size.width()) / designSize_.width(),
                    static_cast<double>(size.height()) / designSize_.height());
  offset_ = {(size.width() - static_cast<int>(std::lround(designSize_.width() * scale_))) / 2,
             (size.height() - static_cast<int>(std::lround(designSize_.height() * scale_))) / 2};
  for (const auto& placed : placed_) {
    Apply(placed);
  }
}

}  // namespace korvanti
