#include <gtest/gtest.h>

#include "SampleData.h"
#include "TempFolder.h"
#include "store/Database.h"
#include "store/PlayerTotals.h"
#include "store/StatisticsQuery.h"
#include "store/TurnSnapshot.h"

namespace korvanti {
namespace {

// The figures counted from turns in memory, and the totals of all players in
// one pass, are the query object's figures.
TEST(PeriodFigures, AnswerLikeTheQueries) {
  TempFolder folder;
  auto database = Database::OpenFile(folder / "dart.mdb");
  SampleDataPlan plan;
  plan.players = 2;
  plan.days = 3;
  plan.seed = 11;
  plan.lastDay = 46000;
  SeedSampleData(*database, plan);

  StatisticsQuery query(*database);
  const char* filters[] = {"", "S", "D", "T", "5", "20", "25", "T20", "D25", "SS25", "0", "LS1"};
  // The landing positions as the query object lists them.
  const auto listed = [](const std::vector<BoardPoint>& points) {
    std::string list;
    for (const auto& point : points) {
      list += (list.empty() ? "" : ",") + std::to_string(point.x) + "=" + std::to_string(point.y);
    }
    return list;
  };
  for (const auto& player : query.PlayerIdsByNickname()) {
    // Every type at once: what the aim-and-hit view asks.
    const auto everything = TurnSnapshot::Load(*database, player, "", 45990, 46010);
    for (const auto& [from, to] : {std::pair{45990.0, 46010.0}, {45998.75, 45999.75}}) {
      auto all = query;
      all.playerId = player;
      all.gameTypeKey.clear();
      all.allTypes = true;
      all.dateFrom = from;
      all.dateTo = to;
      const auto figures = everything.Period(from, to);
      EXPECT_EQ(figures.CountTurns(), all.CountTurns());
      for (const char* filter : filters) {
        EXPECT_EQ(figures.CountHits(filter), all.CountHits(filter)) << filter;
        EXPECT_EQ(figures.CountAimHits(filter, false), all.CountAimHits(filter, false)) << filter;
        const auto points = figures.HitPoints(filter);
        const auto positions = all.HitPositions(filter, 0);
        EXPECT_EQ(listed(points[0]), positions.dart1) << filter;
        EXPECT_EQ(listed(points[1]), positions.dart2) << filter;
        EXPECT_EQ(listed(points[2]), positions.dart3) << filter;
      }
    }
    for (const char* key : {"const501dout", "constcricket", "constpractice_segment_20",
                            "constpractice_roundsingle", "const301dout"}) {
      const auto snapshot = TurnSnapshot::Load(*database, player, key, 45990, 46010);
      for (const auto& [from, to] : {std::pair{45990.0, 46010.0},
                                     {45997.9, 45998.9},
                                     {45998.75, 45999.75},
                                     {45999.0, 46000.73}}) {
        query.playerId = player;
        query.gameTypeKey = key;
        query.dateFrom = from;
        query.dateTo = to;
        const auto figures = snapshot.Period(from, to);
        const auto where = std::string(key) + " " + std::to_string(from);
        for (const char* filter : filters) {
          EXPECT_EQ(figures.CountHits(filter), query.CountHits(filter)) << where << filter;
          for (const bool exact : {false, true}) {
            EXPECT_EQ(figures.CountAimHits(filter, exact), query.CountAimHits(filter, exact))
                << where << filter << exact;
          }
        }
        EXPECT_DOUBLE_EQ(figures.GetAverages().average, query.GetAverages().average) << where;
        EXPECT_DOUBLE_EQ(figures.MarksPerRoundQuery(), query.MarksPerRoundQuery()) << where;
        EXPECT_EQ(figures.HighScore(), query.HighScore()) << where;
        EXPECT_EQ(figures.BestCheckout(), query.BestCheckout()) << where;
        EXPECT_EQ(figures.CountTurnsInRange(60, 100), query.CountTurnsInRange(60, 100)) << where;
        EXPECT_EQ(figures.CountTurns(), query.CountTurns()) << where;
        EXPECT_EQ(figures.TurnsInShortestWin(), query.TurnsInShortestWin()) << where;
        EXPECT_EQ(figures.DartsInShortestWin(), query.DartsInShortestWin()) << where;

        const auto all = TotalsByPlayer(*database, key, from, to);
        const auto found = all.find(player);
        const auto totals = found == all.end() ? PlayerTotals{} : found->second;
        EXPECT_EQ(totals.games, query.CountGames()) << where;
        EXPECT_EQ(totals.wins, query.CountWins()) << where;
        EXPECT_EQ(totals.darts, query.CountDarts()) << where;
        EXPECT_EQ(totals.exactHits, query.CountExactHits()) << where;
        EXPECT_DOUBLE_EQ(totals.Average(), query.GetAverages().average) << where;
        EXPECT_DOUBLE_EQ(totals.PointsPerDart(), query.GetAverages().perDart) << where;
        EXPECT_EQ(totals.highScore, query.HighScore()) << where;
        EXPECT_EQ(totals.bestCheckout, query.BestCheckout()) << where;
        EXPECT_DOUBLE_EQ(totals.MarksPerRound(), query.MarksPerRoundQuery()) << where;
        EXPECT_EQ(totals.doubleThrows, query.DoubleRateTotals().throws) << where;
        EXPECT_EQ(totals.doubleHits, query.DoubleRateTotals().hits) << where;
      }
    }
  }
}

}  // namespace
}  // namespace korvanti
