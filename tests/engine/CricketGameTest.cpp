#include <gtest/gtest.h>

#include "GameTable.h"
#include "engine/CricketGame.h"

namespace korvanti {
namespace {

using testing::GameTable;

template <typename Game>
struct Case {
  const char* booked;    // Anna's booked turn before
  const char* opponent;  // Ben's booked turn
  const char* darts;
  int points;
  std::array<int, 3> marks;
};

template <typename Game>
void Check(const Case<Game>& c) {
  GameTable<Game> table({"Anna", "Ben"});
  table.Start();
  if (*c.booked)
    table.Turns(0).AddTurn(testing::MakeTurn(c.booked));
  if (*c.opponent)
    table.Turns(1).AddTurn(testing::MakeTurn(c.opponent));
  table.Enter(c.darts);
  // Entering the darts has marked them already; the question only reads.
  const auto& current = table.Turns(0).current;
  EXPECT_EQ((std::array<int, 3>{current.Hit(1).marks, current.Hit(2).marks, current.Hit(3).marks}),
            c.marks)
      << c.darts;
  EXPECT_EQ(table.game.PendingPoints(), c.points) << c.darts;
  EXPECT_EQ(table.game.EvaluateTurn(), c.points) << c.darts;
  EXPECT_EQ((std::array<int, 3>{current.Hit(1).marks, current.Hit(2).marks, current.Hit(3).marks}),
            c.marks)
      << c.darts;
}

TEST(CricketGame, MarksAndPoints) {
  const Case<CricketGame> cases[] = {
      {"", "", "T20 T20", 60, {3, 0, 0}},          {"D20 0 0", "", "T20", 40, {1, 0, 0}},
      {"T19 0 0", "T19 0 0", "T19", 0, {0, 0, 0}}, {"", "", "SS25 D25", 0, {1, 2, 0}},
      {"D25 SS25 0", "", "D25", 50, {0, 0, 0}},    {"", "", "LS15 D15 T15", 45, {1, 2, 0}},
      {"", "", "T14 LS1 0", 0, {0, 0, 0}},
  };
  for (const auto& c : cases)
    Check(c);
}

TEST(MasterCricketGame, PointsOnlyForDoublesAndTreblesAfterTheSameNumber) {
  const Case<MasterCricketGame> cases[] = {
      {"T20 0 0", "", "T20", 0, {0, 0, 0}},         // closed before, not all closed
      {"LS20 0 0", "", "LS20 T20", 40, {1, 1, 0}},  // an earlier dart hit 20
      {"D20 0 0", "", "LS20 T20", 0, {1, 0, 0}},    // 20 closed by the first dart
      {"LS20 0 0", "", "D20 LS20", 0, {2, 0, 0}},   // a spare single never scores
      {"", "", "T20 T20", 0, {3, 0, 0}},
  };
  for (const auto& c : cases)
    Check(c);

  // With all numbers closed a double on an open number scores.
  GameTable<MasterCricketGame> table({"Anna", "Ben"});
  table.Start();
  table.Turns(0).AddTurn(testing::MakeTurn("T15 T16 T17"));
  table.Turns(0).AddTurn(testing::MakeTurn("T18 T19 T20"));
  table.Turns(0).AddTurn(testing::MakeTurn("D25 SS25 0"));
  table.Enter("D20 LS20");
  EXPECT_EQ(table.game.EvaluateTurn(), 40);
}

TEST(CricketGame, CutThroatChargesThoseWithTheNumberOpen) {
  GameTable<CricketGame> table({"Anna", "Ben", "Carl"});
  table.game.cutThroat = true;
  table.Start();
  EXPECT_FALSE(table.game.undoAllowed);
  table.Turns(0).AddTurn(testing::MakeTurn("T19 0 0"));
  table.Turns(2).AddTurn(testing::MakeTurn("T19 0 0"));
  table.Enter("T19");
  EXPECT_EQ(table.game.EvaluateTurn(), 0);
  EXPECT_EQ(table.Turns(1).bookedScore, -57);
  EXPECT_EQ(table.Turns(1).score, 0);  // only tentative until the check-in
  table.game.CheckIn();
  EXPECT_EQ(table.Turns(0).score, 0);
  EXPECT_EQ(table.Turns(1).score, -57);
  EXPECT_EQ(table.Turns(2).score, 0);
}

TEST(CricketGame, CutThroatChargesFollowTheDartsEnteredAndTakenBack) {
  GameTable<CricketGame> table({"Anna", "Ben", "Carl"});
  table.game.cutThroat = true;
  table.Start();
  table.Turns(0).AddTurn(testing::MakeTurn("T19 T20 0"));
  table.Turns(2).AddTurn(testing::MakeTurn("T19 0 0"));
  table.Enter("T19 LS20");
  EXPECT_EQ(table.game.PendingCharges(), (std::vector<int>{0, 77, 20}));
  EXPECT_EQ(table.game.PendingPoints(), 0);
  EXPECT_EQ(table.Turns(1).bookedScore, -77);
  EXPECT_EQ(table.Turns(2).bookedScore, -20);

  table.game.CurrentTurns().current.DeleteLastHit(true);
  table.game.IsTurnValid();
  EXPECT_EQ(table.game.PendingCharges(), (std::vector<int>{0, 57, 0}));
  EXPECT_EQ(table.Turns(1).bookedScore, -57);
  EXPECT_EQ(table.Turns(2).bookedScore, 0);
}

// The game screen asks these after every dart; asking must change nothing.
TEST(CricketGame, QuestionsLeaveTheGameAsItIs) {
  GameTable<MasterCricketGame> table({"Anna", "Ben"});
  table.game.cutThroat = true;
  table.Start();
  table.Turns(0).AddTurn(testing::MakeTurn("T15 T16 T17"));
  table.Turns(0).AddTurn(testing::MakeTurn("T18 T19 T20"));
  table.Turns(0).AddTurn(testing::MakeTurn("D25 SS25 0"));
  auto& current = table.game.CurrentTurns().current;
  testing::EnterDarts(current, "D20 T19");  // not entered through IsTurnValid: no marks yet
  const CricketGame& game = table.game;
  EXPECT_TRUE(game.IsFinished());
  EXPECT_EQ(game.LeaderIndex(), 0);
  EXPECT_FALSE(game.HasProposal());
  EXPECT_TRUE(game.IsTurnOver());
  EXPECT_EQ(game.GameOverText(), "Game over. The Winner is: Anna after 1 rounds");
  EXPECT_EQ(game.PendingCharges(), (std::vector<int>{0, 97}));
  EXPECT_EQ(table.Turns(1).bookedScore, 0);
  EXPECT_EQ(current.MarksSum(), 0);

  table.game.IsTurnValid();
  EXPECT_EQ(table.Turns(1).bookedScore, -97);
  EXPECT_EQ(current.MarksSum(), 0);  // nothing left to mark for Anna
}

TEST(CricketGame, CheckInBooksPointsAndMarks) {
  GameTable<CricketGame> table({"Anna", "Ben"});
  table.Start();
  table.Play("T20 T20 0");
  EXPECT_EQ(table.Turns(0).score, 60);
  EXPECT_EQ(table.Turns(0).bookedScore, 60);
  EXPECT_EQ(table.Turns(0).Last().scoreBefore, 0);
  EXPECT_EQ(table.Turns(0).Last().Hit(1).marks, 3);
  EXPECT_EQ(table.Turns(0).Last().MarksSum(), 3);
  EXPECT_EQ(table.game.currentPlayer, 1);
}

TEST(CricketGame, LeaderByClosedNumbersThenPointsThenOrder) {
  GameTable<CricketGame> table({"Anna", "Ben"});
  table.Start();
  EXPECT_EQ(table.game.LeaderIndex(), 0);
  table.Turns(1).AddTurn(testing::MakeTurn("T20 0 0"));
  EXPECT_EQ(table.game.LeaderIndex(), 1);
  table.Turns(0).AddTurn(testing::MakeTurn("T19 0 0"));
  EXPECT_EQ(table.game.LeaderIndex(), 0);
  table.Turns(1).score = 5;
  EXPECT_EQ(table.game.LeaderIndex(), 1);
}

TEST(CricketGame, ClosingEverythingWithoutBeingBehindEndsTheGame) {
  GameTable<CricketGame> table({"Anna", "Ben"});
  table.Start();
  table.Turns(1).score = 10;
  table.Turns(1).bookedScore = 10;
  table.Play("T15 T16 T17");
  table.Play("0 0 0");
  table.Play("T18 T19 T20");
  table.Play("0 0 0");
  table.Enter("D25 SS25");
  EXPECT_FALSE(table.game.IsFinished());  // all closed, but 10 points behind
  table.game.CurrentTurns().current.Clear();
  table.Enter("D25 SS25 T20");
  EXPECT_TRUE(table.game.IsFinished());
  table.game.CheckIn();
  EXPECT_EQ(table.game.GameOverText(), "Game over. The Winner is: Anna after 3 rounds");
}

TEST(CricketGame, TheRoundLimitEndsAfterTheTwentiethRound) {
  GameTable<CricketGame> table({"Anna", "Ben"});
  table.Start();
  for (int turn = 0; turn < 39; ++turn)
    table.Play("0 0 0");
  EXPECT_FALSE(table.game.IsFinished());
  table.Play("0 0 0");
  EXPECT_TRUE(table.game.IsFinished());
  EXPECT_EQ(table.game.round, 21);
  EXPECT_EQ(table.game.GameOverText(), "Game over. The Winner is: Anna after 20 rounds");

  GameTable<CricketTraining> practice;
  practice.Start();
  EXPECT_EQ(practice.game.gameTypeKey, "constpractice_cricket");
  practice.Play("T15 T16 T17");
  EXPECT_EQ(practice.game.GameOverText(), "Practice over after 2 rounds");
}

}  // namespace
}  // namespace korvanti
