#include <gtest/gtest.h>

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <string>
#include <vector>

#include "engine/AimPoints.h"
#include "engine/HitMap.h"
#include "platform/Notice.h"
#include "ui/board/BoardWidget.h"

namespace korvanti {
namespace {

const HitMap& SharedHitMap() {
  static const HitMap hitMap;
  return hitMap;
}

QPoint AimPoint(const char* code) {
  const auto point = AimPointFor(code);
  EXPECT_TRUE(point.has_value()) << code;
  return point ? QPoint(point->x, point->y) : QPoint();
}

// A window with the board and a panel beside it, as the game screen has.
class BoardWindow : public testing::Test {
 protected:
  BoardWindow() : board(new BoardWidget(SharedHitMap())), panel(new QWidget) {
    auto* layout = new QHBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(board, 1);
    layout->addWidget(panel);
    panel->setFixedWidth(200);
    board->SetPicture(BoardPicture::Drawn(BoardStyle::Classic));
  }

  void ShowBoardAt(QSize boardSize) {
    window.resize(boardSize.width() + 200, boardSize.height());
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_EQ(board->size(), boardSize);
  }

  QImage Shot() const { return board->grab().toImage(); }

  QWidget window;
  BoardWidget* board;  // owned by the window
  QWidget* panel;      // owned by the window
};

struct SizeCase {
  QSize boardSize;
  int tolerance;  // hit-map pixels a whole widget pixel spans
};

class BoardClicks : public BoardWindow, public testing::WithParamInterface<SizeCase> {};

TEST_P(BoardClicks, AimPointsDecodeToTheirFieldsWithEitherButton) {
  ShowBoardAt(GetParam().boardSize);
  QSignalSpy spy(board, &BoardWidget::pressed);
  const std::vector<std::string> codes{"T20",  "D20", "SS20", "LS7", "T19", "D16",
                                       "SS11", "D3",  "T6",   "LS1", "D25", "SS25"};
  for (const auto& code : codes) {
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
      const QPoint aim = AimPoint(code.c_str());
      QTest::mousePress(board, button, {}, board->WidgetPosition(aim));
      QTest::mouseRelease(board, button, {}, board->WidgetPosition(aim));
      ASSERT_EQ(spy.size(), 1) << code;
      const auto arguments = spy.takeFirst();
      EXPECT_EQ(arguments.at(0).value<Qt::MouseButton>(), button);
      const QPoint position = arguments.at(1).toPoint();
      EXPECT_LE(std::abs(position.x() - aim.x()), GetParam().tolerance) << code;
      EXPECT_LE(std::abs(position.y() - aim.y()), GetParam().tolerance) << code;
      EXPECT_EQ(arguments.at(2).toString().toStdString(), code);
    }
  }
}

TEST_P(BoardClicks, APressBesideTheBoardIsASilentMiss) {
  std::vector<std::string> notices;
  ScopedNoticeReceiver receiver([&](std::string_view text) { notices.emplace_back(text); });
  ShowBoardAt(GetParam().boardSize);
  QSignalSpy spy(board, &BoardWidget::pressed);
  const QRectF rect = board->BoardRect();
  // Near the widget's corners: the board's own corners when it fills the widget.
  // (QTest reads the point (0, 0) as "the middle".)
  for (const QPoint where : {QPoint(1, 1), QPoint(board->width() - 1, board->height() - 1)}) {
    QTest::mousePress(board, Qt::LeftButton, {}, where);
    ASSERT_EQ(spy.size(), 1);
    EXPECT_EQ(spy.takeFirst().at(2).toString(), QStringLiteral("0"));
  }
  if (rect.left() >= 1) {
    QTest::mousePress(board, Qt::LeftButton, {}, QPoint(0, board->height() / 2));
    const auto arguments = spy.takeFirst();
    EXPECT_LT(arguments.at(1).toPoint().x(), 0);
    EXPECT_EQ(arguments.at(2).toString(), QStringLiteral("0"));
  }
  EXPECT_TRUE(notices.empty());
}

std::string SizeName(const testing::TestParamInfo<SizeCase>& info) {
  return "Board" + std::to_string(info.param.boardSize.width()) + "x" +
         std::to_string(info.param.boardSize.height());
}

INSTANTIATE_TEST_SUITE_P(Sizes, BoardClicks,
                         testing::Values(SizeCase{{659, 650}, 0}, SizeCase{{1000, 760}, 0},
                                         SizeCase{{480, 470}, 1}),
                         SizeName);

// A window with the board, shown on the screen and read back from it: at a
// fractional pixel ratio (ctest runs this once more at 150 %) the device
// pixels along the board's edges are painted like the rest of the margin,
// never left black.
TEST(BoardPainting, NoUnpaintedLineAlongTheBoardsEdges) {
  for (const QRect place : {QRect(3, 5, 351, 347), QRect(7, 1, 400, 301), QRect(0, 0, 329, 325)}) {
    QWidget window;
    window.setAutoFillBackground(true);
    auto palette = window.palette();
    palette.setColor(QPalette::Window, QColor(212, 212, 225));
    window.setPalette(palette);
    window.resize(place.right() + 20, place.bottom() + 20);
    auto* board = new BoardWidget(SharedHitMap(), &window);
    board->SetPicture(BoardPicture::Drawn(BoardStyle::Classic));
    board->setGeometry(place);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto shot = window.screen()->grabWindow(window.winId()).toImage();
    const double ratio = shot.devicePixelRatio();
    int dark = 0;
    // The columns and rows around the board's right and bottom edges, in the margin.
    const auto at = [&](double logical) { return static_cast<int>(logical * ratio); };
    for (int y = at(place.top() + 2); y < at(place.top() + 40); ++y) {
      for (int x = at(place.right() - 1); x <= at(place.right() + 3); ++x) {
        dark += shot.pixelColor(x, y).lightness() < 100 ? 1 : 0;
      }
    }
    for (int x = at(place.left() + 2); x < at(place.left() + 40); ++x) {
      for (int y = at(place.bottom() - 1); y <= at(place.bottom() + 3); ++y) {
        dark += shot.pixelColor(x, y).lightness() < 100 ? 1 : 0;
      }
    }
    EXPECT_EQ(dark, 0) << "ratio " << ratio << ", board " << place.width() << "x" << place.height();
  }
}

TEST_F(BoardWindow, TheHintFollowsThePointerAndHidesOnLeave) {
  ShowBoardAt({659, 650});
  QSignalSpy moved(board, &BoardWidget::moved);
  QSignalSpy left(board, &BoardWidget::left);
  for (const char* code : {"T20", "D16"}) {
    const QPoint at = board->WidgetPosition(AimPoint(code));
    QTest::mouseMove(board, at);
    QLabel* hint = board->HintLabel();
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->parentWidget(), &window);
    EXPECT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->text(), QString::fromLatin1(code));
    EXPECT_EQ(hint->pos(), board->mapTo(&window, at) + QPoint(30, -35));
    EXPECT_TRUE(hint->font().bold());
    EXPECT_EQ(hint->palette().color(QPalette::Window), QColor(212, 212, 225));
    ASSERT_FALSE(moved.isEmpty());
    EXPECT_EQ(moved.takeLast().at(1).toString(), QString::fromLatin1(code));
  }
  QTest::mouseMove(panel, QPoint(100, 100));
  EXPECT_FALSE(board->HintLabel()->isVisible());
  EXPECT_EQ(left.size(), 1);
}

