// The practice routines' table: trainings, average and best result, exact hits.
#include <gtest/gtest.h>

#include <sstream>

#include "DetailRequest.h"
#include "StatisticsFixture.h"
#include "report/StatisticsReport.h"
#include "report/StatisticsTrend.h"
#include "store/DatabaseArchive.h"

namespace korvanti {
namespace {

double At(int day, int hour = 0) {
  return EncodeDateTime({2026, 5, day, hour, 0, 0});
}

class RoutineTable : public ::testing::Test {
 protected:
  // One turn of three darts aimed as given, saved as a finished training with
  // the result, or as an aborted one without.
  void Store(const char* key, double when, const std::string& hits, const std::string& aims,
             std::optional<int> result) {
    Turn turn;
    turn.turnId = NewGuidString();
    std::istringstream hitWords(hits);
    std::istringstream aimWords(aims);
    for (int n = 1; n <= 3; ++n) {
      hitWords >> turn.Hit(n).hit;
      aimWords >> turn.Hit(n).aim;
    }
    GameRecord game;
    game.gameId = NewGuidString();
    game.gameTypeKey = key;
    game.datetime = when;
    game.winningTurnId = result ? turn.turnId : "";
    int onTarget = 0;
    for (const auto& dart : turn.hits) {
      onTarget += dart.hit == dart.aim ? 1 : 0;
    }
    game.players.push_back({anna, std::span<const Turn>(&turn, 1), 0, 0, result,
                            result ? std::optional(TargetHits{onTarget, 3}) : std::nullopt});
    DatabaseArchive(*fixture.database).StoreGame(game);
  }

  testing::StatisticsFixture fixture;
  std::string anna = fixture.AddPlayer("Anna");
};

TEST_F(RoutineTable, TrainingsAverageBestAndHitRatePerPeriod) {
  Store("consthalveit", At(3, 20), "T20 T20 LS1", "T20 T20 T20", 120);
  Store("consthalveit", At(3, 21), "T20 LS20 LS20", "T20 T20 T20", 60);
  Store("consthalveit", At(4, 20), "LS5 LS5 LS5", "T20 T20 T20", std::nullopt);  // aborted
  Store("consthalveit", At(5, 20), "T20 T20 T20", "T20 T20 T20", 180);
  // The darts needed: the fewer the better.
  Store("constroundtheboardtriple", At(3, 20), "T1 T2 LS3", "T1 T2 T3", 70);
  Store("constroundtheboardtriple", At(3, 21), "T1 LS2 T2", "T1 T2 T2", 65);
  Store("constroundtheboardtriple", At(4, 20), "T1 T1 T1", "T1 T1 T1", 80);

  struct Row {
    double from;
    std::vector<std::string> cells;
    std::optional<double> mainFigure;
    bool lastGame = false;
  };
  struct Case {
    const char* key;
    StatisticsInterval interval;
    bool lastEntry;
    std::vector<Row> rows;
    double overall;  // the average of every result, the last game's too
  };
  const std::vector<Case> cases{
      {"consthalveit",
       StatisticsInterval::Day,
       false,
       {{At(3), {"2", "90,00", "120", "50,00"}, 90},
        {At(4), {"0", "-", "-", "-"}, std::nullopt},
        {At(5), {"1", "180,00", "180", "100,00"}, 180}},
       120},
      // The last game in its own row; the overall figure weighs it as one result.
      {"consthalveit",
       StatisticsInterval::Day,
       true,
       {{At(3), {"2", "90,00", "120", "50,00"}, 90},
        {At(4), {"0", "-", "-", "-"}, std::nullopt},
        {At(5, 20), {"1", "180,00", "180", "100,00"}, 180, true}},
       120},
      {"consthalveit",
       StatisticsInterval::Game,
       false,
       {{At(3, 20), {"1", "120,00", "120", "66,67"}, 120},
        {At(3, 21), {"1", "60,00", "60", "33,33"}, 60},
        {At(4, 20), {"0", "-", "-", "-"}, std::nullopt},
        {At(5, 20), {"1", "180,00", "180", "100,00"}, 180}},
       120},
      {"constroundtheboardtriple",
       StatisticsInterval::Day,
       false,
       {{At(3), {"2", "67,50", "65", "66,67"}, 67.5}, {At(4), {"1", "80,00", "80", "100,00"}, 80}},
       215.0 / 3},
  };
  for (const auto& c : cases) {
    const auto label = std::string(c.key) + " " + std::to_string(static_cast<int>(c.interval)) +
                       (c.lastEntry ? " last" : "");
    const auto table = RefreshStatistics(
        *fixture.database,
        testing::DetailRequest(anna, c.key, At(1), At(31), c.interval, c.lastEntry));
    EXPECT_EQ(table.kind, StatisticsTableKind::Routine) << label;
    ASSERT_EQ(table.rows.size(), c.rows.size()) << label;
    for (std::size_t r = 0; r < c.rows.size(); ++r) {
      const auto& row = table.rows[r];
      EXPECT_DOUBLE_EQ(row.from, c.rows[r].from) << label << " " << r;
      EXPECT_EQ(row.row.cells, c.rows[r].cells) << label << " " << r;
      EXPECT_EQ(row.row.mainFigure, c.rows[r].mainFigure) << label << " " << r;
      EXPECT_EQ(row.lastGame, c.rows[r].lastGame) << label << " " << r;
    }
    ASSERT_TRUE(table.overallFigure) << label;
    EXPECT_NEAR(*table.overallFigure, c.overall, 1e-9) << label;
    EXPECT_EQ(TrendOf(table).figureName, "Ergebnis Ø") << label;
  }
}

}  // namespace
}  // namespace korvanti
