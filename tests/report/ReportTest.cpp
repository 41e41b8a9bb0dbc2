#include <gtest/gtest.h>

#include "StatisticsFixture.h"
#include "report/PlayerOverview.h"
#include "report/StatisticsReport.h"

namespace korvanti {
namespace {

using testing::StatisticsFixture;
using testing::TurnSpec;

double At(int day, int hour, int minute = 0) {
  return EncodeDateTime({2026, 5, day, hour, minute, 0});
}

class Report : public ::testing::Test {
 protected:
  StatisticsRequest Request(int typeIndex, StatisticsInterval interval, bool lastEntry = false) {
    StatisticsRequest request;
    request.playerId = anna;
    request.typeIndex = typeIndex;
    request.from = At(1, 12);
    request.to = At(31, 12);
    request.interval = interval;
    request.lastEntry = lastEntry;
    request.view = StatisticsView::Detail;
    return request;
  }

  StatisticsFixture fixture;
  std::string anna = fixture.AddPlayer("Anna");
};

TEST_F(Report, DailyRowsOnlyForDaysWithDarts) {
  fixture.AddGame(anna, "const501dout", At(3, 20), {{"T20 T20 T20"}});
  fixture.AddGame(anna, "const501dout", At(10, 18, 30), {{"LS1 LS1 LS1"}});
  const auto table = RefreshStatistics(*fixture.database, Request(4, StatisticsInterval::Day));
  ASSERT_EQ(table.rows.size(), 2u);
  EXPECT_EQ(table.rows[0].from, At(3, 12));
  EXPECT_EQ(table.rows[0].to, At(4, 12));
  EXPECT_EQ(table.rows[1].row.cells[0], "3");
  EXPECT_EQ(table.columns.size(), 14u);
}

TEST_F(Report, TheLastGameGetsItsOwnRow) {
  fixture.AddGame(anna, "const501dout", At(10, 18, 30), {{"LS1 LS1 LS1"}});
  fixture.AddGame(anna, "const501dout", At(10, 21), {{"T20 T20 T20"}});
  auto request = Request(4, StatisticsInterval::Day, true);
  request.from = At(1, 0);
  const auto table = RefreshStatistics(*fixture.database, request);
  ASSERT_EQ(table.rows.size(), 2u);
  EXPECT_NEAR(table.rows[0].to, At(10, 19),
              1e-9);  // the daily row ends two hours before the last game
  EXPECT_EQ(table.rows[0].row.cells[3], "3");
  EXPECT_TRUE(table.rows[1].lastGame);
  EXPECT_NEAR(table.rows[1].from, At(10, 19), 1e-9);
  EXPECT_NEAR(table.rows[1].to, At(10, 23), 1e-9);
  EXPECT_EQ(table.rows[1].row.cells[3], "180");
}

TEST_F(Report, OneRowPerGameCoversFourHours) {
  fixture.AddGame(anna, "const501dout", At(5, 20), {{"T20"}});
  const auto table = RefreshStatistics(*fixture.database, Request(4, StatisticsInterval::Game));
  ASSERT_EQ(table.rows.size(), 1u);
  EXPECT_NEAR(table.rows[0].from, At(5, 18), 1e-9);
  EXPECT_NEAR(table.rows[0].to, At(5, 22), 1e-9);
  EXPECT_TRUE(
      RefreshStatistics(*fixture.database, Request(3, StatisticsInterval::Day)).rows.empty());
}

TEST_F(Report, CountDownRowTexts) {
  std::vector<TurnSpec> turns(8, TurnSpec("LS1 LS1 LS1"));
  turns.push_back({"T20 T20 LS1"});
  turns.push_back({"T20 LS20 LS20", "T20 T20 -"});
  fixture.AddGame(anna, "const501dout", At(5, 20), turns);
  const auto table = RefreshStatistics(*fixture.database, Request(4, StatisticsInterval::Month));
  ASSERT_EQ(table.rows.size(), 1u);
  const auto& cells = table.rows[0].row.cells;
  EXPECT_EQ(cells[0], "30");
  EXPECT_EQ(cells[1], "24,50/8,17");
  EXPECT_EQ(cells[2], "100");
  EXPECT_EQ(cells[3], "121");
  EXPECT_EQ(cells[4], "3,33");       // one exact hit in 30 darts
  EXPECT_EQ(cells[5], "0");          // singles thrown, none aimed
  EXPECT_EQ(cells[6], "-");          // no doubles at all
  EXPECT_EQ(cells[7], "33,33");      // 1 of 3 trebles aimed and hit
  EXPECT_EQ(cells[8], "2 (6,67%)");  // the share is of darts
  EXPECT_EQ(cells[11], "10 (30)");
}

TEST_F(Report, AimAndHitRows) {
  fixture.AddGame(anna, "const501dout", At(5, 20), {{"T20 LS1 T20", "T20 T20 LS20"}});
  auto request = Request(0, StatisticsInterval::Month);
  request.field = "T20";
  auto table = RefreshStatistics(*fixture.database, request);
  ASSERT_EQ(table.rows.size(), 1u);
  EXPECT_EQ(table.rows[0].row.cells, (std::vector<std::string>{"2", "100,00", "50,00"}));
  EXPECT_EQ(table.rows[0].row.dart1, "101=200");
  EXPECT_EQ(table.rows[0].row.dart2, "102=200");
  request.field = "alle";
  table = RefreshStatistics(*fixture.database, request);
  EXPECT_EQ(table.rows[0].row.cells[1], "na");
  EXPECT_EQ(table.rows[0].row.cells[0], "3");
}

TEST_F(Report, OverviewTextsByKind) {
  const auto game =
      fixture.AddGame(anna, "const501dout", At(5, 20), {{"T20 T20 T20"}, {"T20 LS1 LS1"}, {"D20"}});
  fixture.recorder.AppendDoubleRate(game, anna, 20, 5);
  fixture.AddGame(anna, "const501dout", At(6, 20), {{"LS1"}}, false);
  const auto rows = PlayerOverview(*fixture.database, 4, 0, At(31, 0));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].caption, "Anna \"Anna\" ");
  // 283 points in 8 darts
  EXPECT_EQ(rows[0].figures.texts,
            (std::vector<std::string>{"2", "1", "50", "180", "35,38", "40", "20/5  25%"}));
  EXPECT_DOUBLE_EQ(rows[0].figures.refvalue501, 106.125);
  const auto aim = PlayerOverview(*fixture.database, 18, 0, At(31, 0));
  EXPECT_EQ(aim[0].figures.texts, (std::vector<std::string>{"0", "0", ""}));
  EXPECT_EQ(OverviewColumns(GameKind::Cricket),
            (std::vector<std::string>{"Spiele", "Gewonnen", "%", "MPR"}));
}

}  // namespace
}  // namespace korvanti
