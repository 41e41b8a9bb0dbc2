#include "ui/board/BoardPainter.h"

#include <QFont>
#include <QPainterPath>
#include <array>
#include <cmath>
#include <numbers>

namespace korvanti {
namespace {

using namespace board;

const QPointF kBull(kBullX, kBullY);
const QPointF kRing(kRingX, kRingY);

// The number ring ends well inside the picture on every side.
constexpr double kSurroundRadius = 306;
constexpr double kRimWidth = 3;
constexpr double kNumberRadius = 273;
constexpr double kNumberPixelSize = 36;
// Radial wires end inside the outer ring wire, so their flat ends never show.
constexpr double kRadialWireEnd = (kDouble + kDoubleOuterWire) / 2;

constexpr double kDegrees = std::numbers::pi / 180.0;

// Compass direction: clockwise from straight up, y pointing down.
QPointF Direction(double compassDegrees) {
  return {std::sin(compassDegrees * kDegrees), -std::cos(compassDegrees * kDegrees)};
}

// Where the ray from the bull in a compass direction meets a circle round the
// ring centre (the bull lies inside every such circle).
QPointF RayMeetsRingCircle(double compassDegrees, double radius) {
  const QPointF d = Direction(compassDegrees);
  const QPointF e = kBull - kRing;
  const double along = e.x() * d.x() + e.y() * d.y();
  const double t = -along + std::sqrt(along * along - QPointF::dotProduct(e, e) + radius * radius);
  return kBull + t * d;
}

// Qt's angle of a point seen from a centre: counter-clockwise from 3 o'clock.
double QtAngle(QPointF point, QPointF centre) {
  return std::atan2(centre.y() - point.y(), point.x() - centre.x()) / kDegrees;
}

// A segment's part of a ring round the ring centre, bounded by the two rays
// from the bull that the radial wires cover.
QPainterPath Wedge(int index, double inner, double outer) {
  const double from = index * 18.0 - 9.0;
  const auto circle = [](double radius) {
    return QRectF(kRing.x() - radius, kRing.y() - radius, 2 * radius, 2 * radius);
  };
  const auto sweep = [](QPointF start, QPointF end) {
    const double angle = QtAngle(end, kRing) - QtAngle(start, kRing);
    return std::remainder(angle, 360.0);
  };
  const QPointF innerStart = RayMeetsRingCircle(from, inner);
  const QPointF outerStart = RayMeetsRingCircle(from, outer);
  const QPointF outerEnd = RayMeetsRingCircle(from + 18.0, outer);
  const QPointF innerEnd = RayMeetsRingCircle(from + 18.0, inner);
  QPainterPath path(innerStart);
  path.lineTo(outerStart);
  path.arcTo(circle(outer), QtAngle(outerStart, kRing), sweep(outerStart, outerEnd));
  path.lineTo(innerEnd);
  path.arcTo(circle(inner), QtAngle(innerEnd, kRing), sweep(innerEnd, innerStart));
  path.closeSubpath();
  return path;
}

void Disc(QPainter& painter, QPointF centre, double radius, const QColor& color) {
  painter.setBrush(color);
  painter.drawEllipse(centre, radius, radius);
}

void Annulus(QPainter& painter, double inner, double outer, const QColor& color) {
  QPainterPath path;  // odd-even fill: the inner circle is a hole
  path.addEllipse(kRing, outer, outer);
  path.addEllipse(kRing, inner, inner);
  painter.setBrush(color);
  painter.drawPath(path);
}

// From the outside in, each ring's wire is laid first and its wedges over it,
// reaching into the next wire inwards, which is laid over them in turn: every
// edge is painted over what lies beneath, so no seams show between fields.
void PaintSegmentRings(QPainter& painter, const BoardPalette& palette) {
  struct Band {
    Ring ring;
    double inner;  // inside the next wire inwards (for the small singles: under the bull)
    double outer;
    double wireOuter;
  };
  constexpr std::array<Band, 4> kBands{
      {{Ring::Double, (kLargeSingle + kDoubleInnerWire) / 2, kDouble, kDoubleOuterWire},
       {Ring::LargeSingle, (kTreble + kTrebleOuterWire) / 2, kLargeSingle, kDoubleInnerWire},
       {Ring::Treble, (kSmallSingle + kTrebleInnerWire) / 2, kTreble, kTrebleOuterWire},
       {Ring::SmallSingle, kOuterBull - 4, kSmallSingle, kTrebleInnerWire}}};
  for (const auto& band : kBands) {
    Annulus(painter, band.outer - 1, band.wireOuter, palette.wire);
    for (int index = 0; index < static_cast<int>(kSegmentOrder.size()); ++index) {
      painter.setBrush(FieldColor(palette, {band.ring, kSegmentOrder[index]}));
      painter.drawPath(Wedge(index, band.inner, band.outer));
    }
  }
}

void PaintRadialWires(QPainter& painter, const BoardPalette& palette) {
  QPen pen(palette.wire, 2 * kRadialWireHalfWidth, Qt::SolidLine, Qt::FlatCap);
  painter.setPen(pen);
  for (int index = 0; index < static_cast<int>(kSegmentOrder.size()); ++index) {
    painter.drawLine(kBull, RayMeetsRingCircle(index * 18.0 - 9.0, kRadialWireEnd));
  }
  painter.setPen(Qt::NoPen);
}

void PaintBulls(QPainter& painter, const BoardPalette& palette) {
  Disc(painter, kBull, kOuterBullWire, palette.wire);
  Disc(painter, kBull, kOuterBull, palette.outerBull);
  Disc(painter, kBull, kBullsEyeWire, palette.wire);
  Disc(painter, kBull, kBullsEye, palette.bullsEye);
}

// Upright figures drawn as outlines, so they scale like the rest of the board.
void PaintNumbers(QPainter& painter, const BoardPalette& palette) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(static_cast<int>(kNumberPixelSize));
  font.setBold(true);
  painter.setBrush(palette.numbers);
  for (int index = 0; index < static_cast<int>(kSegmentOrder.size()); ++index) {
    QPainterPath figure;
    figure.addText(0, 0, font, QString::number(kSegmentOrder[index]));
    const QPointF centre = kRing + kNumberRadius * Direction(index * 18.0);
    painter.drawPath(figure.translated(centre - figure.boundingRect().center()));
  }
}

}  // namespace

void PaintDrawnBoard(QPainter& painter, const BoardPalette& palette) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.fillRect(QRectF(0, 0, board::kWidth, board::kHeight), palette.background);
  painter.translate(0.5, 0.5);
  painter.setPen(QPen(palette.rim, kRimWidth));
  Disc(painter, kRing, kSurroundRadius - kRimWidth / 2, palette.surround);
  painter.setPen(Qt::NoPen);
  PaintNumbers(painter, palette);
  PaintSegmentRings(painter, palette);
  PaintRadialWires(painter, palette);
  PaintBulls(painter, palette);
  painter.restore();
}

}  // namespace korvanti
