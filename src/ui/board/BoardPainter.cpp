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

// A segment's wedge from the bull out to a circle round the ring centre. The
// wedges of one ring share their edges exactly; the radial wires cover them.
QPainterPath Wedge(int index, double radius) {
  const double from = index * 18.0 - 9.0;
  const QPointF start = RayMeetsRingCircle(from, radius);
  const QPointF end = RayMeetsRingCircle(from + 18.0, radius);
  const double startAngle = QtAngle(start, kRing);
  double sweep = QtAngle(end, kRing) - startAngle;
  while (sweep > 0) {
    sweep -= 360.0;
  }
  while (sweep <= -360.0) {
    sweep += 360.0;
  }
  QPainterPath path(kBull);
  path.lineTo(start);
  path.arcTo(QRectF(kRing.x() - radius, kRing.y() - radius, 2 * radius, 2 * radius), startAngle,
             sweep);
  path.closeSubpath();
  return path;
}

void Disc(QPainter& painter, QPointF centre, double radius, const QColor& color) {
  painter.setBrush(color);
  painter.drawEllipse(centre, radius, radius);
}

// Each ring of wedges is drawn over a wire disc of its own outer edge, so the
// ring wires are what remains between them.
void PaintSegmentRings(QPainter& painter, const BoardPalette& palette) {
  struct Band {
    Ring ring;
    double outer;
    double wireOuter;
  };
  constexpr std::array<Band, 4> kBands{{{Ring::Double, kDouble, kDoubleOuterWire},
                                        {Ring::LargeSingle, kLargeSingle, kDoubleInnerWire},
                                        {Ring::Treble, kTreble, kTrebleOuterWire},
                                        {Ring::SmallSingle, kSmallSingle, kTrebleInnerWire}}};
  for (const auto& band : kBands) {
    Disc(painter, kRing, band.wireOuter, palette.wire);
    for (int index = 0; index < static_cast<int>(kSegmentOrder.size()); ++index) {
      painter.setBrush(FieldColor(palette, {band.ring, kSegmentOrder[index]}));
      painter.drawPath(Wedge(index, band.outer));
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
  Disc(painter, kRing, kSurroundRadius, palette.rim);
  Disc(painter, kRing, kSurroundRadius - kRimWidth, palette.surround);
  PaintNumbers(painter, palette);
  PaintSegmentRings(painter, palette);
  PaintRadialWires(painter, palette);
  PaintBulls(painter, palette);
  painter.restore();
}

}  // namespace korvanti
