// The practice routines whose score depends on every hit and miss.
#include <gtest/gtest.h>

#include "GameTable.h"
#include "engine/BobsTwentySeven.h"
#include "engine/CatchForty.h"
#include "engine/HalveIt.h"
#include "engine/RoundTheBoard.h"

namespace korvanti {
namespace {

using testing::GameTable;

TEST(BobsTwentySeven, EachDoubleAddsItsValueAndARoundWithoutOneTakesItOff) {
  struct Case {
    int step;  // the target: 0 is D1, 20 the bull
    int score;
    const char* darts;
    int after;
    bool finished;
  };
  const Case cases[] = {
      {0, 27, "D1 D1 D1", 33, false},  {0, 27, "D1 LS1 0", 29, false},
      {0, 27, "LS1 T1 0", 25, false},  {6, 20, "D7 0 D7", 48, false},
      {4, 7, "0 0 0", -3, true},  // below 0: the score stays as it is
      {4, 10, "0 0 0", 0, true},       {20, 100, "D25 SS25 D25", 200, true},
      {20, 100, "SS25 0 0", 50, true},
  };
  for (const auto& c : cases) {
    GameTable<BobsTwentySeven> table;
    table.Start();
    table.Turns(0).progress = c.step;
    table.Turns(0).score = c.score;
    table.Enter(c.darts);
    EXPECT_EQ(table.game.IsFinished(), c.finished) << c.darts;  // counting the turn in progress
    table.game.CheckIn();
    EXPECT_EQ(table.Turns(0).score, c.after) << c.darts;
    EXPECT_EQ(table.game.IsFinished(), c.finished) << c.darts;
  }
}

TEST(BobsTwentySeven, MissingEverythingEndsAfterFiveRounds) {
  GameTable<BobsTwentySeven> table;
  table.Start();
  EXPECT_EQ(table.game.gameTypeKey, "constbobs27");
  const auto targets = table.game.CurrentTargets();
  EXPECT_EQ(targets.Hit(1).aim, "D1");
  EXPECT_EQ(targets.Hit(3).aim, "D1");
  EXPECT_EQ(table.game.TargetText(), "D1");
  for (int round = 0; round < 5; ++round) {
    EXPECT_FALSE(table.game.IsFinished());
    table.Play("0 0 0");
  }
  EXPECT_EQ(table.Turns(0).score, 27 - 2 - 4 - 6 - 8 - 10);
  EXPECT_TRUE(table.game.IsFinished());
  EXPECT_FALSE(table.game.HasProposal());
  EXPECT_EQ(table.game.GameOverText(), "Practice over with -3 points.");
}

TEST(BobsTwentySeven, APlayerOutOfTheGameIsPassedOverAndUndoFindsWhoBookedLast) {
  GameTable<BobsTwentySeven> table({"Anna", "Ben"});
  table.Start();
  for (int round = 0; round < 4; ++round) {
    table.Play("0 0 0");   // Anna: 25, 21, 15, 7
    table.Play("D1 0 0");  // Ben hits his first double, then misses on
  }
  table.Play("0 0 0");  // Anna falls to -3 and is out
  EXPECT_EQ(table.game.currentPlayer, 1);
  table.Play("0 0 0");
  EXPECT_EQ(table.game.currentPlayer, 1);  // Anna is passed over
  const int benBefore = table.Turns(1).score;
  table.game.UndoCheckIn();
  EXPECT_EQ(table.game.currentPlayer, 1);
  EXPECT_EQ(table.Turns(1).score, benBefore + 10);
  table.game.UndoCheckIn();
  EXPECT_EQ(table.game.currentPlayer, 0);
  EXPECT_EQ(table.Turns(0).score, 7);
  EXPECT_EQ(table.Turns(0).progress, 4);
}

TEST(HalveIt, HitsAddTheirPointsAndARoundWithoutOneHalvesRoundedDown) {
  struct Case {
    int step;  // 0: 15, 2: any double, 5: any treble, 8: bull
    int score;
    const char* darts;
    int after;
  };
  const Case cases[] = {
      {0, 40, "T15 LS15 0", 100},   {0, 40, "T20 D16 0", 20},     {0, 41, "0 0 0", 20},
      {1, 40, "SS16 D16 T16", 136}, {2, 40, "D20 D25 LS20", 130}, {2, 35, "T20 LS1 0", 17},
      {5, 40, "T1 T20 D3", 103},    {5, 40, "D25 SS25 0", 20},    {8, 40, "SS25 D25 LS25", 115},
      {8, 9, "LS20 0 0", 4},
  };
  for (const auto& c : cases) {
    GameTable<HalveIt> table;
    table.Start();
    table.Turns(0).progress = c.step;
    table.Turns(0).score = c.score;
    table.Play(c.darts);
    EXPECT_EQ(table.Turns(0).score, c.after) << c.step << " " << c.darts;
  }
}

TEST(HalveIt, NineRoundsForEveryPlayerWithTheTargetsInOrder) {
  GameTable<HalveIt> table({"Anna", "Ben"});
  table.Start();
  EXPECT_EQ(table.game.gameTypeKey, "consthalveit");
  std::string labels;
  for (int round = 0; round < HalveIt::kRounds; ++round) {
    labels += std::string(HalveIt::TargetLabel(round)) + " ";
    EXPECT_FALSE(table.game.IsFinished());
    table.Play("0 0 0");
    table.Enter("0 0");
    EXPECT_FALSE(table.game.IsFinished());
    table.Enter("0 0 0");
    EXPECT_EQ(table.game.IsFinished(), round == HalveIt::kRounds - 1);
    table.game.CheckIn();
  }
  EXPECT_EQ(labels, "15 16 D 17 18 T 19 20 Bull ");
  EXPECT_EQ(table.game.TargetText(), "");  // all rounds played
  EXPECT_TRUE(table.game.IsFinished());
  EXPECT_EQ(table.Turns(0).score, 0);  // 40 halved nine times
  EXPECT_EQ(table.game.CurrentTargets().Hit(1).aim, "");
}

TEST(CatchForty, PointsByTheDartsACheckoutTook) {
  struct Case {
    std::vector<const char*> turns;  // from target 61
    int points;
    int nextTarget;  // the target being played afterwards
  };
  const Case cases[] = {
      {{"T15 D8"}, 3, 62},                    // two darts
      {{"LS11 LS10 D20"}, 2, 62},             // three
      {{"LS1 LS10 LS10", "D20"}, 1, 62},      // four
      {{"LS1 LS10 LS10", "0 0 D20"}, 1, 62},  // six
      {{"T20"}, 0, 62},                       // a bust ends the target at once
      {{"LS20 LS20 LS1"}, 0, 61},             // three darts of six, 20 left
      {{"0 0 0", "0 0 0"}, 0, 62},            // six misses
  };
  for (const auto& c : cases) {
    GameTable<CatchForty> table;
    table.Start();
    for (const char* turn : c.turns) {
      table.Play(turn);
    }
    const auto tally = table.game.Current();
    EXPECT_EQ(tally.points, c.points) << c.turns.front();
    EXPECT_EQ(CatchForty::kFirstTarget + tally.target, c.nextTarget) << c.turns.front();
  }
}

TEST(CatchForty, TheTurnEndsWithTheCheckoutOrTheBustAndUndoReplaysTheTurns) {
  GameTable<CatchForty> table;
  table.Start();
  EXPECT_EQ(table.game.gameTypeKey, "constcatch40");
  EXPECT_TRUE(table.game.doubleOut);
  table.Enter("T15");
  EXPECT_FALSE(table.game.IsTurnOver());
  table.Enter("T15 D8");
  EXPECT_TRUE(table.game.IsTurnOver());
  table.game.CheckIn();
  table.Enter("T20 LS1");  // 62: 2 left, then 1: a bust
  EXPECT_FALSE(table.Turns(0).current.counts);
  EXPECT_TRUE(table.game.IsTurnOver());
  table.game.CheckIn();
  EXPECT_EQ(table.Turns(0).score, 63);
  table.game.UndoCheckIn();
  EXPECT_EQ(table.Turns(0).score, 62);
  EXPECT_EQ(table.game.Current().points, 3);
}

TEST(CatchForty, NinetyNineInThreeDartsIsWorthThreeAndTheFortiethTargetEndsIt) {
  GameTable<CatchForty> table;
  table.Start();
  for (int target = 61; target < 99; ++target) {
    table.Play("0 0 0");
    table.Play("0 0 0");
  }
  EXPECT_EQ(table.Turns(0).score, 99);
  EXPECT_EQ(table.game.TargetText(), "99");
  table.Play("T19 LS10 D16");
  EXPECT_EQ(table.game.Current().points, 3);
  EXPECT_FALSE(table.game.IsFinished());
  table.Play("0 0 0");
  table.Enter("0 0 0");
  EXPECT_TRUE(table.game.IsFinished());  // the sixth dart at 100
  table.game.CheckIn();
  EXPECT_TRUE(table.game.IsFinished());
  EXPECT_FALSE(table.game.HasProposal());
  EXPECT_EQ(table.game.GameOverText(), "Practice over with 3 points, 1 of 40 checked out.");
}

TEST(RoundTheBoardTrebles, TheTreblesInOrderAndTheDartsNeeded) {
  GameTable<RoundTheBoardTrebles> table;
  table.Start();
  EXPECT_EQ(table.game.gameTypeKey, "constroundtheboardtriple");
  table.Play("T1 LS2 T2");
  EXPECT_EQ(table.Turns(0).progress, 2);
  EXPECT_EQ(table.game.TargetText(), "T3");
  table.Turns(0).progress = 19;
  table.Turns(0).score = 19;
  table.Enter("LS20 T20");
  EXPECT_TRUE(table.game.IsFinished());
  table.game.CheckIn();
  EXPECT_EQ(RoundTheBoardTrebles::DartsNeeded(table.Turns(0)), 5);
  EXPECT_EQ(table.game.GameOverText(), "Practice over after 5 darts.");
}

}  // namespace
}  // namespace korvanti
