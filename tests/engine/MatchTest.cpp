#include <gtest/gtest.h>

#include <vector>

#include "engine/BullOff.h"
#include "engine/Match.h"

namespace korvanti {
namespace {

struct MatchCase {
  const char* name;
  std::size_t players;
  MatchFormat format;
  std::size_t firstStarter;
  std::vector<std::size_t> legWinners;
  std::vector<std::size_t> starters;  // of each leg, in order
  std::vector<LegOutcome> outcomes;
  std::size_t winner;
};

using enum LegOutcome;

// The starter alternates leg by leg; with sets, each set begins with the
// player after the one who began the set before, and its legs alternate from there.
TEST(Match, StartersAlternateThroughLegsAndSets) {
  const MatchCase cases[] = {
      {"first to 3 legs", 2, {3, 1}, 1, {0, 0, 1, 0}, {1, 0, 1, 0}, {Leg, Leg, Leg, Match}, 0},
      {"2 legs, 2 sets, two players",
       2,
       {2, 2},
       0,
       {0, 1, 0, 1, 1, 0, 0},
       {0, 1, 0, 1, 0, 0, 1},
       {Leg, Leg, Set, Leg, Set, Leg, Match},
       0},
      {"2 legs, 2 sets, three players",
       3,
       {2, 2},
       2,
       {1, 1, 2, 0, 0, 1, 1},
       {2, 0, 0, 1, 2, 1, 2},
       {Leg, Set, Leg, Leg, Set, Leg, Match},
       1},
      {"a single game", 3, {1, 1}, 1, {2}, {1}, {Match}, 2},
  };
  for (const auto& c : cases) {
    MatchScore match(c.format, c.players, c.firstStarter);
    std::vector<std::size_t> starters;
    std::vector<LegOutcome> outcomes;
    for (const auto winner : c.legWinners) {
      ASSERT_FALSE(match.Finished()) << c.name;
      starters.push_back(match.Starter());
      outcomes.push_back(match.WinLeg(winner));
    }
    EXPECT_EQ(starters, c.starters) << c.name;
    EXPECT_EQ(outcomes, c.outcomes) << c.name;
    EXPECT_TRUE(match.Finished()) << c.name;
    EXPECT_EQ(match.Winner(), c.winner) << c.name;
    EXPECT_EQ(match.LegsPlayed(), static_cast<int>(c.legWinners.size())) << c.name;
  }
}

TEST(Match, CountsLegsPerSetAndOverTheMatch) {
  MatchScore match({2, 2}, 2);
  EXPECT_EQ(match.WinLeg(1), Leg);
  EXPECT_EQ(match.LegsOf(1), 1);
  EXPECT_EQ(match.Leg(), 2);
  EXPECT_EQ(match.WinLeg(1), Set);  // a new set: legs from 0 again
  EXPECT_EQ(match.LegsOf(1), 0);
  EXPECT_EQ(match.SetsOf(1), 1);
  EXPECT_EQ(match.TotalLegsOf(1), 2);
  EXPECT_EQ(match.Set(), 2);
  EXPECT_EQ(match.Leg(), 1);
  EXPECT_FALSE(match.Format().IsSingleGame());
  EXPECT_TRUE(match.Format().HasSets());
}

TEST(Match, OutOfRangeFormatsAreClampedAndNonsenseRefused) {
  const MatchScore wide({40, 0}, 2);
  EXPECT_EQ(wide.Format().legs, MatchFormat::kMostLegs);
  EXPECT_EQ(wide.Format().sets, 1);
  EXPECT_THROW(MatchScore({3, 1}, 0), std::invalid_argument);
  EXPECT_THROW(MatchScore({3, 1}, 2, 2), std::invalid_argument);
  MatchScore over({1, 1}, 2);
  over.WinLeg(0);
  EXPECT_THROW(over.WinLeg(1), std::logic_error);
}

TEST(BullOff, DistancesAreMeasuredFromTheBullsCentreInMillimetres) {
  EXPECT_DOUBLE_EQ(BullDistanceMillimetres(332, 318), 0.0);
  EXPECT_DOUBLE_EQ(BullDistanceMillimetres(332 + 237, 318), 170.0);  // the double's outer edge
  EXPECT_NEAR(BullDistanceMillimetres(332, 328), 7.17, 0.01);
}

struct BullOffCase {
  const char* name;
  std::size_t players;
  std::vector<double> throws;  // in the order they are thrown
  std::size_t winner;
  int rounds;
};

// The nearest begins; only those within half a millimetre of the nearest throw again.
TEST(BullOff, TheNearestBeginsAndTiesThrowAgain) {
  const BullOffCase cases[] = {
      {"nearest wins", 2, {12.4, 3.1}, 1, 1},
      {"half a millimetre apart is no tie", 2, {5.0, 5.5}, 0, 1},
      {"two tie, the third is out", 3, {5.0, 9.0, 5.3, 7.0, 2.0}, 2, 2},
      {"ties again", 2, {4.0, 4.1, 1.0, 1.2, 8.0, 3.0}, 1, 3},
  };
  for (const auto& c : cases) {
    BullOff bullOff(c.players);
    for (const double distance : c.throws) {
      ASSERT_FALSE(bullOff.Decided()) << c.name;
      bullOff.Throw(distance);
    }
    EXPECT_TRUE(bullOff.Decided()) << c.name;
    EXPECT_EQ(bullOff.Winner(), c.winner) << c.name;
    EXPECT_EQ(bullOff.Round(), c.rounds) << c.name;
  }
}

TEST(BullOff, OnlyTheTiedThrowInTheNextRound) {
  BullOff bullOff(3);
  EXPECT_EQ(bullOff.Throwers(), (std::vector<std::size_t>{0, 1, 2}));
  for (const double distance : {5.0, 9.0, 5.3}) {
    bullOff.Throw(distance);
  }
  EXPECT_EQ(bullOff.Throwers(), (std::vector<std::size_t>{0, 2}));
  EXPECT_EQ(bullOff.NextThrower(), 0u);
  bullOff.Throw(7.0);
  EXPECT_EQ(bullOff.NextThrower(), 2u);
  EXPECT_EQ(bullOff.Distances()[0], 7.0);  // the latest dart
  EXPECT_EQ(bullOff.Distances()[1], 9.0);
  bullOff.Throw(2.0);
  EXPECT_EQ(bullOff.Winner(), 2u);
  EXPECT_FALSE(bullOff.NextThrower());
  EXPECT_THROW(bullOff.Throw(1.0), std::logic_error);
  EXPECT_TRUE(BullOff(1).Decided());  // alone, nobody needs to throw
}

}  // namespace
}  // namespace korvanti
