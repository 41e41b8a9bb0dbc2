#include <QCheckBox>
#include <QImage>
#include <QLayout>
#include <QRadioButton>
#include <cmath>

#include "ShotChecks.h"
#include "StatsWindowFixture.h"
#include "engine/Turn.h"
#include "platform/Guid.h"
#include "ui/board/BoardPalette.h"
#include "ui/stats/TrendChart.h"

namespace korvanti {
namespace {

using testing::DaysAgo;
using testing::StatsWindow;

// Two weeks of 501 with darts aimed at T20 that scatter less as the days go by.
class StatsShots : public StatsWindow {
 protected:
  void PlayTwoWeeks() {
    const HitMap map;
    double cx = 0;
    double cy = 0;
    int n = 0;
    for (int y = 0; y < 650; ++y) {
      for (int x = 0; x < 659; ++x) {
        if (map.FieldAt(x, y) == "T20") {
          cx += x;
          cy += y;
          ++n;
        }
      }
    }
    cx /= n;
    cy /= n;
    unsigned seed = 7;
    const auto next = [&seed] {  // uniform in [-1, 1)
      seed = seed * 1103515245u + 12345u;
      return static_cast<double>((seed >> 8) & 0xffff) / 32768.0 - 1.0;
    };
    for (int day = 14; day >= 1; --day) {
      const double spread = 25 + 3.0 * day;
      const auto gameId = NewGuidString();
      std::string last;
      for (int k = 0; k < 8; ++k) {
        Turn turn;
        turn.turnId = NewGuidString();
        for (int dart = 1; dart <= 3; ++dart) {
          auto& hit = turn.Hit(dart);
          hit.hitX = static_cast<int>(std::lround(cx + spread * next()));
          hit.hitY = static_cast<int>(std::lround(cy + spread * next()));
          hit.hit = map.FieldAt(hit.hitX, hit.hitY);
          hit.aim = "T20";
          hit.aimX = static_cast<int>(cx);
          hit.aimY = static_cast<int>(cy);
        }
        data.recorder.AppendThrow(turn, gameId, anna);
        last = turn.turnId;
      }
      data.recorder.AppendGame(gameId, "const501dout", DaysAgo(day, 20), NewGuidString());
    }
  }

  // At the size the window opens with on a 1366 x 768 screen (the test
  // screen is smaller, so the window opened smaller).
  static QImage Save(QWidget& window, const char* name) {
    EXPECT_LE(window.minimumSizeHint().width(), 1007);
    EXPECT_LE(window.minimumSizeHint().height(), 728);
    window.resize(1280, 728);
    QCoreApplication::sendPostedEvents();
    window.layout()->activate();
    const auto image = window.grab().toImage();
    EXPECT_EQ(image.size(), window.size());
    EXPECT_TRUE(image.save(QString(KORVANTI_STATS_SHOTS) + "/" + name));
    testing::ExpectLabelsFit(window);
    return image;
  }

  // The colour of the picture where the board shows a hit-map pixel of the field.
  static QColor BoardColour(StatisticsWindow& window, const QImage& image,
                            const std::string& field) {
    auto& board = window.AimBoard().Board();
    const auto at = board.mapTo(&window, board.WidgetPosition(PixelOf(field, 3)));
    return image.pixelColor(at);
  }

  // The treble ring of the 3, far from the darts at the 20, as the board draws it.
  static QColor PlainTreble3() {
    const auto& palette = PaletteFor(BoardStyle::Classic);
    return IsDarkSegment(3) ? palette.darkRing : palette.lightRing;
  }
};

TEST_F(StatsShots, DetailedViewWithItsChart) {
  PlayTwoWeeks();
  auto window = Open(anna, FindCatalogEntry(4));
  auto* detail = window->findChild<QRadioButton*>();
  for (auto* button : window->findChildren<QRadioButton*>()) {
    if (button->text() == "Detailiert")
      detail = button;
  }
  Refreshed(*window, [&] { detail->click(); });
  EXPECT_EQ(window->DetailTable().rowCount(), 14);
  const auto image = Save(*window, "stats-detail.png");
  // The chart draws its line: its area holds more than its background.
  auto& chart = window->Trend();
  const QRect area(chart.mapTo(window.get(), QPoint(0, 0)), chart.size());
  EXPECT_GT(testing::SampledColours(image, area), 3u);
}

TEST_F(StatsShots, AimViewWithDots) {
  PlayTwoWeeks();
  auto window = Open(anna, FindCatalogEntry(4));
  Refreshed(*window, [&] { ClickBoard(*window, "T20", Qt::LeftButton); });
  // The first day, when the darts scattered most.
  auto& table = window->AimTable();
  QTest::mouseClick(table.viewport(), Qt::LeftButton, {},
                    table.visualItemRect(table.item(0, 0)).center());
  EXPECT_EQ(table.currentRow(), 0);
  EXPECT_GT(window->AimBoard().Board().Dots().size(), 20u);
  const auto image = Save(*window, "stats-aim.png");
  const auto treble = BoardColour(*window, image, "T3");
  EXPECT_TRUE(testing::NearColour(treble, PlainTreble3())) << treble.name().toStdString();
}

TEST_F(StatsShots, AimViewWithTheThrowAndItsHeatMap) {
  PlayTwoWeeks();
  auto window = Open(anna, FindCatalogEntry(4));
  Refreshed(*window, [&] { ClickBoard(*window, "T20", Qt::RightButton); });
  ASSERT_NE(window->AimBoard().Throw(), nullptr);
  Find<QCheckBox>(*window, "chkHeatMap").click();
  ASSERT_TRUE(window->AimBoard().HeatMapShown());
  const auto image = Save(*window, "stats-scatter.png");
  // The heat map colours the whole board, the treble of the 3 too.
  const auto treble = BoardColour(*window, image, "T3");
  EXPECT_FALSE(testing::NearColour(treble, PlainTreble3())) << treble.name().toStdString();
}

}  // namespace
}  // namespace korvanti
