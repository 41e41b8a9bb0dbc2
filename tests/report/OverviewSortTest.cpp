#include <gtest/gtest.h>

#include <vector>

#include "report/OverviewSort.h"

namespace korvanti {
namespace {

OverviewCell Number(std::string text, double value) {
  return {std::move(text), value};
}
OverviewCell Text(std::string text) {
  return {std::move(text), std::nullopt};
}

std::vector<std::string> Sorted(std::vector<OverviewCell> cells, bool descending) {
  SortOverviewRows(
      cells, [](const OverviewCell& cell) { return cell; }, descending);
  std::vector<std::string> texts;
  for (const auto& cell : cells)
    texts.push_back(cell.text);
  return texts;
}

TEST(OverviewSort, NumbersByValueAndCellsWithoutNumberFirst) {
  const std::vector<OverviewCell> rates{Number("100", 100), Text(""),  Number("33,3", 33.3),
                                        Number(",5", 0.5),  Text("-"), Number("9", 9)};
  EXPECT_EQ(Sorted(rates, false), (std::vector<std::string>{"", "-", ",5", "9", "33,3", "100"}));
  EXPECT_EQ(Sorted(rates, true), (std::vector<std::string>{"100", "33,3", "9", ",5", "-", ""}));
}

TEST(OverviewSort, EqualCellsKeepTheirOrderInBothDirections) {
  const std::vector<OverviewCell> cells{Number("first", 5), Number("1", 1), Number("second", 5)};
  EXPECT_EQ(Sorted(cells, false), (std::vector<std::string>{"1", "first", "second"}));
  EXPECT_EQ(Sorted(cells, true), (std::vector<std::string>{"first", "second", "1"}));
}

TEST(OverviewSort, TextsFoldOnlyAsciiLetters) {
  struct Case {
    std::string_view a;
    std::string_view b;
    int sign;
  };
  const Case cases[] = {
      {"anna", "ANNA", 0},    {"anna", "Bernd", -1},
      {"Zoe", "ärger", -1},    // bytes above 127 after every ASCII letter, no locale
      {"Ärger", "ärger", -1},  // non-ASCII letters are not folded
      {"zoe", "_x", -1},       // letters count as capitals: 'Z' < '_'
      {"10", "9", -1},         // digits are texts here
      {"Ann", "Anna", -1},    {"", "a", -1},
  };
  for (const auto& c : cases) {
    const int order = CompareAsciiFolded(c.a, c.b);
    EXPECT_EQ((order > 0) - (order < 0), c.sign) << c.a << " / " << c.b;
    const int reverse = CompareAsciiFolded(c.b, c.a);
    EXPECT_EQ((reverse > 0) - (reverse < 0), -c.sign) << c.b << " / " << c.a;
  }
}

TEST(OverviewSort, ClicksToggleOnlyOnTheColumnClickedBefore) {
  struct Step {
    int column;
    bool descending;
  };
  // "Spieler" (0) counts as clicked before at start, so it sorts descending first.
  const Step steps[] = {{0, true},  {0, false}, {2, false}, {2, true}, {2, false},
                        {3, false}, {2, false}, {0, false}, {0, true}};
  OverviewSortState state;
  EXPECT_EQ(state.Column(), 0);
  EXPECT_FALSE(state.Descending());
  for (const auto& step : steps) {
    state.Click(step.column);
    EXPECT_EQ(state.Column(), step.column);
    EXPECT_EQ(state.PreviousColumn(), step.column);
    EXPECT_EQ(state.Descending(), step.descending) << "column " << step.column;
  }
}

}  // namespace
}  // namespace korvanti
