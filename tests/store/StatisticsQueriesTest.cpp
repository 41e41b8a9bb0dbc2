#include <gtest/gtest.h>

#include "RawDatabase.h"
#include "StatisticsFixture.h"
#include "store/PlayerTotals.h"

namespace korvanti {
namespace {

using testing::StatisticsFixture;

class Statistics : public ::testing::TestWithParam<testing::Engine> {
 protected:
  StatisticsFixture fixture{GetParam()};
  std::string anna = fixture.AddPlayer("Anna");
  std::string ben = fixture.AddPlayer("Ben");
};

TEST_P(Statistics, FilterClasses) {
  fixture.AddGame(anna, "const501dout", 45000,
                  {{"LS5 SS15 D25"}, {"SS25 T5 D5"}, {"T20 LS20 SS20"}, {"D15 0"}});
  auto query = fixture.Query(anna, "const501dout");
  struct Case {
    const char* filter;
    int count;
  };
  const Case cases[] = {{"", 11}, {"5", 3},   {"15", 2}, {"25", 2},   {"D", 3}, {"S", 5},
                        {"T", 2}, {"T20", 1}, {"20", 3}, {"SS25", 1}, {"0", 0}, {"x", 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(query.CountHits(c.filter), c.count) << c.filter;
  }
  EXPECT_EQ(query.CountDarts(), 11);
  EXPECT_EQ(query.CountHits("S"), 5);
}

TEST_P(Statistics, ExactAndNumberAimHits) {
  fixture.AddGame(anna, "const501dout", 45000,
                  {{"T20 T20 T20", "LS20 T20 -"}, {"D16 D8 LS1", "D16 D16 T20"}});
  auto query = fixture.Query(anna, "const501dout");
  struct Case {
    const char* filter;
    bool exact;
    int count;
  };
  const Case cases[] = {{"T20", false, 2}, {"T20", true, 1}, {"", true, 2},
                        {"", false, 2},    {"20", true, 2},  {"D", true, 2},
                        {"D16", true, 1},  {"16", false, 1}, {"T", true, 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(query.CountAimHits(c.filter, c.exact), c.count) << c.filter << " " << c.exact;
  }
  EXPECT_EQ(query.CountExactHits(), 2);
  EXPECT_EQ(query.CountAimHits("D", true), 2);
}

TEST_P(Statistics, EmptySelectionsGiveZero) {
  auto query = fixture.Query(ben, "const501dout");
  EXPECT_EQ(query.CountDarts(), 0);
  EXPECT_EQ(query.CountAimHits("T20", true), 0);
  EXPECT_EQ(query.CountGames(), 0);
  EXPECT_EQ(query.CountWins(), 0);
  EXPECT_EQ(query.HighScore(), 0);
  EXPECT_EQ(query.BestCheckout(), 0);
  EXPECT_EQ(query.TurnsInShortestWin(), 0);
  EXPECT_EQ(query.ShortestWinGameId(), "");
  EXPECT_EQ(query.DartsInShortestWin(), 0);
  EXPECT_DOUBLE_EQ(query.MarksPerRoundQuery(), 0.0);
  EXPECT_DOUBLE_EQ(query.GetAverages().average, 0.0);
  EXPECT_FALSE(query.LastGameDate());
  EXPECT_EQ(query.DoubleRateTotals().throws, 0);
}

TEST_P(Statistics, PeriodEnds) {
  fixture.AddGame(anna, "const501dout", 45000, {{"T20 T20 T20", "T20 T20 T20"}});
  fixture.AddGame(anna, "const501dout", 45001, {{"LS1", "LS1"}});
  fixture.AddGame(anna, "const501dout", 45002, {{"D20", "D20"}});
  auto query = fixture.Query(anna, "const501dout", 45000, 45001);
  EXPECT_EQ(query.CountDarts(), 1);  // after from, not after to
  EXPECT_EQ(query.CountGames(), 1);
  query.dateTo = 45002;
  EXPECT_EQ(query.GameDates(), std::vector<double>{45001});  // the end is left out
  EXPECT_EQ(query.HitPositions("1", 0).dart1, "101=200");
  EXPECT_EQ(query.HitPositions("20", 0).all, "");
  query.dateTo = 45002.5;
  EXPECT_EQ(query.HitPositions("20", 0).dart1, "101=200");
  EXPECT_EQ(*query.LastGameDate(), 45002);
}

TEST_P(Statistics, AveragesCountBustDartsButNotTheirPoints) {
  const std::vector<testing::TurnSpec> turns{
      {"T20 0 0"}, {"T15 0 0"}, {"T20 LS20 LS20"}, {"LS20 LS3 LS3"}};
  fixture.AddGame(anna, "const501dout", 45000, turns);
  auto query = fixture.Query(anna, "const501dout");
  EXPECT_DOUBLE_EQ(query.GetAverages().average, 57.75);
  EXPECT_DOUBLE_EQ(query.GetAverages().perDart, 19.25);
  fixture.AddGame(anna, "const501dout", 45001, {{"T20 T20 T20", "", false}});
  EXPECT_NEAR(query.GetAverages().average, 46.2, 1e-9);
  EXPECT_NEAR(query.GetAverages().perDart, 15.4, 1e-9);
  EXPECT_EQ(query.HighScore(), 100);  // the bust scored nothing: no 180
  EXPECT_EQ(query.CountTurnsInRange(160, 181), 0);
  query.allTypes = true;
  query.gameTypeKey.clear();
  EXPECT_DOUBLE_EQ(query.GetAverages().average, 0.0);  // averages need one type
}

// A game stopped after one or two darts still divides in floating point.
TEST_P(Statistics, AveragesOfOneAndTwoDarts) {
  fixture.AddGame(anna, "const501dout", 45000, {{"T20"}});
  fixture.AddGame(ben, "const501dout", 45000, {{"T20 LS1"}});
  EXPECT_DOUBLE_EQ(fixture.Query(anna, "const501dout").GetAverages().average, 180.0);
  EXPECT_DOUBLE_EQ(fixture.Query(ben, "const501dout").GetAverages().average, 91.5);
  EXPECT_DOUBLE_EQ(fixture.Query(ben, "const501dout").GetAverages().perDart, 30.5);
}

TEST_P(Statistics, ScoreBands) {
  fixture.AddGame(anna, "const501dout", 45000,
                  {{"T20 T20 T20"}, {"T20 T20 D10"}, {"T20 T20 LS19"}, {"T19 T19 LS1"}});
  auto query = fixture.Query(anna, "const501dout");
  EXPECT_EQ(query.CountTurnsInRange(160, 181), 1);
  EXPECT_EQ(query.CountTurnsInRange(140, 160), 1);  // exactly 140
  EXPECT_EQ(query.CountTurnsInRange(100, 140), 2);
}

TEST_P(Statistics, BestCheckoutCountsOnlyWinningTurns) {
  fixture.AddGame(anna, "const501dout", 45000, {{"T20 T20 T20"}, {"D20"}});
  fixture.AddGame(anna, "const501dout", 45001, {{"T20 T19 D12"}}, false);
  fixture.AddGame(ben, "const501dout", 45001, {{"T20 T19 D12"}});
  auto query = fixture.Query(anna, "const501dout");
  EXPECT_EQ(query.BestCheckout(), 40);
  EXPECT_EQ(query.CountWins(), 1);
  EXPECT_EQ(query.CountGames(), 2);
  EXPECT_EQ(fixture.Query(anna, "const301dout").BestCheckout(), 0);
}

TEST_P(Statistics, ShortestWinAndItsPositionsInTurnOrder) {
  const auto turns = [](int count) { return std::vector<testing::TurnSpec>(count, {"LS1 LS1"}); };
  fixture.AddGame(anna, "const501dout", 45000, turns(7));
  const auto shortest = fixture.AddGame(anna, "const501dout", 45001, turns(5));
  fixture.AddGame(anna, "const501dout", 45002, turns(9));
  fixture.AddGame(anna, "const501dout", 45003, turns(3), false);
  auto query = fixture.Query(anna, "const501dout");
  EXPECT_EQ(query.TurnsInShortestWin(), 5);
  EXPECT_EQ(query.ShortestWinGameId(), shortest);
  EXPECT_EQ(query.DartsInShortestWin(), 10);
  EXPECT_EQ(query.ShortestWinPositions(),
            "101=200,102=200,0=0,111=201,112=201,0=0,121=202,122=202,0=0,"
            "131=203,132=203,0=0,141=204,142=204,0=0");
}

TEST_P(Statistics, DoubleRateTotalsAndMarks) {
  const auto game = fixture.AddGame(anna, "constcricket", 45000, {{"T20 D19 LS1"}});
  fixture.recorder.AppendDoubleRate(game, anna, 8, 3);
  fixture.recorder.AppendDoubleRate(fixture.AddGame(anna, "constcricket", 45001, {{"0"}}), anna, 4,
                                    1);
  fixture.Raw()->Exec("UPDATE throw SET hit1tocount = 3, hit2tocount = 2, hit3tocount = 1");
  auto query = fixture.Query(anna, "constcricket");
  EXPECT_EQ(query.DoubleRateTotals().throws, 12);
  EXPECT_EQ(query.DoubleRateTotals().hits, 4);
  EXPECT_EQ(query.SumMarks(), 3 + 2);  // the single 1 and the miss are no cricket numbers
  EXPECT_DOUBLE_EQ(query.MarksPerRoundQuery(), 5.0 / 4 * 3);
}

TEST_P(Statistics, HitPositionsPerDartNumber) {
  fixture.AddGame(anna, "const501dout", 45000, {{"T20 LS1 T20", "T20 T20 D20"}});
  auto query = fixture.Query(anna, "");
  const auto positions = query.HitPositions("20", 0);
  EXPECT_EQ(positions.dart1, "101=200");
  EXPECT_EQ(positions.dart2, "102=200");
  EXPECT_EQ(positions.dart3, "103=200");
  EXPECT_EQ(query.HitPositions("T20", 2).dart2, "102=200");
  EXPECT_EQ(query.HitPositions("T20", 2).dart1, "");
  EXPECT_EQ(query.HitPositions("", 0).all, "101=200,102=200,103=200");
}

// The player's turns of the selection go with his double rates of those
// games; a game left without turns goes too, a game another player threw in
// stays with that player's turns and double rates.
TEST_P(Statistics, DeletingOneSelectionOnly) {
  fixture.AddGame(anna, "const501dout", 45000, {{"T20"}});
  const auto alone = fixture.AddGame(anna, "const301dout", 45001, {{"T20"}});
  fixture.recorder.AppendDoubleRate(alone, anna, 4, 1);
  fixture.AddGame(anna, "const501dout", 45002, {{"T20"}});
  const auto shared = fixture.AddGame(ben, "const501dout", 45000.5, {{"T20"}});
  fixture.AddGame(anna, "const501dout", 45000.5, {{"LS1"}});
  fixture.recorder.AppendDoubleRate(shared, anna, 3, 1);
  fixture.recorder.AppendDoubleRate(shared, ben, 5, 2);
  { Recorder(*fixture.database).AppendThrow(Turn{}, shared, anna); }
  auto query = fixture.Query(anna, "", 45000, 45001);
  const auto deleted = query.DeleteStatistics();
  EXPECT_EQ(deleted.turns, 3);  // 45000 is outside: after `from` only
  EXPECT_EQ(deleted.games, 2);  // the 301 game and Anna's game at 45000.5
  const auto raw = fixture.Raw();
  EXPECT_EQ(raw->Count("throw"), 3);
  EXPECT_EQ(raw->Count("game"), 3);
  EXPECT_EQ(raw->Count("doublerate"), 1);  // Ben's
  EXPECT_EQ(fixture.Query(anna, "").CountGames(), 2);
  EXPECT_EQ(fixture.Query(ben, "").CountGames(), 1);
  EXPECT_EQ(fixture.Query(ben, "").DoubleRateTotals().throws, 5);
  EXPECT_EQ(TotalsByPlayer(*fixture.database, "const501dout", 0, 99999).at(anna).games, 2);
  EXPECT_EQ(TotalsByPlayer(*fixture.database, "const501dout", 0, 99999).at(ben).darts, 1);
}

TEST_P(Statistics, ValuesAreParametersNotStatementText) {
  fixture.AddGame(anna, "const501dout", 45000, {{"T20"}});
  auto query = fixture.Query(anna, "const501dout");
  EXPECT_EQ(query.CountHits("T20'--"), 0);
  EXPECT_EQ(query.CountAimHits("T20') OR ('1'='1", false), 0);
  EXPECT_EQ(query.HitPositions("x' OR '1'='1", 0).all, "");
  auto other = fixture.Query("' OR '1'='1", "const501dout");
  EXPECT_EQ(other.CountDarts(), 0);
  other.DeleteStatistics();
  EXPECT_EQ(query.CountDarts(), 1);
}

TEST_P(Statistics, LookUps) {
  StatisticsQuery query(*fixture.database);
  EXPECT_EQ(query.PlayerIdsByNickname(), (std::vector<std::string>{anna, ben}));
  EXPECT_EQ(query.GetPlayerNames(ben)->nickname, "Ben");
  EXPECT_FALSE(query.GetPlayerNames("{NOBODY}"));
  fixture.AddGame(anna, "const501dout", 45000, {{"T20"}});
  fixture.AddGame(anna, "constcricket", 45003, {{"T20"}});
  EXPECT_EQ(*fixture.Query(anna, "").LastGameDate(), 45003);
  EXPECT_EQ(*fixture.Query(anna, "const501dout").LastGameDate(), 45000);
}

// Where the overview's figures start unless the user says otherwise: the
// oldest game in the file, whoever played it and whatever the selection.
TEST_P(Statistics, TheOldestGameOfTheFile) {
  auto query = fixture.Query(anna, "const501dout", 45004, 45006);
  EXPECT_FALSE(query.OldestGameDate());
  fixture.AddGame(anna, "const501dout", 45005, {{"T20"}});
  fixture.AddGame(ben, "constcricket", 45003.25, {{"T20"}});
  fixture.AddGame(anna, "const301dout", 45010, {{"T20"}});
  EXPECT_EQ(query.OldestGameDate(), 45003.25);
}

INSTANTIATE_TEST_SUITE_P(Engines, Statistics, testing::kBothEngines, testing::EngineName);

}  // namespace
}  // namespace korvanti
