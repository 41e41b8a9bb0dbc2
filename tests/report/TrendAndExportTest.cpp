#include <gtest/gtest.h>

#include <sstream>

#include "DetailRequest.h"
#include "StatisticsFixture.h"
#include "report/CsvWriter.h"
#include "report/StatisticsReport.h"
#include "report/StatisticsTrend.h"
#include "store/StoredDarts.h"

namespace korvanti {
namespace {

using testing::DetailRequest;
using testing::StatisticsFixture;
using testing::TurnSpec;

double At(int day, int hour, int minute = 0) {
  return EncodeDateTime({2026, 5, day, hour, minute, 0});
}

std::string TableCaptions(StatisticsTableKind kind) {
  std::ostringstream line;
  WriteCsvLine(line, TableColumns(kind));
  auto text = line.str();
  text.pop_back();
  return text;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

class Trend : public ::testing::Test {
 protected:
  StatisticsRequest Request(const std::string& key, bool lastEntry) {
    return DetailRequest(anna, key, At(1, 0), At(31, 0), StatisticsInterval::Day, lastEntry);
  }

  StatisticsFixture fixture;
  std::string anna = fixture.AddPlayer("Anna");
};

// Each table's main figure per row, and over the whole selection: with the
// extra row the last game is in the overall figure too.
TEST_F(Trend, MainFigurePerTableKind) {
  struct Case {
    const char* key;
    std::vector<TurnSpec> first;
    std::vector<TurnSpec> second;
    double firstFigure;
    double secondFigure;
    double overall;
  };
  const std::vector<Case> cases{
      // three-dart average: 180 over 3 darts, 60 over 3 darts
      {"const501dout", {{"T20 T20 T20"}}, {{"LS20 LS20 LS20"}}, 180, 60, 120},
      // the share of darts aimed at the 20 in the 20 training
      {"constpractice_segment_20",
       {{"LS20 LS20 LS1", "20 20 20"}},
       {{"LS1 LS1 LS1", "20 20 20"}},
       200.0 / 3,
       0,
       100.0 / 3},
      // the share of exact hits of the free training
      {"constpractice_self", {{"T20 T20 LS1", "T20 T20 T20"}}, {{"LS1", "T20"}}, 200.0 / 3, 0, 50},
  };
  for (const auto& c : cases) {
    StatisticsFixture fixture;
    const auto player = fixture.AddPlayer("Anna");
    fixture.AddGame(player, c.key, At(5, 20), c.first);
    fixture.AddGame(player, c.key, At(6, 20), c.second);
    for (const bool lastEntry : {false, true}) {
      auto request = Request(c.key, lastEntry);
      request.playerId = player;
      const auto table = RefreshStatistics(*fixture.database, request);
      ASSERT_EQ(table.rows.size(), 2u) << c.key;
      ASSERT_TRUE(table.rows[0].row.mainFigure) << c.key;
      EXPECT_NEAR(*table.rows[0].row.mainFigure, c.firstFigure, 1e-9) << c.key;
      EXPECT_NEAR(*table.rows[1].row.mainFigure, c.secondFigure, 1e-9) << c.key;
      ASSERT_TRUE(table.overallFigure) << c.key;
      EXPECT_NEAR(*table.overallFigure, c.overall, 1e-9) << c.key << " " << lastEntry;
    }
  }
}

TEST_F(Trend, PointsInTimeOrderWithTheOverallFigure) {
  fixture.AddGame(anna, "const501dout", At(3, 20), {{"T20 T20 T20"}});
  fixture.AddGame(anna, "const501dout", At(7, 20), {{"LS20 LS20 LS20"}});
  fixture.AddGame(anna, "const501dout", At(7, 21), {{"LS1 LS1 LS1"}});
  const auto table = RefreshStatistics(*fixture.database, Request("const501dout", true));
  const auto trend = TrendOf(table);
  EXPECT_EQ(trend.figureName, "3-Dart-Schnitt");
  ASSERT_EQ(trend.points.size(), 3u);
  EXPECT_EQ(trend.points[0], (TrendPoint{At(3, 0), 180}));
  EXPECT_EQ(trend.points[1], (TrendPoint{At(7, 0), 60}));
  EXPECT_EQ(trend.points[2], (TrendPoint{At(7, 21), 3}));
  ASSERT_TRUE(trend.overall);
  EXPECT_NEAR(*trend.overall, 81, 1e-9);
}

TEST_F(Trend, TheAimAndHitViewHasNoFigures) {
  fixture.AddGame(anna, "const501dout", At(3, 20), {{"T20 T20 T20", "T20 T20 T20"}});
  auto request = Request("const501dout", false);
  request.view = StatisticsView::AimAndHit;
  const auto table = RefreshStatistics(*fixture.database, request);
  ASSERT_EQ(table.rows.size(), 1u);
  EXPECT_FALSE(table.rows[0].row.mainFigure);
  EXPECT_FALSE(table.overallFigure);
  EXPECT_TRUE(TrendOf(table).points.empty());
}

TEST(CsvLine, QuotesOnlyWhatNeedsIt) {
  std::ostringstream out;
  WriteCsvLine(out, {"plain", "a,b", "say \"hi\"", "two\nlines", ""});
  EXPECT_EQ(out.str(), "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\n");
}

TEST_F(Trend, StatisticsCsvHasCaptionsAndPeriodColumns) {
  fixture.AddGame(anna, "const501dout", At(3, 20), {{"T20 T20 T20"}});
  const auto table = RefreshStatistics(*fixture.database, Request("const501dout", true));
  std::ostringstream out;
  WriteStatisticsCsv(out, table);
  const auto lines = Lines(out.str());
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].substr(0, 24), "Darts,Avg./PPD,Best chec");
  EXPECT_EQ(lines[1].substr(0, 17), "3,\"180,00/60,00\",");
  EXPECT_TRUE(lines[1].ends_with(",last game: 03.05.26 20:00:00,03.05.26 20:00:00")) << lines[1];
}

// An exported table says whose, of what and when before its captions; the
// period is the one counted, days from midnight of the first day.
TEST_F(Trend, AnExportNamesItsSelectionBeforeTheTable) {
  fixture.AddGame(anna, "const501dout", At(3, 20), {{"T20 T20 T20", "T20 T20 T20"}});
  auto detail = Request("const501dout", false);
  detail.from = At(1, 12);
  auto aim = detail;
  aim.gameTypeKey.clear();
  aim.view = StatisticsView::AimAndHit;
  aim.field = "T20";
  struct Case {
    StatisticsRequest request;
    StatisticsCsvHeading heading;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {detail,
       {"Anna", "501 DO", "täglich", ""},
       {"Spieler,Anna", "Spiel/Training,501 DO", "Intervall,täglich",
        "Zeitraum,01.05.26 00:00:00,31.05.26 00:00:00", "",
        TableCaptions(StatisticsTableKind::CountDown)}},
      {aim,
       {"Anna", "Alle", "täglich", "T20"},
       {"Spieler,Anna", "Spiel/Training,Alle", "Feldauswahl,T20", "Intervall,täglich",
        "Zeitraum,01.05.26 00:00:00,31.05.26 00:00:00", "",
        TableCaptions(StatisticsTableKind::AimAndHit)}},
  };
  for (const auto& c : cases) {
    std::ostringstream out;
    WriteStatisticsCsv(out, RefreshStatistics(*fixture.database, c.request), c.heading);
    auto lines = Lines(out.str());
    ASSERT_GT(lines.size(), c.lines.size()) << c.heading.gameType;  // and the rows
    lines.resize(c.lines.size());
    EXPECT_EQ(lines, c.lines) << c.heading.gameType;
  }
}

class DartExport : public ::testing::Test {
 protected:
  std::vector<std::string> Export(const StoredDartFilter& filter) {
    std::ostringstream out;
    WriteDartsCsv(out, *fixture.database, filter);
    return Lines(out.str());
  }

