#include "ui/stats/HeatLegend.h"

#include <QLinearGradient>
#include <QPainter>

#include "report/ThrowPicture.h"

namespace korvanti {
namespace {

constexpr int kBarHeight = 9;
constexpr int kSteps = 16;

}  // namespace

HeatLegend::HeatLegend(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void HeatLegend::SetRange(const QString& lowest, const QString& highest) {
  lowest_ = lowest;
  highest_ = highest;
  setToolTip(QStringLiteral("Erwartete Punkte je Dart: %1 bis %2").arg(lowest, highest));
  update();
}

QSize HeatLegend::sizeHint() const {
  return {fontMetrics().horizontalAdvance(QStringLiteral("00,0   00,0 Punkte je Dart")),
          kBarHeight + 2 + fontMetrics().height()};
}

void HeatLegend::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QRectF bar(0.5, 0.5, width() - 1.0, kBarHeight);
  QLinearGradient gradient(bar.topLeft(), bar.topRight());
  for (int step = 0; step <= kSteps; ++step) {
    const double share = static_cast<double>(step) / kSteps;
    gradient.setColorAt(share, QColor::fromRgba(HeatColour(share)));
  }
  painter.fillRect(bar, QColor(205, 200, 185));  // about the board's light fields
  painter.fillRect(bar, gradient);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawRect(bar);
  const QRect text(0, kBarHeight + 2, width(), fontMetrics().height());
  painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, lowest_);
  painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("%1 Punkte je Dart").arg(highest_));
}

}  // namespace korvanti
