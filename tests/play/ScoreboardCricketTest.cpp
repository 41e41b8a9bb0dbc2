#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "ScoreboardTable.h"
#include "engine/CricketGame.h"

namespace korvanti {
namespace {

using testing::Captions;
using testing::Cells;
using testing::Table;

struct TileCase {
  const char* annaBooked;  // Anna is on turn
  const char* benBooked;
  const char* annaEntered;
  int marks;  // shown on 20
  CricketTile tile;
};

template <typename Game>
void CheckTwentyTile(const TileCase& c) {
  Table<Game> table({"Anna", "Ben"});
  table.Start();
  std::istringstream turns(c.annaBooked);
  for (std::string turn; std::getline(turns, turn, '|');) {
    table.Turns(0).AddTurn(testing::MakeTurn(turn));
  }
  if (*c.benBooked) {
    table.Turns(1).AddTurn(testing::MakeTurn(c.benBooked));
  }
  table.Enter(c.annaEntered);
  const auto twenty = table.Board(ModePanel::Cricket).cricket.rows[5];
  const auto label = std::string(c.annaBooked) + " / " + c.benBooked + " / " + c.annaEntered;
  EXPECT_EQ(twenty.number, 20);
  EXPECT_EQ(twenty.marks, c.marks) << label;
  EXPECT_EQ(twenty.tile, c.tile) << label;
}

TEST(ScoreboardCricket, TilesShowWhoCanStillScore) {
  const TileCase cases[] = {
      {"T20 0 0", "", "", 3, CricketTile::Green},            // Ben still has 20 open
      {"T20 LS20 0", "T20 0 0", "", 3, CricketTile::Black},  // closed by everybody
      {"LS20 0 0", "", "D20", 3, CricketTile::Green},        // closed by the turn in progress
      {"", "", "", 0, CricketTile::RedGreenFrame},           // Ben could still pay
      {"LS20 0 0", "T20 0 0", "", 1, CricketTile::RedBlackFrame},
      {"D20 0 0", "", "LS19 LS18", 2, CricketTile::RedGreenFrame},
  };
  for (const auto& c : cases) {
    CheckTwentyTile<CricketGame>(c);
  }
}

TEST(ScoreboardCricket, MasterTilesFollowTheMasterRules) {
  const TileCase cases[] = {
      {"T20 0 0", "", "", 3, CricketTile::Black},  // not all numbers closed yet
      {"T15 T16 T17|T18 T19 T20|D25 SS25 0", "", "", 3, CricketTile::Green},
      {"T20 0 0", "T20 0 0", "", 3, CricketTile::Black},
      {"", "T20 0 0", "", 0, CricketTile::RedBlackFrame},  // nobody left to pay
      {"", "", "LS19", 0, CricketTile::RedGreenFrame},
      {"", "", "LS19 LS18", 0, CricketTile::RedBlackFrame},  // two darts went elsewhere
      {"LS20 0 0", "", "LS20 LS19", 2, CricketTile::RedGreenFrame},
      {"D20 0 0", "", "", 2, CricketTile::RedBlackFrame},  // the next 20 closes without a spare
  };
  for (const auto& c : cases) {
    CheckTwentyTile<MasterCricketGame>(c);
  }
}

TEST(ScoreboardCricket, PointsIncludeTheTurnInProgressWhileTheListShowsBookedPoints) {
  Table<CricketGame> table({"Anna", "Ben"});
  table.Start();
  table.Play("T20 LS20 SS25");  // 20 closed, 20 points, one mark on the bull
  table.Play("D19 0 0");
  table.Enter("T20");
  const auto board = table.Board(ModePanel::Cricket);
  EXPECT_EQ(board.points, "80");
  EXPECT_EQ(board.runningValue, "3,00");  // 4 marks in 4 darts
  EXPECT_EQ(Captions(board.players), (Cells{"Player 100", "15 35", "16 35", "17 35", "18 35",
                                            "19 35", "20 36", "B 35", "P 50"}));
  const auto& anna = board.players.rows[0];
  EXPECT_EQ(anna.cells, (Cells{"Anna", "0", "0", "0", "0", "0", "3", "1", "20"}));
  EXPECT_EQ(anna.markPictures, (std::vector<int>{0, 0, 0, 0, 0, 3, 1}));
  EXPECT_TRUE(anna.selected);
  EXPECT_EQ(anna.paint, Paint::Green);
  EXPECT_EQ(board.players.rows[1].cells, (Cells{"Ben", "0", "0", "0", "0", "2", "0", "0", "0"}));
  EXPECT_FALSE(board.roundsToGo);
}

TEST(ScoreboardCricket, CutThroatListShowsWhatTheTurnInProgressTakesFromOpenOpponents) {
  Table<CricketGame> table({"Anna", "Ben", "Carl"});
  table.game.cutThroat = true;
  table.Start();
  table.Turns(0).AddTurn(testing::MakeTurn("T19 0 0"));
  table.Turns(2).AddTurn(testing::MakeTurn("T19 0 0"));
  table.Enter("T19");
  auto board = table.Board(ModePanel::Cricket);
  EXPECT_EQ(board.points, "0");
  EXPECT_EQ(board.players.rows[0].cells.back(), "0");
  EXPECT_EQ(board.players.rows[1].cells.back(), "-57");
  EXPECT_EQ(board.players.rows[2].cells.back(), "0");

  table.game.CurrentTurns().current.DeleteLastHit(true);  // taken back: nothing charged
  board = table.Board(ModePanel::Cricket);
  EXPECT_EQ(board.players.rows[1].cells.back(), "0");
}

}  // namespace
}  // namespace korvanti
