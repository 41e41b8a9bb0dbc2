#include "ui/stats/ThrowView.h"

#include <QPainterPath>
#include <QThread>

#include "engine/HitMap.h"

namespace korvanti {
namespace {

// Lines in hit-map pixels: a dark edge under a light line reads on every
// colour of the board and the heat map.
constexpr double kLine = 2.2;
constexpr double kEdge = 4.4;
constexpr double kBestRadius = 10;

void Stroke(QPainter& painter, const QPainterPath& path, const QColor& colour,
            Qt::PenStyle style = Qt::SolidLine) {
  painter.strokePath(path, QPen(QColor(0, 0, 0, 200), kEdge, Qt::SolidLine, Qt::RoundCap));
  QPen line(colour, kLine, Qt::SolidLine, Qt::FlatCap);
  if (style == Qt::DashLine) {
    line.setDashPattern({3.0, 2.0});  // in line widths
  }
  painter.strokePath(path, line);
}

QPainterPath EllipsePath(const ScatterOutline& outline, const ScatterEllipse& ellipse) {
  QPainterPath path;
  path.addEllipse(QPointF(0, 0), ellipse.major, ellipse.minor);
  QTransform place;
  place.translate(outline.centreX, outline.centreY);
  place.rotate(ellipse.angleDegrees);  // clockwise on screen, like the ellipse's angle
  return place.map(path);
}

QPainterPath Cross(QPointF centre, double reach) {
  QPainterPath path;
  path.moveTo(centre + QPointF(-reach, 0));
  path.lineTo(centre + QPointF(reach, 0));
  path.moveTo(centre + QPointF(0, -reach));
  path.lineTo(centre + QPointF(0, reach));
  return path;
}

}  // namespace

ThrowView MakeThrowView(ThrowPicture picture) {
  ThrowView view;
  if (picture.heat.size() ==
      static_cast<std::size_t>(HitMap::Width()) * static_cast<std::size_t>(HitMap::Height())) {
    // The colours are 0xAARRGGBB words, which is what ARGB32 holds per pixel.
    const QImage wrapped(reinterpret_cast<const uchar*>(picture.heat.data()), HitMap::Width(),
                         HitMap::Height(), HitMap::Width() * 4, QImage::Format_ARGB32);
    view.heat = wrapped.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  }
  picture.heat.clear();
  picture.heat.shrink_to_fit();
  view.picture = std::move(picture);
  view.builtOn = QThread::currentThreadId();
  return view;
}

void PaintHeatMap(QPainter& painter, const ThrowView& view) {
  if (!view.heat.isNull()) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Pixel centres lie on whole numbers.
    painter.drawImage(QRectF(-0.5, -0.5, view.heat.width(), view.heat.height()), view.heat);
  }
}

void PaintOutline(QPainter& painter, const ThrowView& view) {
  const auto& picture = view.picture;
  if (const auto& outline = picture.outline) {
    Stroke(painter, EllipsePath(*outline, outline->twoSigma), QColor(255, 255, 255), Qt::DashLine);
    Stroke(painter, EllipsePath(*outline, outline->oneSigma), QColor(255, 255, 255));
    Stroke(painter, Cross(QPointF(outline->centreX, outline->centreY), 3), QColor(255, 255, 255));
  }
  if (const auto& best = picture.best) {
    const QPointF centre(best->x, best->y);
    QPainterPath ring;
    ring.addEllipse(centre, kBestRadius, kBestRadius);
    const QColor cyan(0, 235, 255);
    Stroke(painter, ring, cyan);
    Stroke(painter, Cross(centre, kBestRadius + 4), cyan);
  }
}

}  // namespace korvanti
