// A match played in the real game screen: the bull-off and every dart are
// mouse clicks on the board.
#include <QDir>
#include <QTreeWidget>

#include "GameWindowFixture.h"
#include "ShotChecks.h"
#include "ui/game/SeriesSummary.h"

namespace korvanti {
namespace {

class MatchWindow : public testing::GameScreen {
 protected:
  void ClickAt(int x, int y) {
    auto& board = window->Board();
    QTest::mouseClick(&board, Qt::LeftButton, {}, board.WidgetPosition({x, y}));
    Settle();
  }
  // The player on turn checks out 301 in three turns; the other misses.
  void StarterWinsLeg() {
    Clicks({"T20", "T20", "T20", "0", "0", "0", "T20", "T7", "LS20", "0", "0", "0", "D10"});
  }
  void Save(QWidget& widget, const QString& name) {
    QApplication::processEvents();
    const auto path = QDir(KORVANTI_GAME_SHOTS).filePath(name);
    ASSERT_TRUE(widget.grab().toImage().save(path)) << path.toStdString();
    testing::ExpectLabelsFit(widget);
  }
};

TEST_F(MatchWindow, FirstToTwoLegsWithBullOffThroughBoardClicks) {
  StartOptions options;
  options.match.legs = 2;
  options.bullOff = true;
  Open(Build(3, {"{ANNA}", "{BEN}"}, true, false, options));
  EXPECT_EQ(TextOf("lblroundstogo"), "Ausbullen");

  ClickAt(332, 340);  // Anna 15,8 mm
  ClickAt(332, 320);  // Ben 1,4 mm: Ben throws first
  EXPECT_EQ(TextOf("lblroundstogo"), "Leg 1");
  EXPECT_EQ(window->Session().PlayedGame().players.At(0).nickname, "Ben");

  StarterWinsLeg();  // Ben
  EXPECT_EQ(TextOf("lblroundstogo"), "Leg 2");
  EXPECT_EQ(window->Session().PlayedGame().players.At(0).nickname, "Anna");
  EXPECT_EQ(archive.games.size(), 1u);
  EXPECT_TRUE(summaries.empty());  // no question between legs

  Clicks({"T20", "T20", "T20", "LS20", "LS1", "LS5"});
  const auto board = window->Session().Board();
  EXPECT_EQ(board.players.columns.back().caption, "Legs");
  EXPECT_EQ(board.players.rows[1].cells.back(), "1");  // Ben's leg
  window->resize(GameWindow::kDesignSize);
  Save(*window, "game-match.png");

  Clicks({"T20", "T7", "LS20", "0", "0", "0", "D10"});  // Anna evens the match
  EXPECT_EQ(TextOf("lblroundstogo"), "Leg 3");
  StarterWinsLeg();  // Ben again
  ASSERT_EQ(summaries.size(), 1u);
  ASSERT_TRUE(summaries[0].match);
  EXPECT_EQ(summaries[0].match->result, "Match an Ben (2:1)");
  ASSERT_EQ(archive.games.size(), 3u);
  EXPECT_EQ(archive.games[2].match->winnerId, "{BEN}");

  SeriesSummary dialog;
  dialog.Fill(summaries[0]);
  Save(dialog, "match-summary.png");
}

}  // namespace
}  // namespace korvanti
