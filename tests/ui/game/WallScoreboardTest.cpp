// The wall display: digits as big as fit, never cut off nor overlapping, at
// every window size and number of players; its own colours; full screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPalette>
#include <QTest>

#include "ShotChecks.h"
#include "ui/game/WallScoreboardWindow.h"

namespace korvanti {
namespace {

// Two players of a 501 in the second leg, which Ben began with two 180s; he
// is on turn with a finish left.
WallDisplay Sample501() {
  WallDisplay display;
  display.caption = "501 double out – Leg 2, Satz 1";
  display.players = {{"Anna", "381", 1, 0, false}, {"Ben", "141", 0, 0, true}};
  display.lastTurn = "Anna: 60";
  display.proposalCaption = "Checkout";
  display.proposal = "T20 T19 D12";
  return display;
}

WallDisplay WithPlayers(int count, const std::string& figure) {
  static const char* const kNames[] = {
      "Anna", "Maximilian-Alexander", "Cleo", "Dörte", "Emil", "Friedrich", "Gül", "Hans"};
  WallDisplay display = Sample501();
  display.players.clear();
  for (int i = 0; i < count; ++i) {
    display.players.push_back({kNames[i], i == 1 ? "1001" : figure, 3, 2, i == count - 1});
  }
  return display;
}

std::string Label(const WallText& text) {
  return std::to_string(static_cast<int>(text.part)) + "/" + std::to_string(text.player) + " " +
         text.text.toStdString();
}

TEST(WallScoreboard, TextsFitTheirBoxesWithoutOverlapAtEverySize) {
  const QSize sizes[] = {{640, 360},  {800, 600},   {1024, 768},
                         {1280, 720}, {1920, 1080}, {3840, 2160}};
  WallScoreboardWindow window;
  for (const int count : {1, 2, 4, 6, 8}) {
    window.Show(WithPlayers(count, "501"));
    for (const auto size : sizes) {
      window.resize(size);
      const auto layout = window.Layout();
      const auto where = std::to_string(count) + " players at " + std::to_string(size.width()) +
                         "x" + std::to_string(size.height());
      ASSERT_EQ(layout.cells.size(), static_cast<std::size_t>(count)) << where;
      int figures = 0;
      for (const auto& text : layout.texts) {
        EXPECT_TRUE(text.box.contains(text.textRect)) << where << ": " << Label(text);
        EXPECT_TRUE(window.rect().contains(text.textRect)) << where << ": " << Label(text);
        if (text.part == WallPart::Figure) {
          ++figures;
          // The digits take at least a quarter of the height for up to four players.
          const double share = count <= 4 ? 0.25 : 0.15;
          EXPECT_GE(text.textRect.height(), share * size.height()) << where;
        }
        for (const auto& other : layout.texts) {
          if (&other != &text) {
            EXPECT_FALSE(text.textRect.intersects(other.textRect))
                << where << ": " << Label(text) << " and " << Label(other);
          }
        }
      }
      EXPECT_EQ(figures, count) << where;
    }
  }
}

TEST(WallScoreboard, PaintsLightOnBlackWhateverTheProgramsPalette) {
  WallScoreboardWindow window;
  EXPECT_EQ(window.windowTitle(), "Anzeigetafel");
  EXPECT_EQ(window.accessibleName(), "Anzeigetafel");
  EXPECT_TRUE(window.isWindow());
  for (const auto& base : {QColor(255, 255, 255), QColor(30, 30, 30)}) {
    QPalette palette;
    palette.setColor(QPalette::Window, base);
    palette.setColor(QPalette::WindowText, base);
    window.setPalette(palette);
    window.Show(Sample501());
    window.resize(1280, 720);
    const auto image = window.grab().toImage();
    EXPECT_TRUE(testing::NearColour(image.pixelColor(1, 1), Qt::black));
    const auto layout = window.Layout();
    for (const auto& text : layout.texts) {
      if (text.part == WallPart::Figure) {
        // The middle line of the digits crosses light strokes.
        const int y = text.textRect.center().y();
        bool light = false;
        for (int x = text.textRect.left(); x <= text.textRect.right(); ++x) {
          light = light || image.pixelColor(x, y).lightness() > 200;
        }
        EXPECT_TRUE(light) << text.text.toStdString();
      }
    }
  }
}

TEST(WallScoreboard, F11AndADoubleClickSwitchFullScreen) {
  WallScoreboardWindow window;
  window.Show(Sample501());
  window.show();
  QTest::keyClick(&window, Qt::Key_F11);
  EXPECT_TRUE(window.windowState() & Qt::WindowFullScreen);
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.windowState() & Qt::WindowFullScreen);
  QTest::mouseDClick(&window, Qt::LeftButton);
  EXPECT_TRUE(window.windowState() & Qt::WindowFullScreen);
  QTest::keyClick(&window, Qt::Key_F11);
  EXPECT_FALSE(window.windowState() & Qt::WindowFullScreen);
}

TEST(WallScoreboard, Screenshot) {
  WallScoreboardWindow window;
  window.Show(Sample501());
  window.resize(1920, 1080);
  const QString path = QDir(KORVANTI_GAME_SHOTS).filePath("anzeigetafel.png");
  ASSERT_TRUE(window.grab().save(path)) << path.toStdString();
}

}  // namespace
}  // namespace korvanti