TEST_F(BoardWindow, TheHintStaysInsideTheWindowAtItsEdges) {
  ShowBoardAt({659, 650});
  QTest::mouseMove(board, QPoint(5, 5));
  const QRect hint = board->HintLabel()->geometry();
  EXPECT_TRUE(window.rect().contains(hint)) << hint.x() << ", " << hint.y();
  EXPECT_EQ(board->HintLabel()->text(), QStringLiteral("0"));
}

TEST_F(BoardWindow, ASwitchedOffHintHidesAndStaysHidden) {
  ShowBoardAt({659, 650});
  QSignalSpy moved(board, &BoardWidget::moved);
  QTest::mouseMove(board, board->WidgetPosition(AimPoint("T20")));
  ASSERT_TRUE(board->HintLabel()->isVisible());
  board->SetHintEnabled(false);
  EXPECT_FALSE(board->HintLabel()->isVisible());
  QTest::mouseMove(board, board->WidgetPosition(AimPoint("D20")));
  EXPECT_FALSE(board->HintLabel()->isVisible());
  EXPECT_EQ(moved.size(), 2);  // the moves are still reported
  board->SetHintEnabled(true);
  QTest::mouseMove(board, board->WidgetPosition(AimPoint("T20")));
  EXPECT_TRUE(board->HintLabel()->isVisible());
}

