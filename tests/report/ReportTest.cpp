#include <gtest/gtest.h>

#include "DetailRequest.h"
#include "RawDatabase.h"
#include "StatisticsFixture.h"
#include "report/PlayerOverview.h"
#include "report/StatisticsDeletion.h"
#include "report/StatisticsReport.h"
#include "report/ThrowPicture.h"

namespace korvanti {
namespace {

using testing::DetailRequest;
using testing::StatisticsFixture;
using testing::TurnSpec;

double At(int day, int hour, int minute = 0) {
  return EncodeDateTime({2026, 5, day, hour, minute, 0});
}

class Report : public ::testing::Test {
 protected:
  StatisticsRequest Request(const std::string& key, StatisticsInterval interval,
                            bool lastEntry = false) {
    return DetailRequest(anna, key, At(1, 12), At(31, 12), interval, lastEntry);
  }

  StatisticsFixture fixture;
  std::string anna = fixture.AddPlayer("Anna");
};

TEST_F(Report, DailyRowsOnlyForDaysWithDarts) {
  fixture.AddGame(anna, "const501dout", At(3, 20), {{"T20 T20 T20"}});
  fixture.AddGame(anna, "const501dout", At(10, 18, 30), {{"LS1 LS1 LS1"}});
  const auto table =
      RefreshStatistics(*fixture.database, Request("const501dout", StatisticsInterval::Day));
  ASSERT_EQ(table.rows.size(), 2u);
  EXPECT_EQ(table.rows[0].from, At(3, 0));
  EXPECT_EQ(table.rows[0].to, At(4, 0));
  EXPECT_EQ(table.rows[1].row.cells[0], "3");
  EXPECT_EQ(table.columns.size(), 18u);
}

// The dates are picked with the time of day they were opened at (here noon):
// days, weeks and months still run from midnight of the first day, so the
// morning of that day counts too; the last step ends at the chosen end.
TEST_F(Report, StepsRunFromMidnightOfTheFirstDayToTheChosenEnd) {
  fixture.AddGame(anna, "const501dout", At(1, 8), {{"T20"}});
  fixture.AddGame(anna, "const501dout", At(31, 11), {{"LS1 LS1"}});
  fixture.AddGame(anna, "const501dout", At(31, 13), {{"LS2 LS2 LS2"}});  // after the end
  struct Case {
    StatisticsInterval interval;
    double firstTo;
    double lastFrom;
  };
  const Case cases[] = {
      {StatisticsInterval::Day, At(2, 0), At(31, 0)},
      {StatisticsInterval::Week, At(8, 0), At(29, 0)},
      {StatisticsInterval::Month, At(31, 12), At(1, 0)},
  };
  for (const auto& c : cases) {
    const auto table = RefreshStatistics(*fixture.database, Request("const501dout", c.interval));
    const auto name = static_cast<int>(c.interval);
    ASSERT_FALSE(table.rows.empty()) << name;
    const auto& first = table.rows.front();
    const auto& last = table.rows.back();
    EXPECT_EQ(first.from, At(1, 0)) << name;
    EXPECT_EQ(first.to, c.firstTo) << name;
    EXPECT_EQ(last.from, c.lastFrom) << name;
    EXPECT_EQ(last.to, At(31, 12)) << name;
    const bool oneRow = table.rows.size() == 1;
    EXPECT_EQ(first.row.cells[0], oneRow ? "3" : "1") << name;
    EXPECT_EQ(last.row.cells[0], oneRow ? "3" : "2") << name;
    // The figure over the whole selection holds the same darts as the rows.
    auto fromMidnight = Request("const501dout", c.interval);
    fromMidnight.from = At(1, 0);
    EXPECT_EQ(table.overallFigure, RefreshStatistics(*fixture.database, fromMidnight).overallFigure)
        << name;
    // The aim-and-hit board and the deletion count from the same start.
    EXPECT_EQ(AimedDartsOf(Request("const501dout", c.interval)).from, At(1, 0)) << name;
    EXPECT_EQ(CountedFrom(c.interval, At(1, 17)), At(1, 0)) << name;
  }
  EXPECT_EQ(CountedFrom(StatisticsInterval::Game, At(1, 17)), At(1, 17));
}

// The extra row holds exactly the last game; the regular rows hold every
// other game, also one saved an hour before it.
TEST_F(Report, TheLastGameGetsItsOwnRow) {
  fixture.AddGame(anna, "const501dout", At(10, 18, 30), {{"LS1 LS1 LS1"}});
  fixture.AddGame(anna, "const501dout", At(10, 20), {{"LS5 LS5 LS5"}});
  fixture.AddGame(anna, "const501dout", At(10, 21), {{"T20 T20 T20"}});
  auto request = Request("const501dout", StatisticsInterval::Day, true);
  request.from = At(1, 0);
  const auto table = RefreshStatistics(*fixture.database, request);
  ASSERT_EQ(table.rows.size(), 2u);
  EXPECT_EQ(table.rows[0].from, At(10, 0));
  EXPECT_EQ(table.rows[0].to, At(11, 0));
  EXPECT_EQ(table.rows[0].row.cells[0], "6");
  EXPECT_EQ(table.rows[0].row.cells[3], "15");
  EXPECT_TRUE(table.rows[1].lastGame);
  EXPECT_EQ(table.rows[1].from, At(10, 21));
  EXPECT_EQ(table.rows[1].row.cells[0], "3");
  EXPECT_EQ(table.rows[1].row.cells[3], "180");
}

// Games ten minutes apart each get their own row with only their darts.
TEST_F(Report, OneRowPerGameHoldsThatGame) {
  fixture.AddGame(anna, "const501dout", At(5, 20), {{"T20"}});
  fixture.AddGame(anna, "const501dout", At(5, 20, 10), {{"LS1 LS1"}});
  fixture.AddGame(anna, "const501dout", At(5, 20, 20), {{"LS2 LS2 LS2"}});
  const auto table =
      RefreshStatistics(*fixture.database, Request("const501dout", StatisticsInterval::Game, true));
  ASSERT_EQ(table.rows.size(), 3u);
  const std::vector<std::pair<std::string, double>> expected{
      {"1", At(5, 20)}, {"2", At(5, 20, 10)}, {"3", At(5, 20, 20)}};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(table.rows[i].row.cells[0], expected[i].first) << i;
    EXPECT_EQ(table.rows[i].from, expected[i].second) << i;
  }
  EXPECT_TRUE(table.rows[2].lastGame);
  EXPECT_TRUE(RefreshStatistics(*fixture.database, Request("const301dout", StatisticsInterval::Day))
                  .rows.empty());
}

// Rows exist only where darts are, so a span of centuries by day costs what
// its darts cost; the last step ends at the end date.
TEST_F(Report, PeriodsNeverPassTheEndDate) {
  fixture.AddGame(anna, "const501dout", At(20, 20), {{"T20"}});
  fixture.AddGame(anna, "const501dout", EncodeDateTime({2026, 6, 29, 20, 0, 0}), {{"T19"}});
  auto request = Request("const501dout", StatisticsInterval::Month);
  request.from = At(1, 0);
  request.to = EncodeDateTime({2026, 6, 30, 0, 0, 0});  // 60 days: one whole mean month
  auto table = RefreshStatistics(*fixture.database, request);
  ASSERT_EQ(table.rows.size(), 2u);
  EXPECT_EQ(table.rows[1].from, EncodeDateTime({2026, 6, 1, 0, 0, 0}));
  EXPECT_EQ(table.rows[1].to, request.to);

  request.from = EncodeDateTime({1, 1, 1, 0, 0, 0});
  request.to = EncodeDateTime({9999, 12, 31, 0, 0, 0});
  request.interval = StatisticsInterval::Day;
  table = RefreshStatistics(*fixture.database, request);
  ASSERT_EQ(table.rows.size(), 2u);
  EXPECT_EQ(table.rows[0].from, At(20, 0));
  EXPECT_EQ(table.rows[0].to, At(21, 0));
}

TEST_F(Report, CountDownRowTexts) {
  std::vector<TurnSpec> turns(7, TurnSpec("LS1 LS1 LS1"));
  turns.push_back({"T20 T20 T20", "", false});  // a bust scores nothing: no 180
  turns.push_back({"T20 T20 LS1"});
  turns.push_back({"T20 LS20 LS20", "T20 T20 -"});
  fixture.AddGame(anna, "const501dout", At(5, 20), turns);
  const auto table =
      RefreshStatistics(*fixture.database, Request("const501dout", StatisticsInterval::Month));
  ASSERT_EQ(table.rows.size(), 1u);
  const auto& cells = table.rows[0].row.cells;
  EXPECT_EQ(cells[0], "30");
  EXPECT_EQ(cells[1], "24,20/8,07");
  EXPECT_EQ(cells[2], "100");
  EXPECT_EQ(cells[3], "121");
  EXPECT_EQ(cells[4], "3,33");        // one exact hit in 30 darts
  EXPECT_EQ(cells[5], "0");           // singles thrown, none aimed
  EXPECT_EQ(cells[6], "-");           // no doubles at all
  EXPECT_EQ(cells[7], "16,67");       // 1 of 6 trebles aimed and hit
  EXPECT_EQ(cells[8], "2 (20,00%)");  // the share is of the 10 turns
  EXPECT_EQ(cells[10], "0");          // the busted T20 T20 T20 is no 180
  EXPECT_EQ(cells[11], "10 (30)");
}

TEST_F(Report, AimAndHitRows) {
  fixture.AddGame(anna, "const501dout", At(5, 20), {{"T20 LS1 T20", "T20 T20 LS20"}});
  auto request = Request("", StatisticsInterval::Month);
  request.field = "T20";
  auto table = RefreshStatistics(*fixture.database, request);
  ASSERT_EQ(table.rows.size(), 1u);
  EXPECT_EQ(table.rows[0].row.cells, (std::vector<std::string>{"2", "100,00", "50,00"}));
  EXPECT_EQ(table.rows[0].row.dots[0], (std::vector<BoardPoint>{{101, 200}}));
  EXPECT_EQ(table.rows[0].row.dots[1], (std::vector<BoardPoint>{{102, 200}}));
  EXPECT_TRUE(table.rows[0].row.dots[2].empty());
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
  const auto rows = PlayerOverview(*fixture.database, FindCatalogEntry(4), 0, At(31, 0));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].caption, "Anna \"Anna\" ");
  // 283 points in 8 darts, and in the four turns among the first nine
  const std::vector<OverviewCell> expected{
      {"2", 2},   {"1", 1},          {"50", 50},           {"180", 180}, {"35,38", 283.0 / 8},
      {"40", 40}, {"20/5  25%", 25}, {"70,75", 283.0 / 4}, {"1", 1}};
  EXPECT_EQ(rows[0].figures.cells, expected);
  EXPECT_DOUBLE_EQ(rows[0].figures.referenceAverage501, 106.125);
  const auto aim = PlayerOverview(*fixture.database, FindCatalogEntry(18), 0, At(31, 0));
  // A segment training keeps personal bests: none yet.
  EXPECT_EQ(aim[0].figures.cells, (std::vector<OverviewCell>{{"0", 0},
                                                             {"0", 0},
                                                             {"", 0},
                                                             {"0", 0},
                                                             {"-", std::nullopt},
                                                             {"-", std::nullopt},
                                                             {"-", std::nullopt}}));
  EXPECT_EQ(
      OverviewColumns(GameKind::Cricket),
      (std::vector<OverviewColumn>{{"Spiele", ""}, {"Gewonnen", ""}, {"%", ""}, {"MPR", ""}}));
  // The trainings' hits are the exact field's; the header says so.
  const auto aimColumns = OverviewColumns(GameKind::Aim);
  EXPECT_EQ(aimColumns[1].caption, "Treffer");
  EXPECT_EQ(aimColumns[1].hint.rfind("Treffer genau im Zielfeld", 0), 0u);
}

