#include <QPixmap>

#include "ShotChecks.h"
#include "StartWindowFixture.h"
#include "ui/common/KorvantiLook.h"
#include "ui/start/GameList.h"
#include "ui/start/GamePages.h"

namespace korvanti::testing {
namespace {

class StartWindowShotTest : public StartWindowFixture {
 protected:
  void TearDown() override { ApplyLookScheme(LookScheme::Light); }

  // Three players with figures of "501 double out", the second one chosen.
  void OpenWithThreePlayers() {
    const auto anna = AddPlayer("Anna", "Anna", "Albers");
    const auto ben = AddPlayer("Benedikt", "Ben", "Brandt");
    const auto cleo = AddPlayer("Cleo", "Cleo", "Cramer");
    const std::vector<std::string> game{"T20 T20 T20", "T20 S19 S5", "T20 S20 D16"};
    AddGame(anna, "const501dout", {"T20 T20 T20", "T20 T19 S1", "T19 S1 D16"}, true);
    AddGame(anna, "const501dout", game, false);
    AddGame(ben, "const501dout", game, true);
    AddGame(cleo, "const501dout", {"S20 S1 S5", "S19 S3 S7"}, false);
    EnterFolder();
    IniFile(folder / "options.ini").WriteInteger("settings", "gameindex", 4);
    Open();
    window->resize(StartWindow::kDesignSize);
    Tick(0);
    Tick(2);
    ClickRow(1);
    QApplication::processEvents();
  }
};

// For looking at: start-window.png in the test's build folder.
TEST_F(StartWindowShotTest, ThreePlayersWithTheirFigures) {
  OpenWithThreePlayers();
  ASSERT_EQ(Model().rowCount(), 3);
  const auto shot = window->grab();
  EXPECT_EQ(shot.size(), StartWindow::kDesignSize);
  EXPECT_TRUE(shot.save(QStringLiteral(KORVANTI_START_SHOTS "/start-window.png")));
  ExpectLabelsFit(*window);
  // The chosen entry's text has room in its list.
  const auto& games = window->Pages().List(GamePage::Games);
  ASSERT_NE(games.currentItem(), nullptr);
  EXPECT_EQ(games.currentItem()->text(), "501 double out");
  EXPECT_LE(games.fontMetrics().horizontalAdvance(games.currentItem()->text()),
            games.visualItemRect(games.currentItem()).width());
}

// The same under the dark scheme, which the stored setting turns on as the
// window opens: dark-start.png in the test's build folder.
TEST_F(StartWindowShotTest, ThreePlayersInTheDarkScheme) {
  EnterFolder();
  IniFile(folder / "options.ini").WriteString("settings", "farbschema", "dunkel");
  OpenWithThreePlayers();
  ASSERT_EQ(Model().rowCount(), 3);
  EXPECT_TRUE(IsDarkPalette(QApplication::palette()));
  EXPECT_EQ(window->palette().color(QPalette::Window), ScreenSurface(QApplication::palette()));
  const auto shot = window->grab();
  EXPECT_TRUE(shot.save(QStringLiteral(KORVANTI_START_SHOTS "/dark-start.png")));
  ExpectLabelsFit(*window);
}

}  // namespace
}  // namespace korvanti::testing
