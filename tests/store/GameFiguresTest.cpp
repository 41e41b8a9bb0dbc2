#include <gtest/gtest.h>

#include <map>

#include "RawDatabase.h"
#include "StatisticsFixture.h"
#include "store/GameFigures.h"

namespace korvanti {

void PrintTo(const CountDownFigures& f, std::ostream* out) {
  *out << "first nine " << f.firstNinePoints << "/" << f.firstNineTurns << ", bands " << f.turns100
       << "/" << f.turns140 << "/" << f.turns180 << ", checkouts " << f.checkouts << "/"
       << f.finishDarts << ", legs " << f.matchLegsWon << "/" << f.matchLegs;
}

namespace {

using testing::RawDatabase;
using testing::StatisticsFixture;
using testing::TurnSpec;

CountDownFigures FiguresOfOnlyGame(StatisticsFixture& fixture, const std::string& gameId) {
  const auto players = GameFiguresOf(*fixture.database, gameId);
  EXPECT_EQ(players.size(), 1u);
  return players.empty() ? CountDownFigures{} : players.front().figures;
}

// Short legs and what the per-game totals count of them: the first three
// turns (a bust scores 0), the bands, the darts thrown with a one-dart finish
// left and the checkout.
TEST(GameFigures, CountedFromScriptedLegs) {
  struct Case {
    const char* name;
    const char* key;
    std::vector<TurnSpec> turns;
    bool won;
    CountDownFigures expected;
  };
  const Case cases[] = {
      // 121 left, then 61 and 28: only the last dart had a finish left.
      {"TwoTurnCheckout",
       "const301dout",
       {{"T20 T20 T20"}, {"T20 T11 D14"}},
       true,
       {.firstNinePoints = 301,
        .firstNineTurns = 2,
        .turns100 = 1,
        .turns180 = 1,
        .finishDarts = 1,
        .checkouts = 1}},
      // The bust (121 left, 180 thrown) scores 0 among the first nine; its
      // darts left 121, 61 and 1: no finish. 64 left, then 50 (Bull) missed,
      // 18 (D9) missed, 16 (D8) hit.
      {"BustInTheFirstNine",
       "const301dout",
       {{"T20 T20 T20"}, {"T20 T20 T20", "", false}, {"T19 LS14 D16"}, {"LS2 D8"}},
       true,
       {.firstNinePoints = 283,
        .firstNineTurns = 3,
        .turns100 = 1,
        .turns180 = 1,
        .finishDarts = 3,
        .checkouts = 1}},
      // 180, 140 and 100, then a bust of 140 (81 left): no band, not among
      // the first nine.
      {"BandsWithoutTheBust",
       "const501dout",
       {{"T20 T20 T20"}, {"T20 T20 D10"}, {"T20 LS20 LS20"}, {"T20 T20 D10", "", false}},
       false,
       {.firstNinePoints = 420, .firstNineTurns = 3, .turns100 = 1, .turns140 = 1, .turns180 = 1}},
      // Straight out: no dart is at a double, the win is no checkout of a double.
      {"StraightOut",
       "const301sout",
       {{"T20 T20 T20"}, {"T20 T20 LS1"}},
       true,
       {.firstNinePoints = 301, .firstNineTurns = 2, .turns100 = 1, .turns180 = 1}},
      // Other games have none of these figures.
      {"Cricket", "constcricket", {{"T20 T20 T20"}}, true, {}},
  };
  for (const auto& c : cases) {
    StatisticsFixture fixture;
    const auto anna = fixture.AddPlayer("Anna");
    const auto game = fixture.AddGame(anna, c.key, 45000, c.turns, c.won);
    const auto figures = FiguresOfOnlyGame(fixture, game);
    EXPECT_EQ(figures, c.expected) << c.name;
  }
}

TEST(GameFigures, RatesAndSums) {
  CountDownFigures figures{
      .firstNinePoints = 301, .firstNineTurns = 2, .finishDarts = 4, .checkouts = 1};
  figures += {.firstNinePoints = 200, .firstNineTurns = 3, .finishDarts = 4, .checkouts = 1};
  EXPECT_DOUBLE_EQ(*figures.FirstNineAverage(), 100.2);
  EXPECT_DOUBLE_EQ(*figures.CheckoutRate(), 25.0);
  EXPECT_FALSE(CountDownFigures{}.FirstNineAverage());
  EXPECT_FALSE(CountDownFigures{}.CheckoutRate());
}

// The legs of a match count as match legs, each game row for itself, and
// follow a later change of the game row.
TEST(GameFigures, LegsOfAMatch) {
  StatisticsFixture fixture;
  const auto anna = fixture.AddPlayer("Anna");
  const auto won = fixture.AddGame(anna, "const501dout", 45000, {{"T20"}}, true);
  const auto lost = fixture.AddGame(anna, "const501dout", 45000.1, {{"T20"}}, false);
  const auto alone = fixture.AddGame(anna, "const501dout", 45000.2, {{"T20"}}, true);
  {
    RawDatabase raw(fixture.folder / "dart.mdb");
    raw.Exec("UPDATE game SET matchid = 'm1' WHERE gameid IN ('" + won + "', '" + lost + "')");
  }
  const auto legs = [&](const std::string& game) {
    const auto figures = FiguresOfOnlyGame(fixture, game);
    return std::pair{figures.matchLegs, figures.matchLegsWon};
  };
  EXPECT_EQ(legs(won), std::pair(1, 1));
  EXPECT_EQ(legs(lost), std::pair(1, 0));
  EXPECT_EQ(legs(alone), std::pair(0, 0));
}

// Darts at each double and hits, from a leg that leaves the points of
// `left` and then throws the last turn (with its aims).
TEST(GameFigures, DartsAtDoubles) {
  struct Case {
    const char* name;
    const char* key;
    std::vector<TurnSpec> turns;
    std::map<int, std::pair<int, int>> expected;  // double: darts at it, hits
  };
  const TurnSpec to121{"T20 T20 T20"};
  const TurnSpec to32{"T20 LS19 LS10"};
  const Case cases[] = {
      {"HitAt32Left", "const301dout", {to121, to32, {"D16"}}, {{16, {1, 1}}}},
      {"SingleAt32LeftMisses",
       "const301dout",
       {to121, to32, {"LS16 D8"}},
       {{16, {1, 0}}, {8, {1, 1}}}},
      {"At33LeftNoDouble", "const301dout", {to121, {"T20 LS19 LS9"}, {"LS1 D16"}}, {{16, {1, 1}}}},
      {"BullAt50Left", "const301dout", {to121, {"T20 LS11"}, {"D25"}}, {{25, {1, 1}}}},
      // A double as aim decides the double, even against the points left.
      {"AimedDoubleCountsThere", "const301dout", {to121, to32, {"D8 D8", "D8 D8"}}, {{8, {2, 2}}}},
      // An aim that is no double leaves the points left to decide.
      {"AimedSingleAtAFinish",
       "const301dout",
       {to121, to32, {"LS16 D8", "LS16 D8"}},
       {{16, {1, 0}}, {8, {1, 1}}}},
      {"AimedDoublesInAnyGame", "constcricket", {{"D20 LS20 D19", "D20 D20 T19"}}, {{20, {2, 1}}}},
      {"StraightOutHasNoFinishDouble", "const301sout", {to121, to32, {"D16"}}, {}},
  };
  for (const auto& c : cases) {
    StatisticsFixture fixture;
    const auto anna = fixture.AddPlayer("Anna");
    fixture.AddGame(anna, c.key, 45000, c.turns);
    const auto counts = CountDoubles(*fixture.database, anna, "", 0, 99999);
    for (std::size_t i = 0; i < kDoubleNumbers.size(); ++i) {
      const auto found = c.expected.find(kDoubleNumbers[i]);
      const auto expected = found == c.expected.end() ? std::pair(0, 0) : found->second;
      EXPECT_EQ(std::pair(counts.darts[i], counts.hits[i]), expected)
          << c.name << " D" << kDoubleNumbers[i];
    }
  }
}

}  // namespace
}  // namespace korvanti
