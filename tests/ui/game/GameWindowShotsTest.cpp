#include <QDir>
#include <QPixmap>

#include "GameWindowFixture.h"
#include "ShotChecks.h"

namespace korvanti {
namespace {

using testing::GameScreen;

// Pictures of the game screen with each panel, at the design's size, for a
// person to look at: nothing cut off, numbers readable, the board crisp.
class GameWindowShots : public GameScreen {
 protected:
  void Shoot(const QString& name, QSize size = GameWindow::kDesignSize) {
    window->resize(size);
    QApplication::processEvents();
    const auto path = QDir(KORVANTI_GAME_SHOTS).filePath(name);
    const auto shot = window->grab().toImage();
    ASSERT_TRUE(shot.save(path)) << path.toStdString();
    testing::ExpectLabelsFit(*window);
    // The board is drawn: its area holds the many colours of a board.
    auto& board = window->Board();
    const QRect area(board.mapTo(window.get(), QPoint(0, 0)), board.size());
    EXPECT_GT(testing::SampledColours(shot, area), 8u);
  }
};

TEST_F(GameWindowShots, CountDownMidGameWithOlderTurns) {
  Open(Build(4, {"{ANNA}", "{BEN}"}, false));
  for (int turn = 0; turn < 7; ++turn) {
    Clicks({"LS20", "T5", "SS1"});
    Press("btncheckinThrow");
    Clicks({"LS19", "LS3", "0"});
    Press("btncheckinThrow");
  }
  Clicks({"T20", "LS20"});
  EXPECT_EQ(TextOf("lblLastPointsAll1"), "...");
  Shoot("game-countdown.png");
}

// Full screen on a 1080p television: everything, the board included, grows
// with the screen; a dart is being typed.
TEST_F(GameWindowShots, FullScreenAt1920x1080) {
  Open(Build(4, {"{ANNA}", "{BEN}"}));
  Clicks({"T20", "T20", "T20", "LS19", "T19", "LS1"});
  Clicks({"T20"});
  QTest::keyClicks(window.get(), "d1");
  Shoot("game-fullscreen.png", {1920, 1080});
  EXPECT_GT(window->Board().height(), 900);
  EXPECT_EQ(TextOf("pnlcheck2"), "D1_");
}

TEST_F(GameWindowShots, CricketWithEveryTileState) {
  Open(Build(5, {"{ANNA}", "{BEN}"}, false));
  Clicks({"T20", "T19", "T18"});
  Press("btncheckinThrow");
  Clicks({"T20", "T17", "LS16"});
  Press("btncheckinThrow");
  Click("D16");
  Shoot("game-cricket.png");
}

TEST_F(GameWindowShots, TargetTraining) {
  Open(Build(18, {"{ANNA}"}, false, true));
  Clicks({"SS20", "T20", "D20"});
  Press("btncheckinThrow");
  Click("LS20");
  Shoot("game-target.png");
}

// The game screen as it opens on the screen the test runs on (run under a
// scaled display for the pictures at 150 %): the three dart fields stay
// apart and every caption has room.
TEST_F(GameWindowShots, CountDownAtTheSizeItOpensWith) {
  Open(Build(4, {"{ANNA}", "{BEN}"}, true, true));
  Click("T20", Qt::RightButton);
  Clicks({"T20", "LS5"});
  QApplication::processEvents();
  const auto shot = window->grab().toImage();
  ASSERT_TRUE(shot.save(QDir(KORVANTI_GAME_SHOTS).filePath("game-screen-opened.png")));
  testing::ExpectLabelsFit(*window);
}

// The practice routines, each after a few turns through board clicks.
TEST_F(GameWindowShots, PracticeRoutines) {
  const struct {
    int entry;
    std::vector<const char*> darts;
    const char* file;
  } routines[] = {
      {31, {"D1", "LS1", "0", "D2", "D2", "0", "LS3"}, "game-bobs27.png"},
      {32, {"T15", "D8", "T20", "T10"}, "game-catch40.png"},
      {33, {"T15", "LS15", "0", "0", "0", "0", "D16"}, "game-halveit.png"},
      {34, {"T1", "T2", "LS3", "T3"}, "game-trebles.png"},
  };
  for (const auto& routine : routines) {
    SCOPED_TRACE(routine.file);
    window.reset();
    Open(Build(routine.entry, {"{ANNA}"}));
    for (const char* dart : routine.darts) {
      Click(dart);
    }
    Shoot(routine.file);
  }
}

}  // namespace
}  // namespace korvanti
