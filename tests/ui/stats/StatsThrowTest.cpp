#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QThread>
#include <cmath>

#include "StatsWindowFixture.h"
#include "ui/stats/ThrowView.h"

namespace korvanti {
namespace {

using testing::DaysAgo;
using testing::StatsWindow;

// The board as it is now on the screen.
QImage BoardPixels(StatisticsWindow& window) {
  return window.AimBoard().Board().grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRgb PixelAt(StatisticsWindow& window, const QImage& image, QPointF hitMapPosition) {
  const auto at = window.AimBoard().Board().WidgetPosition(
      QPoint(static_cast<int>(std::lround(hitMapPosition.x())),
             static_cast<int>(std::lround(hitMapPosition.y()))));
  return image.pixel(at);
}

// Points on an ellipse of the outline, in hit-map pixels.
std::vector<QPointF> AroundEllipse(const ScatterOutline& outline, const ScatterEllipse& ellipse) {
  std::vector<QPointF> points;
  const double turn = ellipse.angleDegrees * M_PI / 180;
  for (int step = 0; step < 12; ++step) {
    const double t = step * M_PI / 6;
    const double x = ellipse.major * std::cos(t);
    const double y = ellipse.minor * std::sin(t);
    points.emplace_back(outline.centreX + x * std::cos(turn) - y * std::sin(turn),
                        outline.centreY + x * std::sin(turn) + y * std::cos(turn));
  }
  return points;
}

// The board's pixels with the throw drawn and without it (the same throw taken off).
struct BoardWithAndWithout {
  QImage with;
  QImage without;
};

BoardWithAndWithout Compare(StatisticsWindow& window) {
  auto& panel = window.AimBoard();
  const auto shown = panel.Throw();
  BoardWithAndWithout pixels;
  pixels.with = BoardPixels(window);
  panel.ShowThrow(nullptr);
  pixels.without = BoardPixels(window);
  panel.ShowThrow(shown);
  return pixels;
}

TEST_F(StatsWindow, TooFewAimedDartsAreNamedAndNothingIsDrawn) {
  AddAimedGame(anna, DaysAgo(2, 20), "T20", 33, 12);                      // 99 darts
  data.AddGame(anna, "const301sout", DaysAgo(3, 20), {{"T20 T20 T20"}});  // no aims
  auto window = Open(anna);
  auto& panel = window->AimBoard();
  EXPECT_EQ(panel.ThrowText(), "Zu wenige Würfe mit Ziel: 99 von 100");
  EXPECT_TRUE(Find<QLabel>(*window, "lblThrow").isVisible());
  auto& heat = Find<QCheckBox>(*window, "chkHeatMap");
  EXPECT_FALSE(heat.isEnabled());
  heat.setChecked(true);
  EXPECT_FALSE(panel.HeatMapShown());
  ASSERT_NE(panel.Throw(), nullptr);
  EXPECT_FALSE(panel.Throw()->picture.outline);
  const auto pixels = Compare(*window);
  EXPECT_EQ(pixels.with, pixels.without);
}

// 360 darts at T20, 12 pixels round scatter, 4 pixels right and 3 up.
TEST_F(StatsWindow, AimedDartsGiveTheAdviceTheEllipsesAndTheHeatMap) {
  AddAimedGame(anna, DaysAgo(2, 20), "T20", 120, 12, 4, -3);
  auto window = Open(anna);
  window->resize(1280, 728);  // a board large enough to tell the lines apart
  auto& panel = window->AimBoard();
  EXPECT_TRUE(panel.ThrowText().startsWith("Bester Zielpunkt: T20"))
      << panel.ThrowText().toStdString();
  // The window thread asks; the worker builds the throw and hands it over with the table.
  Find<QAction>(*window, "btnRefresh").trigger();
  EXPECT_EQ(panel.Throw(), nullptr);
  EXPECT_TRUE(panel.ThrowText().isEmpty());
  Refreshed(*window, [&] { ClickBoard(*window, "T20", Qt::RightButton); });
  ASSERT_EQ(panel.Selection(), "T20");
  ASSERT_NE(panel.Throw(), nullptr);
  EXPECT_NE(panel.Throw()->builtOn, QThread::currentThreadId());

  // The ellipses sit where the darts landed around the T20's aim point.
  const auto& outline = panel.Throw()->picture.outline;
  ASSERT_TRUE(outline);
  const auto t20 = *AimPointFor("T20");
  EXPECT_NEAR(outline->centreX, t20.x + 4, 1.5);
  EXPECT_NEAR(outline->centreY, t20.y - 3, 1.5);
  EXPECT_NEAR(outline->oneSigma.major, 12, 1.2);
  EXPECT_NEAR(outline->twoSigma.minor, 24, 2.4);
  const auto plain = Compare(*window);
  for (const auto* ellipse : {&outline->oneSigma, &outline->twoSigma}) {
    for (const auto point : AroundEllipse(*outline, *ellipse)) {
      EXPECT_NE(PixelAt(*window, plain.with, point), PixelAt(*window, plain.without, point))
          << point.x() << " " << point.y();
    }
  }

  // The heat map colours the whole board, here the bull, and goes again.
  const QPointF bull(board::kBullX, board::kBullY);
  auto& heat = Find<QCheckBox>(*window, "chkHeatMap");
  ASSERT_TRUE(heat.isEnabled());
  heat.click();
  EXPECT_TRUE(panel.HeatMapShown());
  EXPECT_TRUE(Find<QWidget>(*window, "pnlHeatLegend").isVisible());
  const auto heated = BoardPixels(*window);
  EXPECT_NE(PixelAt(*window, heated, bull), PixelAt(*window, plain.with, bull));
  heat.click();
  EXPECT_FALSE(panel.HeatMapShown());
  EXPECT_EQ(BoardPixels(*window), plain.with);
}

// A left click selects the number: the ellipses circle where the darts at
// the 20 were aimed, and the best aim point, far from there for so wide a
// scatter, keeps its own mark.
TEST_F(StatsWindow, TheEllipsesOfANumberCircleItsDartsNotTheBestAimPoint) {
  AddAimedGame(anna, DaysAgo(2, 20), "T20", 120, 40, 4, -3);
  auto window = Open(anna);
  window->resize(1280, 728);
  auto& panel = window->AimBoard();
  Refreshed(*window, [&] { ClickBoard(*window, "T20", Qt::LeftButton); });
  ASSERT_EQ(panel.Selection(), "20");
  ASSERT_NE(panel.Throw(), nullptr);
  const auto& picture = panel.Throw()->picture;
  ASSERT_TRUE(picture.outline);
  ASSERT_TRUE(picture.best);
  const auto t20 = *AimPointFor("T20");
  EXPECT_NEAR(picture.outline->centreX, t20.x + 4, 5);
  EXPECT_NEAR(picture.outline->centreY, t20.y - 3, 5);
  const QPointF best(picture.best->x, picture.best->y);
  EXPECT_GT(std::hypot(best.x() - t20.x, best.y() - t20.y), 30);
  const auto plain = Compare(*window);
  for (const auto& around : {best + QPointF(10, 0), best + QPointF(0, -10)}) {
    EXPECT_NE(PixelAt(*window, plain.with, around), PixelAt(*window, plain.without, around));
  }
}

}  // namespace
}  // namespace korvanti