TEST_F(BoardWindow, TheBoardHasACrossHairCursor) {
  EXPECT_EQ(board->cursor().shape(), Qt::BitmapCursor);
  EXPECT_EQ(board->cursor().hotSpot(), QPoint(15, 15));
}

// Scaled with the board: at 1.5 times a mark's white ring lies 7 * 1.5 pixels out.
TEST_F(BoardWindow, DartMarksAreDrawnAndClearedAtAnySize) {
  for (const QSize size : {QSize(659, 650), QSize(988, 975)}) {
    ShowBoardAt(size);
    const double scale = board->BoardRect().width() / 659.0;
    const QImage clean = Shot();
    const QPoint t20 = AimPoint("T20");
    const QPoint centre = board->WidgetPosition(t20);
    const QPoint ring = centre + QPoint(static_cast<int>(5 * scale), 0);
    const QPoint beyond = centre + QPoint(static_cast<int>(10 * scale), 0);
    board->AddDartMark(t20);
    const QImage marked = Shot();
    EXPECT_EQ(marked.pixelColor(centre), QColor(Qt::black));
    EXPECT_EQ(marked.pixelColor(ring), QColor(Qt::white));
    EXPECT_EQ(marked.pixelColor(beyond), clean.pixelColor(beyond));
    board->ClearDartMarks();
    EXPECT_EQ(Shot(), clean);
  }
}

TEST_F(BoardWindow, DotsAreDrawnOverMarksAndPictureAndCleared) {
  ShowBoardAt({659, 650});
  const QImage clean = Shot();
  const QPoint d20 = AimPoint("D20");
  const QPoint t20 = AimPoint("T20");
  board->SetDots({{d20, QColor(255, 158, 89), 3}, {t20, Qt::yellow, 3}});
  QImage dotted = Shot();
  EXPECT_EQ(dotted.pixelColor(board->WidgetPosition(d20)), QColor(255, 158, 89));
  EXPECT_EQ(dotted.pixelColor(board->WidgetPosition(t20)), QColor(Qt::yellow));
  // The black outline at the dot's edge.
  const QColor outline = dotted.pixelColor(board->WidgetPosition(d20) + QPoint(3, 0));
  EXPECT_LT(outline.lightness(), 60);
  board->SetDots({{t20, Qt::green, 3}});
  dotted = Shot();
  EXPECT_EQ(dotted.pixelColor(board->WidgetPosition(d20)),
            clean.pixelColor(board->WidgetPosition(d20)));
  EXPECT_EQ(dotted.pixelColor(board->WidgetPosition(t20)), QColor(Qt::green));
  board->ClearDots();
  EXPECT_EQ(Shot(), clean);
}

TEST_F(BoardWindow, ABlankBoardStillTakesClicksAndDots) {
  board->SetPicture(BoardPicture::Blank());
  ShowBoardAt({659, 650});
  const QImage clean = Shot();
  const QPoint t20 = AimPoint("T20");
  EXPECT_EQ(clean.pixelColor(board->WidgetPosition(t20)), clean.pixelColor(10, 10));
  QSignalSpy spy(board, &BoardWidget::pressed);
  QTest::mouseClick(board, Qt::LeftButton, {}, board->WidgetPosition(t20));
  ASSERT_EQ(spy.size(), 1);
  EXPECT_EQ(spy.takeFirst().at(2).toString(), QStringLiteral("T20"));
  board->SetDots({{t20, Qt::yellow, 3}});
  EXPECT_EQ(Shot().pixelColor(board->WidgetPosition(t20)), QColor(Qt::yellow));
}

}  // namespace
}  // namespace korvanti
