#include <gtest/gtest.h>

#include <algorithm>

#include "engine/HitMap.h"
#include "report/FieldSelection.h"

namespace korvanti {
namespace {

TEST(FieldSelection, EntriesRunFromAlleOverNumbersAndFieldsToAnEmptyOne) {
  const auto entries = FieldSelectionEntries();
  ASSERT_EQ(entries.size(), 1u + 21 + 21 + 1 + 20 + 20 + 20 + 1);
  EXPECT_EQ(entries[0], "Alle");
  EXPECT_EQ(entries[1], "25");
  EXPECT_EQ(entries[2], "20");
  EXPECT_EQ(entries[21], "1");
  EXPECT_EQ(entries[22], "D1");
  EXPECT_EQ(entries[41], "D20");
  EXPECT_EQ(entries[42], "D25");
  EXPECT_EQ(entries[43], "SS25");
  EXPECT_EQ(entries[44], "T1");
  EXPECT_EQ(entries[64], "LS1");
  EXPECT_EQ(entries[84], "SS1");
  EXPECT_EQ(entries[103], "SS20");
  EXPECT_EQ(entries.back(), "");
}

class BoardClick : public ::testing::Test {
 protected:
  static BoardPoint Aim(std::string_view code) { return *AimPointFor(code); }
  static const HitMap& Map() {
    static const HitMap map;
    return map;
  }
};

TEST_F(BoardClick, LeftGivesTheNumberOtherButtonsTheField) {
  constexpr BoardPoint kOutside{5, 5};
  constexpr BoardPoint kBullWire{343, 318};  // between bull's eye and outer bull
  ASSERT_EQ(Map().FieldAt(kBullWire.x, kBullWire.y), "00");
  struct Case {
    BoardPoint at;
    ClickButton button;
    std::string_view current;
    std::optional<std::string> selection;
  };
  const Case cases[] = {
      {Aim("T20"), ClickButton::Left, "Alle", "20"},
      {Aim("T20"), ClickButton::Other, "Alle", "T20"},
      {Aim("SS25"), ClickButton::Other, "Alle", "SS25"},
      {Aim("SS25"), ClickButton::Left, "Alle", "25"},
      {Aim("D25"), ClickButton::Left, "Alle", "25"},
      {Aim("D25"), ClickButton::Other, "Alle", "D25"},
      {Aim("LS7"), ClickButton::Other, "20", "LS7"},
      // "0" is no entry: no entry is selected and the empty text shows every dart
      {kOutside, ClickButton::Left, "Alle", ""},
      {kOutside, ClickButton::Other, "T20", ""},
      // a wire: the left button keeps the selection, another one selects no entry
      {kBullWire, ClickButton::Left, "T20", std::nullopt},
      {kBullWire, ClickButton::Other, "T20", ""},
      // the field already selected: nothing happens
      {Aim("T20"), ClickButton::Other, "T20", std::nullopt},
      {Aim("T20"), ClickButton::Left, "20", std::nullopt},
      {kOutside, ClickButton::Left, "", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SelectionAfterClick(Map(), c.at, c.button, c.current), c.selection)
        << Map().FieldAt(c.at.x, c.at.y) << (c.button == ClickButton::Left ? " left" : " other")
        << " over " << c.current;
  }
}

TEST(FieldSelection, ClickTextsBeforeTheyMeetTheEntries) {
  EXPECT_EQ(ClickedFieldText("0", ClickButton::Left), "0");
  EXPECT_EQ(ClickedFieldText("0", ClickButton::Other), "0");
  EXPECT_EQ(ClickedFieldText("00", ClickButton::Left), std::nullopt);
  EXPECT_EQ(ClickedFieldText("00", ClickButton::Other), "00");
  EXPECT_EQ(ClickedFieldText("SS7", ClickButton::Left), "7");
}

TEST(FieldSelection, TypedTextsAndTheFilterTheyGive) {
  struct Case {
    std::string_view typed;
    bool accepted;
    std::string_view filter;
  };
  const Case cases[] = {
      {"Alle", true, ""},    {"ALLE", true, ""}, {"all", true, ""},      {"aLl", true, ""},
      {"T20", true, "T20"},  {"20", true, "20"}, {"SS25", true, "SS25"}, {"", true, ""},
      {"t20", false, "t20"}, {"0", false, "0"},  {"T25", false, "T25"},  {"Alles", false, "Alles"},
      {"020", false, "020"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsAcceptedSelection(c.typed), c.accepted) << c.typed;
    EXPECT_EQ(SelectionFilter(c.typed), c.filter) << c.typed;
  }
}

}  // namespace
}  // namespace korvanti
