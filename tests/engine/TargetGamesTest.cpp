#include <gtest/gtest.h>

#include "GameTable.h"
#include "engine/RoundTheBoard.h"
#include "engine/SegmentTrainings.h"

namespace korvanti {
namespace {

using testing::GameTable;

std::vector<std::string> Targets(const Game& game) {
  const auto& targets = game.CurrentTargets();
  return {targets.Hit(1).aim, targets.Hit(2).aim, targets.Hit(3).aim};
}

TEST(RoundTheBoard, HitsMoveThePlayerThroughTheSteps) {
  struct Case {
    const char* darts;
    int progress;
  };
  const Case cases[] = {{"SS1 D2 T3", 3}, {"SS1 LS1 D2", 2}, {"D1 0 T2", 2}, {"LS2 0 0", 0}};
  for (const auto& c : cases) {
    GameTable<RoundTheBoardSingles> table;
    table.Start();
    table.Play(c.darts);
    EXPECT_EQ(table.Turns(0).progress, c.progress) << c.darts;
    EXPECT_EQ(table.Turns(0).score, c.progress) << c.darts;
  }
}

TEST(RoundTheBoard, TheBullStepTakesBothBulls) {
  for (const char* bull : {"SS25", "D25"}) {
    GameTable<RoundTheBoardSingles> table;
    table.Start();
    table.Turns(0).progress = 20;
    table.Play(bull);
    EXPECT_EQ(table.Turns(0).score, 1) << bull;
  }
  GameTable<RoundTheBoardDoubles> doubles;
  doubles.Start();
  doubles.Play("SS1 LS1 T1");
  EXPECT_EQ(doubles.Turns(0).progress, 0);
  EXPECT_EQ(doubles.game.goal, 20);
  EXPECT_EQ(doubles.game.gameTypeKey, "constpractice_rounddouble");
}

TEST(RoundTheBoard, CurrentTargetsFollowTheDartsEntered) {
  GameTable<RoundTheBoardSingles> table;
  table.Start();
  table.Turns(0).progress = 4;
  EXPECT_EQ(Targets(table.game), (std::vector<std::string>{"LS5", "LS6", "LS7"}));
  table.Enter("SS5");
  EXPECT_EQ(Targets(table.game), (std::vector<std::string>{"", "LS6", "LS7"}));

  GameTable<RoundTheBoardDoublesAndBull> bull;
  bull.Start();
  EXPECT_EQ(Targets(bull.game), (std::vector<std::string>{"D1", "D25", "D2"}));
  EXPECT_EQ(bull.game.rounds, 160);
}

TEST(RoundTheBoard, TheLastStepEndsTheTurnAndCounts) {
  GameTable<RoundTheBoardDoubles> table;
  table.Start();
  table.Turns(0).progress = 18;
  table.Turns(0).score = 18;
  table.Enter("D19 D20");
  EXPECT_TRUE(table.game.IsFinished());  // no target for the third dart
  table.game.CheckIn();
  EXPECT_EQ(table.Turns(0).score, 20);
  EXPECT_EQ(table.game.GameOverText(), "Practice over  with 20 points.");
}

TEST(Shanghai, SingleDoubleAndTrebleInOneTurnWins) {
  struct Case {
    const char* darts;
    int score;
    bool finished;
  };
  const Case cases[] = {{"SS5 D6 T7", 21, true}, {"SS5 SS6 T7", 3, false}, {"T5 D6 LS7", 21, true}};
  for (const auto& c : cases) {
    GameTable<Shanghai> table({"Anna", "Ben"});
    table.Start();
    table.Turns(0).progress = 4;
    table.Play(c.darts);
    EXPECT_EQ(table.Turns(0).score, c.score) << c.darts;
    EXPECT_EQ(table.game.IsFinished(), c.finished) << c.darts;
  }
}

TEST(Shanghai, EndsAfterSevenRoundsWithTheMostHits) {
  GameTable<Shanghai> table({"Anna", "Ben"});
  table.Start();
  for (int round = 1; round <= 7; ++round) {
    table.Play("0 0 0");
    EXPECT_FALSE(table.game.IsFinished());
    table.Play(round == 1 ? "LS1 0 0" : "0 0 0");
  }
  EXPECT_TRUE(table.game.IsFinished());
  EXPECT_EQ(table.game.LeaderIndex(), 1);
  EXPECT_EQ(table.game.GameOverText(), "Game over. The Winner is: Ben with 1 points.");
}

TEST(SegmentTraining, CountsHitsOverTheChosenRounds) {
  GameTable<Segment20Training> table;
  table.game.trainingRounds = 10;
  table.game.ignoreMisses = true;
  table.Start();
  table.Play("LS20 T20 SS1");
  EXPECT_EQ(table.Turns(0).score, 2);
  EXPECT_EQ(table.Turns(0).progress, 3);
  for (int round = 2; round < 10; ++round) {
    table.Play("0 0 0");
  }
  table.Enter("D20 SS20");
  EXPECT_FALSE(table.game.IsFinished());
  table.Enter("D20 SS20 0");
  EXPECT_TRUE(table.game.IsFinished());
  table.game.CheckIn();
  EXPECT_EQ(table.game.GameOverText(), "Practice over! with 4 hits out of 30 trys.");
}

TEST(SegmentTraining, DoublesTrainingWalksThroughItsDoubles) {
  GameTable<DoublesRoundTraining> table;
  table.game.trainingRounds = 2;
  table.game.ignoreMisses = true;
  table.Start();
  EXPECT_EQ(table.game.rounds, 16);
  EXPECT_EQ(Targets(table.game)[0], "D20");
  table.Play("0 0 0");
  EXPECT_EQ(Targets(table.game)[0], "D20");
  table.Play("0 0 0");
  EXPECT_EQ(Targets(table.game)[0], "D16");
}

TEST(SegmentTraining, RoundsAreCappedAndBullsCountBoth) {
  GameTable<BullseyeTraining> table;
  table.game.trainingRounds = 150;
  table.game.ignoreMisses = true;
  table.Start();
  EXPECT_EQ(table.game.rounds, 100);
  EXPECT_EQ(table.game.targetSteps.size(), 300u);
  table.Play("D25 SS25 LS25");
  EXPECT_EQ(table.Turns(0).score, 2);
}

TEST(FreeThrowTraining, FreeThrowingForTheChosenRounds) {
  GameTable<FreeThrowTraining> table;
  table.game.trainingRounds = 5;
  table.Start();
  for (int turn = 0; turn < 5; ++turn) {
    EXPECT_FALSE(table.game.IsFinished());
    table.Play("T20 LS1 0");
  }
  EXPECT_TRUE(table.game.IsFinished());
  EXPECT_EQ(table.Turns(0).Count(), 5u);
  EXPECT_EQ(table.Turns(0).score, 0);
  EXPECT_EQ(table.game.GameOverText(), "Training zu Ende");
  EXPECT_EQ(table.game.gameTypeKey, "constpractice_self");
}

}  // namespace
}  // namespace korvanti
