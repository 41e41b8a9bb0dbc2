#include "ui/game/CricketTiles.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "ui/common/KorvantiLook.h"
#include "ui/game/ScorePanelsLayout.h"

namespace korvanti {
namespace {

constexpr int kBull = 25;

struct TileLook {
  QColor fill;
  QColor frame;
};

TileLook LookOf(CricketTile tile) {
  const QColor green = PanelColor(Paint::Green);
  const QColor red = PanelColor(Paint::Red);
  switch (tile) {
    case CricketTile::Green:
      return {green, green};
    case CricketTile::RedGreenFrame:
      return {red, green};
    case CricketTile::RedBlackFrame:
      return {red, Qt::black};
    case CricketTile::Black:
      break;
  }
  return {Qt::black, Qt::black};
}

// The largest figures face size at which the text fits the box.
QFont FittingFont(const QString& text, const QRectF& box) {
  auto font = FiguresFont(std::max(1, static_cast<int>(box.height() * 0.62)), true);
  while (font.pixelSize() > 4 && QFontMetricsF(font).horizontalAdvance(text) > box.width() * 0.9) {
    font.setPixelSize(font.pixelSize() - 1);
  }
  return font;
}

QRectF CentredSquare(const QRectF& area, double share) {
  const double side = std::min(area.width(), area.height()) * share;
  QRectF square(0, 0, side, side);
  square.moveCenter(area.center());
  return square;
}

}  // namespace

QString CricketNumberText(int number) {
  return number == kBull ? QStringLiteral("Bull") : QString::number(number);
}

void PaintCricketTile(QPainter& painter, const QRectF& area, CricketTile tile,
                      const QString& number) {
  const auto look = LookOf(tile);
  const double side = std::min(area.width(), area.height());
  const double radius = side * 0.1;
  const double frame = side * 0.09;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(look.frame);
  painter.drawRoundedRect(area, radius, radius);
  const QRectF inner = area.adjusted(frame, frame, -frame, -frame);
  painter.setBrush(look.fill);
  painter.drawRoundedRect(inner, radius * 0.6, radius * 0.6);
  painter.setPen(Qt::white);
  painter.setFont(FittingFont(number, inner));
  painter.drawText(inner, Qt::AlignCenter, number);
  painter.restore();
}

void PaintMarks(QPainter& painter, const QRectF& area, int marks, const QColor& ink) {
  if (marks <= 0) {
    return;
  }
  const QRectF circle = CentredSquare(area, 0.86);
  const QRectF cross = CentredSquare(area, 0.5);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  QPen pen(ink, std::max(1.0, circle.width() * 0.09), Qt::SolidLine, Qt::RoundCap);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawLine(cross.bottomLeft(), cross.topRight());
  if (marks >= 2) {
    painter.drawLine(cross.topLeft(), cross.bottomRight());
  }
  if (marks >= 3) {
    painter.drawEllipse(circle);
  }
  painter.restore();
}

CricketTileWidget::CricketTileWidget(QWidget* parent) : QWidget(parent) {}

void CricketTileWidget::Show(int number, CricketTile tile) {
  if (number != number_ || tile != tile_) {
    number_ = number;
    tile_ = tile;
    update();
  }
}

void CricketTileWidget::paintEvent(QPaintEvent*) {
  if (number_ == 0) {
    return;
  }
  QPainter painter(this);
  PaintCricketTile(painter, QRectF(rect()), tile_, CricketNumberText(number_));
}

MarksWidget::MarksWidget(QWidget* parent) : QWidget(parent) {}

void MarksWidget::Show(int marks) {
  if (marks != marks_) {
    marks_ = marks;
    update();
  }
}

void MarksWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintMarks(painter, QRectF(rect()), marks_, palette().color(QPalette::WindowText));
}

}  // namespace korvanti