// Halve-It's overview adds the trainings, the best, the average of the last
// ten and the day of the best; an aborted training has no result and is left out.
TEST_F(Report, OverviewOfATrainingWithPersonalBests) {
  for (const auto& [day, result] : {std::pair{5, 175}, {6, 205}, {7, 140}, {8, -1}}) {
    const auto game = fixture.AddGame(anna, "consthalveit", At(day, 20), {{"LS15"}}, result >= 0);
    if (result >= 0) {
      fixture.recorder.AppendTrainingResult(game, anna, result, std::nullopt);
    }
  }
  const auto* halveIt = FindCatalogEntry(33);
  const auto columns = OverviewColumns(halveIt);
  ASSERT_EQ(columns.size(), 7u);
  EXPECT_EQ(columns[3].caption, "Trainings");
  EXPECT_EQ(columns[6].caption, "Bester Tag");
  const auto rows = PlayerOverview(*fixture.database, halveIt, 0, At(31, 0));
  const std::vector<OverviewCell> bests(rows[0].figures.cells.begin() + 3,
                                        rows[0].figures.cells.end());
  EXPECT_EQ(bests,
            (std::vector<OverviewCell>{{"3", 3},
                                       {"205", 205},
                                       {"173,33", 520.0 / 3},
                                       {FormatDateTime("dd/mm/yyyy", At(6, 20)), At(6, 20)}}));
  EXPECT_EQ(OverviewColumns(FindCatalogEntry(4)), OverviewColumns(GameKind::Out));
}

