#include <gtest/gtest.h>

#include "report/PeriodText.h"

namespace korvanti {
namespace {

DateTimeNumber At(int year, int month, int day, int hour, int minute, int second) {
  return EncodeDateTime({year, month, day, hour, minute, second});
}

TEST(PeriodText, BoundsAreWrittenDayMonthYearThenTimeWithTwoDigitsEach) {
  struct Case {
    DateTimeNumber value;
    DateTimeSeparators separators;
    const char* text;
  };
  const Case cases[] = {
      {At(2026, 5, 3, 9, 5, 7), {}, "03.05.26 09:05:07"},
      {At(2026, 12, 31, 23, 59, 59), {}, "31.12.26 23:59:59"},
      {At(2026, 5, 10, 0, 0, 0), {}, "10.05.26 00:00:00"},
      {At(2009, 1, 2, 14, 30, 0), {'/', '.'}, "02/01/09 14.30.00"},
      // two hours before a game at 21:00, as the day rows end before the last game
      {At(2026, 5, 10, 21, 0, 0) - 2.0 / 24, {}, "10.05.26 19:00:00"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PeriodBoundText(c.value, c.separators), c.text) << c.text;
}

TEST(PeriodText, TheLastGameRowPrefixesItsStartOnly) {
  const auto game = At(2026, 5, 10, 21, 0, 0);
  EXPECT_EQ(PeriodColumnTexts(game - 2.0 / 24, game + 2.0 / 24, true),
            (PeriodColumns{"last game: 10.05.26 19:00:00", "10.05.26 23:00:00"}));
  EXPECT_EQ(PeriodColumnTexts(At(2026, 5, 1, 8, 0, 0), At(2026, 5, 2, 8, 0, 0), false),
            (PeriodColumns{"01.05.26 08:00:00", "02.05.26 08:00:00"}));
}

}  // namespace
}  // namespace korvanti
