#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QPixmap>
#include <fstream>

#include "ShotChecks.h"
#include "TempFolder.h"
#include "engine/AimPoints.h"
#include "engine/HitMap.h"
#include "ui/board/BoardCanvas.h"
#include "ui/board/BoardCursor.h"
#include "ui/board/BoardPalette.h"
#include "ui/board/BoardPicture.h"
#include "ui/board/BoardWidget.h"

namespace korvanti {
namespace {

QString Name(const std::filesystem::path& path) {
  return QFile::decodeName(path.c_str());
}

// The canvas at the board's own size, as the widget shows it at 100 %.
QImage Render(const BoardPicture& picture) {
  QImage image(board::kWidth, board::kHeight, QImage::Format_RGB32);
  BoardCanvas canvas;
  canvas.SetPicture(picture);
  QPainter painter(&image);
  canvas.Paint(painter, QRectF(0, 0, board::kWidth, board::kHeight));
  return image;
}

TEST(BoardStyleSetting, OnlyOneAndTwoChooseAnotherStyle) {
  const std::vector<std::pair<int, BoardStyle>> cases{
      {0, BoardStyle::Classic}, {1, BoardStyle::Tournament}, {2, BoardStyle::Contrast},
      {3, BoardStyle::Classic}, {-1, BoardStyle::Classic},   {100, BoardStyle::Classic}};
  for (const auto& [setting, style] : cases) {
    EXPECT_EQ(BoardStyleFromSetting(setting), style) << setting;
  }
  EXPECT_STREQ(BoardBitmapFileName(BoardStyle::Classic), "bulladv.bmp");
  EXPECT_STREQ(BoardBitmapFileName(BoardStyle::Tournament), "unicorn.bmp");
  EXPECT_STREQ(BoardBitmapFileName(BoardStyle::Contrast), "winmau.bmp");
}

TEST(BoardStyleSetting, TheThreeStylesLookDifferent) {
  const QImage classic = Render(BoardPicture::Drawn(BoardStyle::Classic));
  const QImage tournament = Render(BoardPicture::Drawn(BoardStyle::Tournament));
  const QImage contrast = Render(BoardPicture::Drawn(BoardStyle::Contrast));
  EXPECT_NE(classic, tournament);
  EXPECT_NE(classic, contrast);
  EXPECT_NE(tournament, contrast);
}

class BoardBitmapFile : public ::testing::Test {
 protected:
  void WriteBitmap(const std::string& name, QSize size, QColor color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    ASSERT_TRUE(image.save(Name(folder / name), "BMP"));
  }
  TempFolder folder;
};

TEST_F(BoardBitmapFile, TheStylesBitmapOfTheRightSizeIsShownInstead) {
  WriteBitmap("unicorn.bmp", {659, 650}, QColor(10, 200, 30));
  const BoardPicture picture = BoardPicture::ForSetting(1, folder.Path());
  EXPECT_EQ(picture.GetKind(), BoardPicture::Kind::Bitmap);
  EXPECT_EQ(picture.Style(), BoardStyle::Tournament);
  EXPECT_EQ(Render(picture).pixelColor(332, 172), QColor(10, 200, 30));
  // Another style's file does not stand in for it.
  EXPECT_EQ(BoardPicture::ForSetting(0, folder.Path()).GetKind(), BoardPicture::Kind::Drawn);
}

TEST_F(BoardBitmapFile, AnOddSizedOrBrokenFileLeavesTheDrawnBoard) {
  WriteBitmap("bulladv.bmp", {640, 480}, Qt::red);
  std::ofstream(folder / "winmau.bmp") << "not a picture";
  for (const int setting : {0, 2, 7}) {
    const BoardPicture picture = BoardPicture::ForSetting(setting, folder.Path());
    EXPECT_EQ(picture.GetKind(), BoardPicture::Kind::Drawn) << setting;
    EXPECT_EQ(picture.Style(), BoardStyleFromSetting(setting));
  }
  EXPECT_EQ(BoardPicture::ForSetting(1, folder / "missing").GetKind(), BoardPicture::Kind::Drawn);
}

TEST(BoardPictureBlank, IsAPlainSurfaceOfTheBoardsSize) {
  const QImage image = Render(BoardPicture::Blank());
  const QColor surface = image.pixelColor(0, 0);
  for (const auto& entry : AimPointTable()) {
    ASSERT_EQ(image.pixelColor(entry.point.x, entry.point.y), surface) << entry.code;
  }
}

// A cursor file as the desktop's tools write it: an icon file marked as a
// cursor, its hot spot where an icon keeps planes and bit count.
QByteArray CursorFile(QPoint hotSpot) {
  QImage image(32, 32, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  image.setPixelColor(hotSpot, Qt::black);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "ico");
  EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
  bytes[2] = 2;
  bytes[10] = static_cast<char>(hotSpot.x());
  bytes[11] = 0;
  bytes[12] = static_cast<char>(hotSpot.y());
  bytes[13] = 0;
  return bytes;
}

TEST(BoardCursorFile, IsUsedWithItsHotSpotWhenReadable) {
  TempFolder folder;
  QFile file(Name(folder / "crosscursor.cur"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(CursorFile({5, 9}));
  file.close();
  const QCursor cursor = LoadBoardCursor(folder.Path());
  EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
  EXPECT_EQ(cursor.hotSpot(), QPoint(5, 9));
  EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
}

TEST(BoardCursorFile, AMissingOrBrokenFileGivesTheDrawnCrossHair) {
  TempFolder folder;
  const QCursor drawn = DrawnCrossCursor();
  EXPECT_EQ(drawn.shape(), Qt::BitmapCursor);
  EXPECT_EQ(drawn.hotSpot(), QPoint(15, 15));
  EXPECT_EQ(LoadBoardCursor(folder.Path()).hotSpot(), drawn.hotSpot());
  std::ofstream(folder / "crosscursor.cur") << std::string("\0\0\2\0garbage", 11);
  const QCursor broken = LoadBoardCursor(folder.Path());
  EXPECT_EQ(broken.hotSpot(), drawn.hotSpot());
  EXPECT_EQ(broken.pixmap().toImage(), drawn.pixmap().toImage());
}

// One picture per style for a look (build folder), marks and dots included.
TEST(BoardScreenshots, EachStyleIsWrittenToTheBuildFolder) {
  const HitMap hitMap;
  BoardWidget widget(hitMap);
  widget.resize(659, 650);
  widget.AddDartMark({332, 172});
  widget.AddDartMark({345, 180});
  widget.SetDots({{{400, 98}, QColor(255, 158, 89), 3}, {{405, 102}, Qt::yellow, 3}});
  // The aim points of the trebles lie inside their rings, clear of the marks.
  const auto t3 = *AimPointFor("T3");
  const auto t17 = *AimPointFor("T17");
  ASSERT_EQ(hitMap.FieldAt(t3.x, t3.y), "T3");
  for (const int setting : {0, 1, 2}) {
    const auto style = BoardStyleFromSetting(setting);
    widget.SetPicture(BoardPicture::Drawn(style));
    const QString file = QStringLiteral(KORVANTI_BOARD_SHOTS "/board-style%1.png").arg(setting);
    const auto shot = widget.grab().toImage();
    EXPECT_TRUE(shot.save(file)) << file.toStdString();
    const auto& palette = PaletteFor(style);
    const auto at = [&](BoardPoint point) {
      return shot.pixelColor(widget.WidgetPosition({point.x, point.y}));
    };
    EXPECT_TRUE(testing::NearColour(at(t3), palette.darkRing)) << setting;
    EXPECT_TRUE(testing::NearColour(at(t17), palette.lightRing)) << setting;
  }
  // And the classic board as a screen at 200 % shows it.
  QImage sharp(2 * board::kWidth, 2 * board::kHeight, QImage::Format_RGB32);
  sharp.setDevicePixelRatio(2);
  BoardCanvas canvas;
  canvas.SetPicture(BoardPicture::Drawn(BoardStyle::Classic));
  QPainter painter(&sharp);
  canvas.Paint(painter, QRectF(0, 0, board::kWidth, board::kHeight));
  painter.end();
  EXPECT_TRUE(sharp.save(QStringLiteral(KORVANTI_BOARD_SHOTS "/board-style0@2x.png")));
}

}  // namespace
}  // namespace korvanti
