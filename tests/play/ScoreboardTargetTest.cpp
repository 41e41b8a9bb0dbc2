#include <gtest/gtest.h>

#include <string>

#include "ScoreboardTable.h"
#include "TempFolder.h"
#include "engine/BobsTwentySeven.h"
#include "engine/CatchForty.h"
#include "engine/GameCatalog.h"
#include "engine/HalveIt.h"
#include "engine/LevelTraining.h"
#include "engine/RoundTheBoard.h"
#include "engine/SegmentTrainings.h"

namespace korvanti {
namespace {

using testing::Captions;
using testing::Cells;
using testing::Table;

TEST(ScoreboardTarget, SegmentTrainingListsHitsTriesAndRate) {
  Table<Treble20Training> table;
  table.game.trainingRounds = 10;
  table.game.ignoreMisses = true;
  table.Start();
  auto board = table.Board(ModePanel::Target);
  EXPECT_EQ(board.runningValue, "0 (0)%");
  EXPECT_EQ(board.roundsToGo, "9 übrig");
  EXPECT_EQ(board.nextTargets, (std::array<std::string, 3>{"T20", "T20", "T20"}));
  EXPECT_EQ(board.players.rows[0].cells, (Cells{"Anna", "0", "0", "0 %"}));

  table.PlayAtTargets("T20 LS20 0");  // one on target, two on the segment
  for (const auto& [referenceAverage, paint] :
       {std::pair{66.0, Paint::Green}, {67.0, Paint::Red}}) {
    table.game.players.At(0).referenceAverage = referenceAverage;
    board = table.Board(ModePanel::Target);
    EXPECT_EQ(board.runningValue, "33 (67)%");
    EXPECT_EQ(board.runningValuePaint, paint) << referenceAverage;  // against the segment rate
  }
  EXPECT_EQ(Captions(board.players), (Cells{"Player 100", "Hits 100", "Trys 100", "Avg. 100"}));
  EXPECT_EQ(board.players.rows[0].cells, (Cells{"Anna", "1", "3", "33,33 %"}));
  // Which count is which: the exact field in the figure, the number in the list.
  EXPECT_EQ(board.runningValueHint,
            "Treffer genau im Zielfeld in %, in Klammern Treffer der Zahl (jedes Feld des "
            "Segments)");
  EXPECT_NE(board.players.columns[1].hint.find("Treffer der Zahl"), std::string::npos);
  EXPECT_NE(board.players.columns[1].hint.find("Übersicht"), std::string::npos);
  EXPECT_EQ(board.roundsToGo, "8 übrig");
  EXPECT_EQ(board.round, "2");
}

TEST(ScoreboardTarget, RoundTheBoardShowsLastHitAndTheNextTargetsOfTheFreeDarts) {
  Table<RoundTheBoardSingles> table({"Anna", "Ben"});
  table.Start();
  table.Enter("SS1");
  const auto board = table.Board(ModePanel::Target);
  EXPECT_EQ(Captions(board.players), (Cells{"Player 100", "Last hit 200"}));
  EXPECT_EQ(board.nextTargets, (std::array<std::string, 3>{"", "LS2", "LS3"}));
  EXPECT_EQ(board.players.rows[0].cells, (Cells{"Anna", "0"}));
  EXPECT_FALSE(board.roundsToGo);
  EXPECT_EQ(board.points, "0");
}

TEST(ScoreboardTarget, ARoundWithoutOneFieldNamesItsTargetForTheDartsToThrow) {
  Table<HalveIt> table;
  table.Start();
  EXPECT_EQ(table.Board(ModePanel::Target).nextTargets,
            (std::array<std::string, 3>{"15", "15", "15"}));
  table.Enter("T15");
  const auto board = table.Board(ModePanel::Target);
  EXPECT_EQ(board.nextTargets, (std::array<std::string, 3>{"", "15", "15"}));
  EXPECT_EQ(board.players.rows[0].cells, (Cells{"Anna", "40", "15", "0"}));
}

// The scored routines list score, next target and hits per player; Catch 40
// its target, the darts left on it, points and checkouts.
TEST(ScoreboardTarget, PracticeRoutinesListTheirTargetsAndHits) {
  Table<BobsTwentySeven> bobs({"Anna", "Ben"});
  bobs.Start();
  bobs.Play("D1 D1 0");  // Anna: 31
  bobs.Play("0 0 0");    // Ben: 25
  bobs.Play("D2 0 0");   // Anna: 35
  auto board = bobs.Board(ModePanel::Target);
  EXPECT_EQ(Captions(board.players),
            (Cells{"Player 100", "Punkte 100", "Ziel 100", "Treffer 100"}));
  EXPECT_EQ(board.players.rows[0].cells, (Cells{"Anna", "35", "D3", "3"}));
  EXPECT_EQ(board.players.rows[1].cells, (Cells{"Ben", "25", "D2", "0"}));

  Table<HalveIt> halveIt;
  halveIt.Start();
  halveIt.Play("LS15 T15 0");  // 40 + 60
  halveIt.Play("LS1 0 0");     // halved
  EXPECT_EQ(halveIt.Board(ModePanel::Target).players.rows[0].cells,
            (Cells{"Anna", "50", "D", "2"}));

  Table<CatchForty> catchForty;
  catchForty.Start();
  catchForty.Play("T15 D8");  // 61 in two darts: 3 points
  catchForty.Enter("T20");    // 62: 2 left, one dart thrown
  board = catchForty.Board(ModePanel::CountDown);
  EXPECT_EQ(Captions(board.players),
            (Cells{"Player 100", "Ziel 60", "Darts übrig 90", "Punkte 70", "Checkouts 80"}));
  EXPECT_EQ(board.players.rows[0].cells, (Cells{"Anna", "62", "5", "3", "1"}));
}

TEST(ScoreboardTarget, ShanghaiCountsRoundsDownToNothing) {
  Table<Shanghai> table;
  table.Start();
  EXPECT_EQ(table.Board(ModePanel::Target).roundsToGo, "6 übrig");
  for (int turn = 0; turn < 7; ++turn) {
    table.Play("0 0 0");
  }
  ASSERT_TRUE(table.game.IsFinished());
  EXPECT_EQ(table.Board(ModePanel::Target).roundsToGo, "0 übrig");
}

TEST(ScoreboardTarget, PirmelShowsTheLevelAndItsHitRate) {
  TempFolder folder;
  Table<LevelTraining> table;
  table.game.levelFile = folder / "Korvanti.ini";
  table.game.startLevel = 1;
  table.game.maxLevel = 2;
  table.Start();
  table.game.players.At(0).referenceAverage = 50.0;
  auto board = table.Board(ModePanel::Target);
  EXPECT_EQ(board.roundsToGo, "1 Level");
  EXPECT_EQ(board.runningValue, "0 %");
  EXPECT_EQ(board.runningValuePaint, Paint::Red);
  EXPECT_EQ(board.nextTargets, (std::array<std::string, 3>{"LS1", "LS1", "LS1"}));

  table.PlayAtTargets("LS1 LS1 0");
  board = table.Board(ModePanel::Target);
  EXPECT_EQ(board.runningValue, "67 %");
  EXPECT_EQ(board.runningValuePaint, Paint::Green);  // the shown rate beats the reference
  EXPECT_EQ(Captions(board.players), (Cells{"Player 100", "Last hit 200"}));
}

// Every target game of the start window: the segment trainings list hits, tries and rate and
// count the rounds down; Shanghai counts rounds too; Bob's 27 and Halve-It list score, target
// and hits; the others show the last hit only.
TEST(ScoreboardTarget, ColumnsAndRoundsToGoFollowTheGameClass) {
  TempFolder folder;
  for (const auto& entry : GameCatalog()) {
    if (entry.panel != ModePanel::Target) {
      continue;
    }
    auto game = CreateGame(entry);
    auto player = std::make_unique<Player>();
    player->nickname = "Anna";
    game->AddPlayer(std::move(player));
    if (auto* training = dynamic_cast<SegmentTraining*>(game.get())) {
      training->trainingRounds = 2;
      training->definition = "D20=3";
    }
    if (auto* pirmel = dynamic_cast<LevelTraining*>(game.get())) {
      pirmel->levelFile = folder / "Korvanti.ini";
      pirmel->startLevel = 1;
      pirmel->maxLevel = 1;
    }
    game->InitGameType();
    game->NewGame();
    const auto board = BuildScoreboard(*game, entry.panel, {});
    const std::string label(entry.label);
    const bool segment = entry.Takes(StartOption::IgnoreMisses);  // the segment drills
    const bool routine = entry.gameTypeKey == "constbobs27" || entry.gameTypeKey == "consthalveit";
    const Cells expected = segment   ? Cells{"Player 100", "Hits 100", "Trys 100", "Avg. 100"}
                           : routine ? Cells{"Player 100", "Punkte 100", "Ziel 100", "Treffer 100"}
                                     : Cells{"Player 100", "Last hit 200"};
    EXPECT_EQ(Captions(board.players), expected) << label;
    if (segment || entry.gameTypeKey == "constshanghai") {
      ASSERT_TRUE(board.roundsToGo) << label;
      EXPECT_EQ(*board.roundsToGo, std::to_string(game->rounds - 1) + " übrig") << label;
    } else if (dynamic_cast<LevelTraining*>(game.get()) != nullptr) {
      EXPECT_EQ(board.roundsToGo, "1 Level");
    } else {
      EXPECT_FALSE(board.roundsToGo) << label;
    }
  }
}

}  // namespace
}  // namespace korvanti
