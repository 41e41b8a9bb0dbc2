#include "ui/game/BusyBar.h"

#include <QPainter>

namespace korvanti {

BusyBar::BusyBar(QWidget* parent) : QWidget(parent), motion_(0) {
  setObjectName(QStringLiteral("pnlBusy"));
  timer_.setInterval(kFrameMilliseconds);
  connect(&timer_, &QTimer::timeout, this, [this] { Frame(); });
}

void BusyBar::Start() {
  if (!timer_.isActive()) {
    timer_.start();
  }
}

void BusyBar::Stop() {
  timer_.stop();
}

void BusyBar::Frame() {
  motion_.Advance();
  update();
}

void BusyBar::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  motion_ = BusyBarMotion(width() - 2 * kBevel);
}

void BusyBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect inside = rect().adjusted(kBevel, kBevel, -kBevel, -kBevel);
  painter.fillRect(rect(), palette().color(QPalette::Window));
  // A sunken edge: dark above and left, light below and right.
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawLine(0, 0, width() - 1, 0);
  painter.drawLine(0, 0, 0, height() - 1);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawLine(0, height() - 1, width() - 1, height() - 1);
  painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
  if (motion_.end() > motion_.start()) {
    painter.fillRect(inside.left() + motion_.start(), inside.top(), motion_.end() - motion_.start(),
                     inside.height(), palette().color(QPalette::Highlight));
  }
}

}  // namespace korvanti
