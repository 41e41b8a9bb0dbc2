#include <gtest/gtest.h>

#include "DartText.h"
#include "engine/PlayerTurns.h"
#include "platform/Guid.h"

namespace korvanti {
namespace {

using testing::EnterDarts;
using testing::MakeTurn;

TEST(Dart, ValuesNumbersAndMultipliers) {
  struct Case {
    const char* code;
    int value;
    int number;
    int multiplier;
  };
  const Case cases[] = {{"T19", 57, 19, 3}, {"D25", 50, 25, 2}, {"SS25", 25, 25, 1},
                        {"LS4", 4, 4, 1},   {"0", 0, 0, 1},     {"na", 0, 0, 1},
                        {"", 0, 0, 1}};
  for (const auto& c : cases) {
    Dart dart;
    dart.hit = c.code;
    dart.aim = c.code;
    EXPECT_EQ(dart.HitValue(), c.value) << c.code;
    EXPECT_EQ(dart.AimValue(), c.value) << c.code;
    EXPECT_EQ(dart.HitNumber(), c.number) << c.code;
    EXPECT_EQ(dart.AimNumber(), c.number) << c.code;
    EXPECT_EQ(dart.HitMultiplier(), c.multiplier) << c.code;
  }
}

TEST(Dart, ClearKeepsTheAimOnlyWhenAsked) {
  Dart dart{"D16", "D8", 138, 455, 140, 450, 2};
  dart.Clear(true);
  EXPECT_EQ(dart.aim, "D16");
  EXPECT_EQ(dart.aimX, 138);
  EXPECT_FALSE(dart.HasHit());
  EXPECT_EQ(dart.hitX, 0);
  EXPECT_EQ(dart.marks, 0);
  dart.Clear(false);
  EXPECT_FALSE(dart.HasAim());
  EXPECT_EQ(dart.aimY, 0);
}

TEST(Turn, DeleteLastHitTakesBackTheLastEnteredDart) {
  auto turn = MakeTurn("T20 S5");
  turn.Hit(2).aim = "T20";
  turn.DeleteLastHit(true);
  EXPECT_EQ(turn.FirstEmptyHit(), 2);
  EXPECT_EQ(turn.Hit(2).aim, "T20");
  turn.DeleteLastHit(false);
  EXPECT_EQ(turn.FirstEmptyHit(), 1);

  Turn empty;
  empty.Hit(1).aim = "D20";
  empty.DeleteLastHit(false);
  EXPECT_EQ(empty.Hit(1).aim, "D20");

  auto full = MakeTurn("T20 T20 T20");
  full.DeleteLastHit(false);
  EXPECT_EQ(full.FirstEmptyHit(), 3);
  EXPECT_FALSE(full.IsComplete());
}

TEST(Turn, ScoresMarksAndClearing) {
  auto turn = MakeTurn("T20 D20 LS5", false);
  turn.Hit(1).marks = 3;
  turn.Hit(2).marks = 2;
  EXPECT_TRUE(turn.IsComplete());
  EXPECT_EQ(turn.TurnScore(false), 0);
  EXPECT_EQ(turn.TurnScore(true), 105);
  EXPECT_EQ(turn.MarksSum(), 5);

  turn.Hit(1).aim = "T20";
  turn.Hit(2).aim = "D20";
  turn.ClearLastAim();
  EXPECT_EQ(turn.Hit(2).aim, "");
  EXPECT_EQ(turn.Hit(1).aim, "T20");
  turn.scoreBefore = 100;
  turn.Clear();
  EXPECT_EQ(turn.FirstEmptyHit(), 1);
  EXPECT_EQ(turn.Hit(1).aim, "");
  EXPECT_EQ(turn.scoreBefore, 0);
  EXPECT_FALSE(turn.counts);  // the verdict is not the clearing's business
}

TEST(PlayerTurns, BookedTurnsAreIndependentCopiesWithNotThrownDarts) {
  PlayerTurns list;
  EnterDarts(list.current, "D16");
  list.current.Hit(1).aim = "D16";
  list.current.Hit(1).hitX = 138;
  list.current.scoreBefore = 32;
  list.AddTurn(list.current);
  list.current.Clear();

  const auto& booked = list.At(0);
  EXPECT_TRUE(IsGuidString(booked.turnId));
  EXPECT_EQ(booked.Hit(1).hit, "D16");
  EXPECT_EQ(booked.Hit(1).aim, "D16");
  EXPECT_EQ(booked.Hit(1).hitX, 138);
  EXPECT_EQ(booked.Hit(2).hit, "na");
  EXPECT_EQ(booked.Hit(3).hit, "na");
  EXPECT_EQ(booked.scoreBefore, 32);
  EXPECT_EQ(booked.TurnScore(false), 32);

  const auto firstId = booked.turnId;
  list.AddTurn(MakeTurn("0 0 0"));
  EXPECT_NE(list.At(1).turnId, firstId);
}

TEST(PlayerTurns, AverageCountsBustsWithZero) {
  PlayerTurns list;
  list.AddTurn(MakeTurn("T20 0 0"));
  list.AddTurn(MakeTurn("LS20 LS20 LS20"));
  list.AddTurn(MakeTurn("T15 0 0", false));
  EXPECT_DOUBLE_EQ(list.Average(), 40.0);
  EXPECT_DOUBLE_EQ(PlayerTurns().Average(), 0.0);
}

TEST(PlayerTurns, DartsThrownCountsTheTurnInProgress) {
  PlayerTurns list;
  for (int i = 0; i < 4; ++i) {
    list.AddTurn(MakeTurn("1 1 1"));
  }
  EnterDarts(list.current, "T20 T20");
  EXPECT_EQ(list.DartsThrown(), 14);
}

TEST(PlayerTurns, CricketMarks) {
  PlayerTurns list;
  list.AddTurn(MakeTurn("T20 D20 SS20"));
  list.AddTurn(MakeTurn("LS2 SS25 D25"));
  EnterDarts(list.current, "LS20");
  list.current.Hit(1).marks = 1;
  EXPECT_EQ(list.MarksOnNumber(20, false), 6);
  EXPECT_EQ(list.MarksOnNumber(20, true), 7);
  EXPECT_EQ(list.MarksOnNumber(25, false), 3);
  EXPECT_EQ(list.MarksOnNumber(2, false), 1);
  EXPECT_EQ(list.MarksInTurn(20), 1);
  // Marks per three darts over booked turns and the turn in progress: 1 mark in 7 darts.
  EXPECT_DOUBLE_EQ(list.MarksPerRound(), 3.0 / 7.0);
}

TEST(PlayerTurns, SegmentAndAimHits) {
  PlayerTurns list;
  auto turn = MakeTurn("T20 SS20 D25");
  turn.Hit(1).aim = "T20";   // exact hit and segment hit
  turn.Hit(2).aim = "LS20";  // segment hit only
  turn.Hit(3).aim = "SS25";  // the bull's eye satisfies the outer bull
  list.AddTurn(turn);
  EnterDarts(list.current, "0");  // no aim: number 0 equals a miss's number
  EXPECT_EQ(list.SegmentHits(), 4);
  EXPECT_EQ(list.AimHits(), 2);
  EXPECT_DOUBLE_EQ(list.AimHitRate(), 50.0);
  EXPECT_DOUBLE_EQ(PlayerTurns().AimHitRate(), 0.0);
}

}  // namespace
}  // namespace korvanti
