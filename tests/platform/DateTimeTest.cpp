#include <gtest/gtest.h>

#include "platform/DateTime.h"

namespace korvanti {
namespace {

TEST(DateTime, EncodesDaysSinceTheEndOf1899) {
  struct Case {
    CalendarDateTime calendar;
    double number;
  };
  const Case cases[] = {
      {{1899, 12, 30}, 0.0},
      {{1900, 1, 1}, 2.0},
      {{2000, 1, 1}, 36526.0},
      {{2023, 3, 15}, 45000.0},
      {{2023, 3, 15, 18, 0, 0}, 45000.75},
      {{2024, 2, 29, 6, 0, 0}, 45351.25},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(EncodeDateTime(c.calendar), c.number) << c.number;
    EXPECT_EQ(DecodeDateTime(c.number), c.calendar) << c.number;
  }
}

TEST(DateTime, DecodesToTheMillisecondAndRoundsUpIntoTheNextDay) {
  const CalendarDateTime moment{2026, 12, 10, 23, 59, 59, 999};
  EXPECT_EQ(DecodeDateTime(EncodeDateTime(moment)), moment);
  EXPECT_EQ(DecodeDateTime(45000.0 - 1e-10), (CalendarDateTime{2023, 3, 15}));
}

TEST(DateTime, StepsByDaysWeeksAndMonths) {
  const double start = EncodeDateTime({2024, 1, 31, 10, 30, 0});
  EXPECT_EQ(DecodeDateTime(IncDay(start, 1)), (CalendarDateTime{2024, 2, 1, 10, 30, 0}));
  EXPECT_EQ(DecodeDateTime(IncWeek(start, -1)), (CalendarDateTime{2024, 1, 24, 10, 30, 0}));
  EXPECT_EQ(DecodeDateTime(IncMonth(start, 1)), (CalendarDateTime{2024, 2, 29, 10, 30, 0}));
  EXPECT_EQ(DecodeDateTime(IncMonth(start, 13)), (CalendarDateTime{2025, 2, 28, 10, 30, 0}));
  EXPECT_EQ(DecodeDateTime(IncMonth(start, -2)), (CalendarDateTime{2023, 11, 30, 10, 30, 0}));
  EXPECT_EQ(DecodeDateTime(DateOf(start)), (CalendarDateTime{2024, 1, 31}));
}

TEST(DateTime, FormatsPeriodBoundsWithLocalSeparators) {
  const double moment = EncodeDateTime({2026, 3, 5, 9, 5, 7});
  EXPECT_EQ(FormatDateTime("dd/mm/yy h:n:s", moment), "05.03.26 9:5:7");
  EXPECT_EQ(FormatDateTime("dd/mm/yy h:n:s", moment, {'/', ':'}), "05/03/26 9:5:7");
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss", moment), "2026-03-05 09:05:07");
}

TEST(DateTime, NowIsToday) {
  const double now = DateTimeNow();
  EXPECT_GT(now, EncodeDateTime({2020, 1, 1}));
  EXPECT_LT(now, EncodeDateTime({2100, 1, 1}));
}

TEST(DateTime, ParsesOnlyWholeDatesFromYearOneOn) {
  const struct {
    const char* text;
    std::optional<CalendarDateTime> date;
  } cases[] = {
      {"2020-01-31", CalendarDateTime{2020, 1, 31, 0, 0, 0}},
      {"2020-2-29 7:05", CalendarDateTime{2020, 2, 29, 7, 5, 0}},
      {"0001-01-01 23:59:59", CalendarDateTime{1, 1, 1, 23, 59, 59}},
      {"2020-01-01xyz", std::nullopt},
      {"2020-01-01 ", std::nullopt},
      {" 2020-01-01", std::nullopt},
      {"0000-01-01", std::nullopt},
      {"-001-01-01", std::nullopt},
      {"+2020-01-01", std::nullopt},
      {"2021-02-29", std::nullopt},
      {"2020-01-01 24:00", std::nullopt},
      {"2020-01-01 12:00:", std::nullopt},
      {"2020-001-01", std::nullopt},
      {"20200-01-01", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseDateText(c.text), c.date) << c.text;
  }
}

}  // namespace
}  // namespace korvanti