  StatisticsFixture fixture;
  std::string anna = fixture.AddPlayer("Anna \"the Arrow\", jr.");
  std::string ben = fixture.AddPlayer("Ben");
};

TEST_F(DartExport, OneLinePerThrownDartWithCodesAndPositions) {
  const auto game =
      fixture.AddGame(anna, "const501dout", At(3, 20, 5), {{"T20 LS1", "T20 20"}, {"D16"}});
  const auto lines = Export({});
  ASSERT_EQ(lines.size(), 4u);  // captions and three darts; the unthrown ones are left out
  EXPECT_EQ(lines[0],
            "datetime,player,gametype,gameid,turn,dart,hit,points,hit_x,hit_y,aim,aim_x,aim_y");
  const std::string name = "\"Anna \"\"the Arrow\"\", jr.\"";
  EXPECT_EQ(lines[1], "2026-05-03T20:05:00," + name + ",const501dout," + game +
                          ",1,1,T20,60,101,200,T20,0,0");
  EXPECT_EQ(lines[2],
            "2026-05-03T20:05:00," + name + ",const501dout," + game + ",1,2,LS1,1,102,200,20,0,0");
  EXPECT_EQ(lines[3],
            "2026-05-03T20:05:00," + name + ",const501dout," + game + ",2,1,D16,32,111,201,,0,0");
}

TEST_F(DartExport, FiltersByPlayerAndDate) {
  fixture.AddGame(anna, "const501dout", At(3, 20), {{"T20"}});
  fixture.AddGame(ben, "const501dout", At(4, 20), {{"T19"}});
  fixture.AddGame(anna, "const501dout", At(5, 20), {{"T18"}});
  struct Case {
    StoredDartFilter filter;
    std::vector<std::string> hits;
  };
  const std::vector<Case> cases{
      {{}, {"T20", "T19", "T18"}},
      {{anna, std::nullopt, std::nullopt}, {"T20", "T18"}},
      {{std::nullopt, At(4, 20), std::nullopt}, {"T19", "T18"}},
      {{std::nullopt, std::nullopt, At(4, 20)}, {"T20", "T19"}},
      {{anna, At(4, 0), At(6, 0)}, {"T18"}},
      {{ben, At(5, 0), std::nullopt}, {}},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    std::vector<std::string> hits;
    ForEachStoredDart(*fixture.database, cases[i].filter,
                      [&](const StoredDart& dart) { hits.push_back(dart.hit); });
    EXPECT_EQ(hits, cases[i].hits) << i;
  }
}

}  // namespace
}  // namespace korvanti
