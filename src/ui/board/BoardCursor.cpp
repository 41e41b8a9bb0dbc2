#include "ui/board/BoardCursor.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <optional>

namespace korvanti {
namespace {

constexpr int kCursorSize = 32;
constexpr int kCrossCentre = 15;

// A cursor file keeps the hot spot in its first directory entry (bytes 10 to
// 13, little-endian); Qt's image reader reads the picture but not the spot.
std::optional<QPoint> CursorHotSpot(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    return std::nullopt;
  }
  const QByteArray head = file.read(14);
  const auto byte = [&](int i) { return static_cast<unsigned char>(head[i]); };
  constexpr int kCursorType = 2;
  if (head.size() < 14 || byte(0) != 0 || byte(1) != 0 || byte(2) != kCursorType || byte(3) != 0) {
    return std::nullopt;
  }
  return QPoint(byte(10) | byte(11) << 8, byte(12) | byte(13) << 8);
}

}  // namespace

QCursor LoadBoardCursor(const std::filesystem::path& programFolder) {
  const QString name = QFile::decodeName((programFolder / "crosscursor.cur").c_str());
  const auto hotSpot = CursorHotSpot(name);
  if (!hotSpot) {
    return DrawnCrossCursor();
  }
  QImageReader reader(name, "cur");
  const QImage image = reader.read();
  if (image.isNull()) {
    return DrawnCrossCursor();
  }
  const QPoint spot(std::min(hotSpot->x(), image.width() - 1),
                    std::min(hotSpot->y(), image.height() - 1));
  return QCursor(QPixmap::fromImage(image), spot.x(), spot.y());
}

QCursor DrawnCrossCursor() {
  QPixmap pixmap(kCursorSize, kCursorSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  // A white halo keeps the black cross visible on the dark fields.
  const auto cross = [&](const QColor& color, int width) {
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(1, kCrossCentre + 0.5), QPointF(kCrossCentre - 2, kCrossCentre + 0.5));
    painter.drawLine(QPointF(kCrossCentre + 3, kCrossCentre + 0.5),
                     QPointF(kCursorSize - 2, kCrossCentre + 0.5));
    painter.drawLine(QPointF(kCrossCentre + 0.5, 1), QPointF(kCrossCentre + 0.5, kCrossCentre - 2));
    painter.drawLine(QPointF(kCrossCentre + 0.5, kCrossCentre + 3),
                     QPointF(kCrossCentre + 0.5, kCursorSize - 2));
  };
  cross(Qt::white, 3);
  cross(Qt::black, 1);
  painter.setPen(Qt::black);
  painter.drawPoint(kCrossCentre, kCrossCentre);
  painter.end();
  return QCursor(pixmap, kCrossCentre, kCrossCentre);
}

}  // namespace korvanti
