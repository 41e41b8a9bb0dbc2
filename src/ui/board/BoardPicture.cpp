#include "ui/board/BoardPicture.h"

#include <QFile>
#include <QImageReader>

#include "ui/board/BoardPainter.h"

namespace korvanti {

BoardPicture::BoardPicture(Kind kind, BoardStyle style, QImage bitmap)
    : kind_(kind), style_(style), bitmap_(std::move(bitmap)) {}

BoardPicture BoardPicture::Blank() {
  return {Kind::Blank, BoardStyle::Classic, {}};
}

BoardPicture BoardPicture::Drawn(BoardStyle style) {
  return {Kind::Drawn, style, {}};
}

std::optional<BoardPicture> BoardPicture::FromBitmap(QImage bitmap) {
  if (bitmap.width() != board::kWidth || bitmap.height() != board::kHeight) {
    return std::nullopt;
  }
  return BoardPicture(Kind::Bitmap, BoardStyle::Classic, std::move(bitmap));
}

BoardPicture BoardPicture::ForSetting(int boardSetting,
                                      const std::filesystem::path& programFolder) {
  const BoardStyle style = BoardStyleFromSetting(boardSetting);
  const auto file = programFolder / BoardBitmapFileName(style);
  const QString name = QFile::decodeName(file.c_str());
  if (QFile::exists(name)) {
    QImageReader reader(name);
    // A broken or odd-sized file is passed over silently: the drawn board serves.
    if (auto picture = FromBitmap(reader.read())) {
      picture->style_ = style;
      return *std::move(picture);
    }
  }
  return Drawn(style);
}

void BoardPicture::Paint(QPainter& painter) const {
  const QRectF area(0, 0, board::kWidth, board::kHeight);
  switch (kind_) {
    case Kind::Blank:
      painter.fillRect(area, PaletteFor(BoardStyle::Classic).background);
      break;
    case Kind::Drawn:
      PaintDrawnBoard(painter, PaletteFor(style_));
      break;
    case Kind::Bitmap:
      painter.save();
      painter.setRenderHint(QPainter::SmoothPixmapTransform);
      painter.drawImage(area, bitmap_);
      painter.restore();
      break;
  }
}

}  // namespace korvanti
