#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "SampleScoreboards.h"
#include "ui/game/CricketTiles.h"
#include "ui/game/ScorePanels.h"

namespace korvanti {
namespace {

const char* const kRowNames[] = {"15", "16", "17", "18", "19", "20", "B"};

class CricketPanelTest : public ::testing::Test {
 protected:
  QImage Shot() { return panel.grab().toImage(); }
  QWidget* Child(const QString& name) {
    auto* child = panel.findChild<QWidget*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
  }

  CricketPanelView panel;
};

TEST_F(CricketPanelTest, RowsFromFifteenToTheBullAtTheirTops) {
  const int tops[] = {0, 72, 144, 217, 289, 361, 434};
  EXPECT_EQ(panel.objectName(), "pnlGameCricket");
  for (std::size_t row = 0; row < 7; ++row) {
    const QString name = kRowNames[row];
    EXPECT_EQ(Child("tile" + name)->y(), tops[row]) << kRowNames[row];
    EXPECT_EQ(Child("img" + name)->y(), tops[row]) << kRowNames[row];
    EXPECT_LT(Child("tile" + name)->geometry().right(), Child("img" + name)->x());
    EXPECT_LE(Child("img" + name)->geometry().right(), panel.width());
  }
  EXPECT_LE(Child("imgB")->geometry().bottom(), panel.height());
}

// Each state by the colours a player sees: the tile's face and its frame.
TEST_F(CricketPanelTest, TilesDrawnInTheirFourStates) {
  struct Case {
    int row;
    CricketTile tile;
    QColor face;
    QColor frame;
  };
  const QColor green = PanelColor(Paint::Green);
  const QColor red = PanelColor(Paint::Red);
  const Case cases[] = {{0, CricketTile::Black, Qt::black, Qt::black},
                        {1, CricketTile::Green, green, green},
                        {2, CricketTile::RedGreenFrame, red, green},
                        {3, CricketTile::RedBlackFrame, red, Qt::black}};
  panel.Show(CricketBoard());
  const auto shot = Shot();
  for (const auto& c : cases) {
    EXPECT_EQ(panel.TileAt(c.row), c.tile);
    const QRect tile = Child(QString("tile") + kRowNames[c.row])->geometry();
    const QPoint frame(tile.left() + 2, tile.center().y());
    const QPoint face(tile.left() + 12, tile.center().y());
    EXPECT_EQ(shot.pixelColor(frame), c.frame) << "row " << c.row;
    EXPECT_EQ(shot.pixelColor(face), c.face) << "row " << c.row;
    // The number is written on the face in white.
    EXPECT_GT(CountColor(shot, tile, Qt::white, 30), 50) << "row " << c.row;
  }
}

TEST_F(CricketPanelTest, StateFollowsEveryRefresh) {
  auto board = CricketBoard();
  panel.Show(board);
  board.cricket.rows[6].tile = CricketTile::RedBlackFrame;
  board.cricket.rows[6].marks = 2;
  panel.Show(board);
  EXPECT_EQ(panel.TileAt(6), CricketTile::RedBlackFrame);
  EXPECT_EQ(panel.MarksAt(6), 2);
}

// Nothing, one stroke, a cross, a circled cross: each picture holds more ink
// than the one before, and the circle reaches out to the picture's edge.
TEST_F(CricketPanelTest, MarksPicturesFromNoneToACircledCross) {
  auto board = CricketBoard();
  const int marks[] = {0, 1, 2, 3, 3, 0, 1};
  for (std::size_t row = 0; row < 7; ++row) {
    board.cricket.rows[row].marks = marks[row];
  }
  panel.Show(board);
  const auto shot = Shot();
  std::array<int, 4> ink{};
  std::array<int, 4> rim{};
  for (int row = 0; row < 4; ++row) {
    EXPECT_EQ(panel.MarksAt(row), marks[row]);
    const QRect picture = Child(QString("img") + kRowNames[row])->geometry();
    ink[static_cast<std::size_t>(row)] = CountDark(shot, picture);
    const QRect edge(picture.left(), picture.center().y() - 2, picture.width() / 6, 5);
    rim[static_cast<std::size_t>(row)] = CountDark(shot, edge);
  }
  EXPECT_EQ(ink[0], 0);
  EXPECT_LT(ink[0], ink[1]);
  EXPECT_LT(ink[1], ink[2]);
  EXPECT_LT(ink[2], ink[3]);
  EXPECT_EQ(rim[2], 0);
  EXPECT_GT(rim[3], 0);
}

// Tiles and marks are vector drawings: at twice the size the frame is twice as thick.
TEST(CricketTileTest, DrawnSharpAtAnySize) {
  for (const int scale : {1, 2}) {
    QImage image(96 * scale, 70 * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintCricketTile(painter, QRectF(image.rect()), CricketTile::RedBlackFrame, "20");
    painter.end();
    const int row = image.height() / 2;
    int frame = 0;
    while (frame < image.width() && CountDark(image, QRect(frame, row, 1, 1)) == 1) {
      ++frame;
    }
    EXPECT_NEAR(frame, 6 * scale, scale) << "scale " << scale;
  }
}

}  // namespace
}  // namespace korvanti
