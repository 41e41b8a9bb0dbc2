#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "DetailRequest.h"
#include "RawDatabase.h"
#include "StatisticsFixture.h"
#include "report/CsvWriter.h"
#include "report/PlayerOverview.h"
#include "report/StatisticsReport.h"

namespace korvanti {
namespace {

using testing::DetailRequest;
using testing::RawDatabase;
using testing::StatisticsFixture;

double At(int day, int hour) {
  return EncodeDateTime({2026, 5, day, hour, 0, 0});
}

// Two legs of one match on the 3rd, a game outside any match on the 4th,
// all 301 double out:
//   leg won:  180, then 121 checked out (one dart at a finish, D14)
//   leg lost: 180, 89, then 28 at 32 left (darts at D16, D8, D4, all missed)
//   game:     as the leg won
class CountDownColumns : public ::testing::Test {
 protected:
  CountDownColumns() {
    const auto won =
        fixture.AddGame(anna, "const301dout", At(3, 20), {{"T20 T20 T20"}, {"T20 T11 D14"}});
    const auto lost =
        fixture.AddGame(anna, "const301dout", At(3, 21),
                        {{"T20 T20 T20"}, {"T20 LS19 LS10"}, {"LS16 LS8 LS4"}}, false);
    fixture.AddGame(anna, "const301dout", At(4, 20), {{"T20 T20 T20"}, {"T20 T11 D14"}});
    RawDatabase raw(fixture.folder / "dart.mdb");
    raw.Exec("UPDATE game SET matchid = 'm1' WHERE gameid IN ('" + won + "', '" + lost + "')");
  }

  StatisticsTable Table(StatisticsInterval interval, StatisticsView view = StatisticsView::Detail) {
    auto request = DetailRequest(anna, "const301dout", At(1, 12), At(31, 12), interval, false);
    request.view = view;
    return RefreshStatistics(*fixture.database, request);
  }

  StatisticsFixture fixture;
  std::string anna = fixture.AddPlayer("Anna");
};

std::string Cell(const StatisticsTable& table, std::size_t row, const std::string& column) {
  const auto at = std::find(table.columns.begin(), table.columns.end(), column);
  EXPECT_NE(at, table.columns.end()) << column;
  return table.rows.at(row).row.cells.at(static_cast<std::size_t>(at - table.columns.begin()));
}

// First nine: (301 + 297 + 301) / 7 turns; checkout: 2 of 5 darts at a
// finishing double; the match legs only where the period holds them.
TEST_F(CountDownColumns, DetailedColumnsPerPeriod) {
  struct Case {
    StatisticsInterval interval;
    std::size_t row;
    const char* firstNine;
    const char* count180;
    const char* checkout;
    const char* legs;
  };
  const Case cases[] = {
      {StatisticsInterval::Month, 0, "128,43", "3", "40,00", "1/2"},
      {StatisticsInterval::Day, 0, "119,60", "2", "25,00", "1/2"},
      {StatisticsInterval::Day, 1, "150,50", "1", "100,00", "-"},
      {StatisticsInterval::Game, 1, "99,00", "1", "0,00", "0/1"},
  };
  for (const auto& c : cases) {
    const auto table = Table(c.interval);
    const auto name = std::to_string(static_cast<int>(c.interval)) + "/" + std::to_string(c.row);
    EXPECT_EQ(Cell(table, c.row, "First 9"), c.firstNine) << name;
    EXPECT_EQ(Cell(table, c.row, "180er"), c.count180) << name;
    EXPECT_EQ(Cell(table, c.row, "Checkout %"), c.checkout) << name;
    EXPECT_EQ(Cell(table, c.row, "Legs"), c.legs) << name;
  }
}

// One row per double over the whole period, without period columns.
TEST_F(CountDownColumns, DoublesView) {
  const auto table = Table(StatisticsInterval::Day, StatisticsView::Doubles);
  EXPECT_EQ(table.columns, (std::vector<std::string>{"Doppel", "Darts", "Treffer", "%"}));
  ASSERT_EQ(table.rows.size(), 21u);
  const auto cells = [&](std::size_t row) { return table.rows[row].row.cells; };
  using Cells = std::vector<std::string>;
  EXPECT_EQ(cells(0), (Cells{"D1", "0", "0", "-"}));
  EXPECT_EQ(cells(3), (Cells{"D4", "1", "0", "0,00"}));
  EXPECT_EQ(cells(13), (Cells{"D14", "2", "2", "100,00"}));
  EXPECT_EQ(cells(15), (Cells{"D16", "1", "0", "0,00"}));
  EXPECT_EQ(cells(20), (Cells{"Bull", "0", "0", "-"}));
  std::ostringstream csv;
  WriteStatisticsCsv(csv, table);
  EXPECT_EQ(csv.str().substr(0, csv.str().find('\n', csv.str().find('\n') + 1)),
            "Doppel,Darts,Treffer,%\nD1,0,0,-");

  // A period without darts at a double has no rows.
  auto other =
      DetailRequest(anna, "const501dout", At(1, 12), At(31, 12), StatisticsInterval::Day, false);
  other.view = StatisticsView::Doubles;
  EXPECT_TRUE(RefreshStatistics(*fixture.database, other).rows.empty());
}

TEST_F(CountDownColumns, OverviewColumns) {
  const auto* entry = FindCatalogEntry(3);
  ASSERT_EQ(entry->gameTypeKey, "const301dout");
  const auto columns = OverviewColumns(entry->kind);
  const auto rows = PlayerOverview(*fixture.database, entry, 0, At(31, 12));
  ASSERT_EQ(rows.size(), 1u);
  const auto cell = [&](const char* caption) {
    const auto at = std::find_if(columns.begin(), columns.end(),
                                 [&](const OverviewColumn& c) { return c.caption == caption; });
    EXPECT_NE(at, columns.end()) << caption;
    return rows[0].figures.cells.at(static_cast<std::size_t>(at - columns.begin()));
  };
  EXPECT_EQ(cell("First 9").text, "128,43");
  EXPECT_DOUBLE_EQ(*cell("First 9").number, 899.0 / 7);
  EXPECT_EQ(cell("180er").text, "3");
  // Without games: no first nine to show.
  const auto none = PlayerOverview(*fixture.database, FindCatalogEntry(4), 0, At(31, 12));
  EXPECT_EQ(none.at(0).figures.cells.at(columns.size() - 2).text, "-");
}

}  // namespace
}  // namespace korvanti