// The free training (28) and the designed trainings (29) of the start window
// each show their own games, whatever the statistics window's list order is.
TEST_F(Report, OverviewOfTheTwoFreeTrainings) {
  fixture.AddGame(anna, "constpractice_self", At(5, 20), {{"LS1 LS1 LS1"}});
  fixture.AddGame(anna, "constpractice_free1", At(5, 21), {{"T20 T20"}});
  for (const auto& [gameIndex, darts] : {std::pair{28, "3"}, {29, "2"}}) {
    const auto rows = PlayerOverview(*fixture.database, FindCatalogEntry(gameIndex), 0, At(31, 0));
    EXPECT_EQ(rows[0].figures.cells[0].text, darts) << gameIndex;
  }
}

TEST_F(Report, DeletionAsksForWhatItRemoves) {
  fixture.AddGame(anna, "constcricket", At(5, 20), {{"T20 T20"}, {"LS1"}});
  fixture.AddGame(anna, "constcricket", At(6, 20), {{"T20"}});
  fixture.AddGame(anna, "const501dout", At(6, 20), {{"T20"}});
  const StatisticsSelection cricket{anna, "Anna", "constcricket", At(1, 0), At(31, 0)};
  EXPECT_EQ(DeletionQuestion(*fixture.database, cricket),
            "Wollen sie wirklich die ausgewählten Statistiken löschen?\n\nEs werden 3 Aufnahmen "
            "aus 2 Spielen von Anna gelöscht: die Würfe von \"Cricket\", \"Cricket Master\", "
            "\"Cricket Cut Throat\" und \"Cricket Master Cut Throat\" (sie werden gemeinsam "
            "gespeichert) vom 01.05.2026 00:00 bis 31.05.2026 00:00.");
  const StatisticsSelection all{anna, "Anna", "", At(6, 0), At(31, 0)};
  EXPECT_NE(DeletionQuestion(*fixture.database, all)
                .find("2 Aufnahmen aus 2 Spielen von Anna gelöscht: die Würfe aller Spiele"),
            std::string::npos);
  const auto deleted = DeleteSelectedStatistics(*fixture.database, cricket);
  EXPECT_EQ(deleted.turns, 3);
  EXPECT_EQ(deleted.games, 2);
  testing::RawDatabase raw(fixture.folder / "dart.mdb");
  EXPECT_EQ(raw.Count("throw"), 1);
}

}  // namespace
}  // namespace korvanti
