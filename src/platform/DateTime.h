#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvanti {

// Date-time numbers: days since 30 December 1899 plus the time of day as a
// fraction, the way every date is stored and compared.
using DateTimeNumber = double;

struct CalendarDateTime {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  bool operator==(const CalendarDateTime&) const = default;
};

DateTimeNumber DateTimeNow();  // local time
DateTimeNumber EncodeDateTime(const CalendarDateTime& calendar);
CalendarDateTime DecodeDateTime(DateTimeNumber value);

DateTimeNumber IncDay(DateTimeNumber value, int days);
DateTimeNumber IncWeek(DateTimeNumber value, int weeks);
// Keeps the time of day; a day past the end of the new month becomes its last day.
DateTimeNumber IncMonth(DateTimeNumber value, int months);
// Midnight of the same day.
DateTimeNumber DateOf(DateTimeNumber value);

struct DateTimeSeparators {
  char date = '.';
  char time = ':';
};

// Formats with the tokens d, dd, m, mm, yy, yyyy, h, hh, n, nn, s, ss; "/" and
// ":" stand for the date and time separators; other characters are copied.
// "dd/mm/yy h:n:s" gives "10.12.26 9:5:7" with the German separators.
std::string FormatDateTime(std::string_view pattern, DateTimeNumber value,
                           DateTimeSeparators separators = {});

bool IsValidDate(int year, int month, int day);

// A date "YYYY-MM-DD", optionally followed by " HH:MM" or " HH:MM:SS", the
// year 1 to 9999, month, day and time fields of one or two digits; nothing
// before or after it. Nothing when the text is not such a valid date.
std::optional<CalendarDateTime> ParseDateText(std::string_view text);
int DaysInMonth(int year, int month);

}  // namespace korvanti
