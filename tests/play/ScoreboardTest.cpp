#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "ScoreboardTable.h"
#include "TempFolder.h"
#include "engine/CountDownGame.h"
#include "engine/Elimination.h"

namespace korvanti {
namespace {

using testing::Captions;
using testing::Cells;
using testing::Table;

TEST(ScoreboardCountDown, RowsShowTheLastSixTurnsAndOlderOnesAsASum) {
  struct Case {
    int turns;  // turn k is "LSk LSk LSk", worth 3k
    const char* olderPoints;
    const char* firstRowCode;
    const char* firstRowPoints;
    int filledRows;
  };
  const Case cases[] = {
      {0, "", "", "", 0},        {1, "", "LS1", "3", 1},
      {6, "", "LS6", "18", 6},   {7, "3", "LS7", "21", 6},  // rows 1..6 hold turns 7 down to 2
      {9, "18", "LS9", "27", 6},
  };
  for (const auto& c : cases) {
    Table<Game501StraightOut> table;
    table.Start();
    for (int k = 1; k <= c.turns; ++k) {
      const auto code = "LS" + std::to_string(k);
      table.Play(code + " " + code + " " + code);
    }
    const auto panel = table.Board(ModePanel::CountDown).countDown;
    const std::string dots = c.turns > 6 ? "..." : "";
    EXPECT_EQ(panel.olderTurns.codes, (std::array<std::string, 3>{dots, dots, dots})) << c.turns;
    EXPECT_EQ(panel.olderTurns.points, c.olderPoints) << c.turns;
    EXPECT_EQ(panel.lastTurns[0].codes[2], c.firstRowCode) << c.turns;
    EXPECT_EQ(panel.lastTurns[0].points, c.firstRowPoints) << c.turns;
    for (int r = 0; r < 6; ++r) {
      EXPECT_EQ(panel.lastTurns[static_cast<std::size_t>(r)].points.empty(), r >= c.filledRows)
          << c.turns << " row " << r + 1;
    }
    if (c.turns == 7) {
      EXPECT_EQ(panel.lastTurns[5].codes[0], "LS2");
      EXPECT_EQ(panel.lastTurns[5].points, "6");
    }
  }
}

TEST(ScoreboardCountDown, ShortTurnsAndBustsShowAsBooked) {
  Table<Game501DoubleOut> table;
  table.Start();
  table.Turns(0).score = 40;
  table.Play("T20");  // a bust after one dart
  const auto row = table.Board(ModePanel::CountDown).countDown.lastTurns[0];
  EXPECT_EQ(row.codes, (std::array<std::string, 3>{"T20", "na", "na"}));
  EXPECT_EQ(row.points, "0");
}

// A bust shows what the player threw, the points he keeps and "Überworfen",
// never a negative rest.
TEST(ScoreboardCountDown, ABustShowsTheScoreBeforeTheTurnAndSaysSoWhileTheEnteredPointsStillShow) {
  struct Case {
    const char* darts;
    const char* turnPoints;
    const char* remaining;
    Paint paint;
    const char* caption;
  };
  const Case cases[] = {
      {"", "0", "40", Paint::Green, "Übrig:"},
      {"LS20", "20", "20", Paint::Green, "Übrig:"},
      {"T20", "60", "40", Paint::Red, "Überworfen"},
      {"LS20 LS19", "39", "40", Paint::Red, "Überworfen"},
      {"LS20 D10", "40", "0", Paint::Green, "Übrig:"},
      {"LS20 LS10 0", "30", "10", Paint::Green, "Übrig:"},
      {"LS20 LS20", "40", "40", Paint::Red, "Überworfen"},  // no double at the finish
  };
  for (const auto& c : cases) {
    Table<Game501DoubleOut> table;
    table.Start();
    table.Turns(0).score = 40;
    table.Enter(c.darts);
    const auto panel = table.Board(ModePanel::CountDown).countDown;
    EXPECT_EQ(panel.turnPoints, c.turnPoints) << c.darts;
    EXPECT_EQ(panel.remaining, c.remaining) << c.darts;
    EXPECT_EQ(panel.remainingPaint, c.paint) << c.darts;
    EXPECT_EQ(panel.remainingCaption, c.caption) << c.darts;
  }
}

TEST(ScoreboardCountDown, ListMarksTheLeaderGreenAndSelectsThePlayerOnTurn) {
  Table<Game501DoubleOut> table({"Anna", "Ben"});
  table.Start();
  table.Play("T20 T20 T20");
  table.Play("LS1 LS1 LS1");
  table.Play("LS20 LS20 LS5");
  table.Enter("LS10");  // Ben on turn, Anna leads
  const auto board = table.Board(ModePanel::CountDown);
  EXPECT_EQ(Captions(board.players), (Cells{"Player 150", "Points left 150", "Avg. 100"}));
  ASSERT_EQ(board.players.rows.size(), 2u);
  const auto& anna = board.players.rows[0];
  const auto& ben = board.players.rows[1];
  EXPECT_EQ(anna.cells, (Cells{"Anna", "276", "112,50"}));
  EXPECT_EQ(ben.cells, (Cells{"Ben", "498", "3,00"}));  // the darts in progress not yet counted
  EXPECT_EQ(anna.paint, Paint::Green);
  EXPECT_FALSE(anna.selected);
  EXPECT_EQ(ben.paint, Paint::Black);
  EXPECT_TRUE(ben.selected);
  EXPECT_EQ(board.nickname, "Ben");
  EXPECT_EQ(board.round, "2");
  EXPECT_FALSE(board.roundsToGo);
}

TEST(ScoreboardCountDown, AverageIsRedUntilItBeatsTheReferenceValue) {
  struct Case {
    double referenceAverage;
    Paint paint;
  };
  for (const auto& c : {Case{0.0, Paint::Green}, Case{79.99, Paint::Green}, Case{80.0, Paint::Red},
                        Case{95.5, Paint::Red}}) {
    Table<Game501DoubleOut> table;
    table.Start();
    table.game.players.At(0).referenceAverage = c.referenceAverage;
    table.Play("LS20 LS20 LS20");
    table.Play("T20 LS20 LS20");
    const auto board = table.Board(ModePanel::CountDown);
    EXPECT_EQ(board.runningValue, "80,00");
    EXPECT_EQ(board.runningValuePaint, c.paint) << c.referenceAverage;
  }
  Table<Game501DoubleOut> fresh;
  fresh.Start();
  const auto board = fresh.Board(ModePanel::CountDown, {{}, NumberSeparators{'.', ','}, false});
  EXPECT_EQ(board.runningValue, "0.00");
  EXPECT_EQ(board.runningValuePaint, Paint::Red);  // 0 does not beat a reference of 0
}

TEST(ScoreboardCountDown, EliminationCountsUpAndSaysPoints) {
  Table<Elimination> table({"Anna", "Ben"});
  table.Start();
  table.Play("T20 T20 T20");
  table.Play("LS1 0 0");
  table.Enter("T20 LS5");
  const auto board = table.Board(ModePanel::CountDown);
  EXPECT_EQ(board.countDown.turnPoints, "65");
  EXPECT_EQ(board.countDown.remaining, "245");
  EXPECT_EQ(board.countDown.remainingCaption, "Points");
  EXPECT_EQ(Captions(board.players), (Cells{"Player 150", "Points 150", "Avg. 100"}));
  EXPECT_EQ(board.players.rows[0].cells, (Cells{"Anna", "180", "180,00"}));
  EXPECT_EQ(board.players.rows[1].cells, (Cells{"Ben", "1", "1,00"}));
}

TEST(ScoreboardPlayer, NameOverTheBoardOnlyRightAfterAChangeOfTurn) {
  Table<Game501DoubleOut> table;
  table.Start();
  for (const bool changed : {true, false}) {
    const auto board = table.Board(ModePanel::CountDown, {{}, {}, changed});
    EXPECT_EQ(board.nickname, "Anna");
    EXPECT_EQ(board.nameOverBoard, changed ? "Anna" : "");
    EXPECT_EQ(board.points, "501");
  }
}

TEST(ScoreboardPlayer, PictureIsTheOwnJpegElseTheCommonBitmapElseNone) {
  struct Case {
    const char* nickname;
    std::vector<std::string> files;
    std::string expected;  // relative to the program folder; empty: none
  };
  const Case cases[] = {
      {"Anna", {}, ""},
      {"Anna", {"player.bmp"}, "player.bmp"},
      {"Anna", {"player.bmp", "pictures/Anna.jpg"}, "pictures/Anna.jpg"},
      {"Anna", {"pictures/Ben.jpg"}, ""},
      {"Anna", {"pictures/Anna.jpg/inside"}, ""},  // a folder is no picture
      // A nickname never reaches outside the pictures folder.
      {"../Anna", {"Anna.jpg", "player.bmp"}, "player.bmp"},
      {"x/../../Anna", {"Anna.jpg", "pictures/x/keep"}, ""},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    for (const auto& file : c.files) {
      std::filesystem::create_directories((folder / file).parent_path());
      std::ofstream(folder / file) << "picture";
    }
    Table<Game501DoubleOut> table({c.nickname});
    table.Start();
    const auto picture = table.Board(ModePanel::CountDown, {folder.Path(), {}, true}).picture;
    if (c.expected.empty()) {
      EXPECT_FALSE(picture) << c.nickname << " " << picture.value_or("").string();
    } else {
      EXPECT_EQ(picture, folder / c.expected) << c.nickname;
    }
  }
  Table<Game501DoubleOut> nowhere;
  nowhere.Start();
  EXPECT_FALSE(nowhere.Board(ModePanel::CountDown).picture);  // no program folder given
}

}  // namespace
}  // namespace korvanti
