#include <QDir>
#include <QImage>

#include "GameWindowFixture.h"
#include "ShotChecks.h"
#include "ui/board/BoardPicture.h"
#include "ui/common/KorvantiLook.h"

namespace korvanti {
namespace {

using testing::GameScreen;
using testing::WindowHitMap;

// The board, at its own size, under the application's palette of `scheme`.
QImage BoardUnder(LookScheme scheme, BoardStyle style) {
  ApplyLookScheme(scheme);
  BoardWidget board(WindowHitMap());
  board.SetPicture(BoardPicture::Drawn(style));
  board.resize(board::kWidth, board::kHeight);
  return board.grab().toImage();
}

// The board is a picture of a real board: its black, white, red and green
// stay whatever the windows' colours.
TEST(BoardUnderColourSchemes, EveryStyleKeepsItsColours) {
  for (const auto style : {BoardStyle::Classic, BoardStyle::Tournament, BoardStyle::Contrast}) {
    const QImage light = BoardUnder(LookScheme::Light, style);
    const QImage dark = BoardUnder(LookScheme::Dark, style);
    EXPECT_EQ(light, dark) << static_cast<int>(style);
  }
  ApplyLookScheme(LookScheme::Light);
}

class DarkGameScreen : public GameScreen {
 protected:
  void SetUp() override { ApplyLookScheme(LookScheme::Dark); }
  void TearDown() override {
    window.reset();
    ApplyLookScheme(LookScheme::Light);
  }
};

// 501 between two players after a few darts, for a person to look at:
// dark-game.png in the test's build folder.
TEST_F(DarkGameScreen, CountDownAfterAFewDarts) {
  Open(Build(4, {"{ANNA}", "{BEN}"}, false));
  Clicks({"T20", "LS20", "LS5"});
  Press("btncheckinThrow");
  Clicks({"T19", "LS7", "SS19"});
  Press("btncheckinThrow");
  Clicks({"T20", "T20"});
  window->resize(GameWindow::kDesignSize);
  QApplication::processEvents();
  const auto shot = window->grab().toImage();
  const auto path = QDir(KORVANTI_GAME_SHOTS).filePath("dark-game.png");
  ASSERT_TRUE(shot.save(path)) << path.toStdString();
  testing::ExpectLabelsFit(*window);
}

}  // namespace
}  // namespace korvanti
