#include "ui/game/ScorePanelsLayout.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>
#include <cmath>

namespace korvanti {
namespace {

int At(int design, double scale) {
  return static_cast<int>(std::lround(design * scale));
}

// Right and bottom edges are scaled as well, so neighbouring boxes stay flush.
QRect Scaled(QRect design, double scale) {
  const int left = At(design.left(), scale);
  const int top = At(design.top(), scale);
  const int right = At(design.left() + design.width(), scale);
  const int bottom = At(design.top() + design.height(), scale);
  return {left, top, std::max(1, right - left), std::max(1, bottom - top)};
}

}  // namespace

QLabel* MakePanelLabel(QWidget* parent, const QString& name, const QFont& font,
                       Qt::Alignment alignment) {
  auto* label = new QLabel(parent);  // the panel owns it
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setFont(font);
  label->setAlignment(alignment);
  return label;
}

void SetLabelColors(QLabel* label, const QColor& text, const QColor& background) {
  auto palette = label->palette();
  palette.setColor(QPalette::WindowText, text);
  if (background.isValid()) {
    palette.setColor(QPalette::Window, background);
    label->setAutoFillBackground(true);
  }
  label->setPalette(palette);
}

void PanelLayout::Place(QWidget* child, QRect design, int fontPixels) {
  placed_.push_back({child, design, fontPixels});
  child->setGeometry(Scaled(design, scale_));
  Fit(placed_.back());
}

void PanelLayout::SetScale(double scale) {
  scale_ = scale > 0 ? scale : 1.0;
  for (const auto& placed : placed_) {
    placed.child->setGeometry(Scaled(placed.design, scale_));
  }
  FitTexts();
}

void PanelLayout::FitTexts() const {
  for (const auto& placed : placed_) {
    Fit(placed);
  }
}

void PanelLayout::Fit(const Placed& placed) const {
  if (placed.fontPixels <= 0) {
    return;
  }
  const int pixels = std::max(1, At(placed.fontPixels, scale_));
  if (auto* label = qobject_cast<QLabel*>(placed.child)) {
    FitLabelFont(*label, pixels);
  } else if (placed.child->font().pixelSize() != pixels) {
    auto font = placed.child->font();
    font.setPixelSize(pixels);
    placed.child->setFont(font);
  }
}

void FitLabelFont(QLabel& label, int pixels) {
  auto font = label.font();
  const int room = label.contentsRect().width() - 2;
  const QString text = label.text();
  while (pixels > 4) {
    font.setPixelSize(pixels);
    if (QFontMetrics(font).horizontalAdvance(text) <= room) {
      break;
    }
    --pixels;
  }
  if (label.font().pixelSize() != pixels) {
    font.setPixelSize(pixels);
    label.setFont(font);
  }
}

}  // namespace korvanti
