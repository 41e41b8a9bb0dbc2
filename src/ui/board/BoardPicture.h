#pragma once

#include <QImage>
#include <QPainter>
#include <filesystem>
#include <optional>

#include "ui/board/BoardPalette.h"

namespace korvanti {

// What the board shows under the marks: nothing, the board drawn in one of the
// styles, or a 659 x 650 bitmap from the program folder.
class BoardPicture {
 public:
  enum class Kind { Blank, Drawn, Bitmap };

  // A plain surface of the board's size; clicks and dots still work on it.
  static BoardPicture Blank();
  static BoardPicture Drawn(BoardStyle style);
  // Only a bitmap of exactly the hit map's size lies right over it.
  static std::optional<BoardPicture> FromBitmap(QImage bitmap);

  // The picture for an options.ini "Board" setting: the style's bitmap when
  // the program folder holds a readable one of the right size, else the
  // style drawn by the program.
  static BoardPicture ForSetting(int boardSetting, const std::filesystem::path& programFolder);

  Kind GetKind() const { return kind_; }
  BoardStyle Style() const { return style_; }

  // Paints into (0, 0, 659, 650) of the painter's coordinates.
  void Paint(QPainter& painter) const;

 private:
  BoardPicture(Kind kind, BoardStyle style, QImage bitmap);

  Kind kind_;
  BoardStyle style_;
  QImage bitmap_;
};

}  // namespace korvanti
