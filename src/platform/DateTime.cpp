#include "platform/DateTime.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <ctime>

namespace korvanti {
namespace {

constexpr double kMillisecondsPerDay = 86'400'000.0;

// Days between 1970-01-01 and the given civil date (proleptic Gregorian).
// Evaluated at compile time for the epoch below, so that date constants of
// other files, made before any code of this one runs, come out right.
constexpr long long DaysFromCivil(long long year, unsigned month, unsigned day) {
  year -= month <= 2 ? 1 : 0;
  const long long era = (year >= 0 ? year : year - 399) / 400;
  const auto yearOfEra = static_cast<unsigned>(year - era * 400);
  const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + static_cast<long long>(dayOfEra) - 719468;
}

void CivilFromDays(long long days, int& year, int& month, int& day) {
  days += 719468;
  const long long era = (days >= 0 ? days : days - 146096) / 146097;
  const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
  const unsigned yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const unsigned monthIndex = (5 * dayOfYear + 2) / 153;
  day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  year = static_cast<int>(static_cast<long long>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0));
}

constexpr long long kEpochOffset = DaysFromCivil(1899, 12, 30);

std::string TwoDigits(int value) {
  value %= 100;
  return std::string{static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

}  // namespace

bool IsValidDate(int year, int month, int day) {
  return month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

namespace {

// Reads an unsigned decimal of minDigits..maxDigits digits from the front.
std::optional<int> TakeNumber(std::string_view& text, std::size_t minDigits,
                              std::size_t maxDigits) {
  std::size_t digits = 0;
  int value = 0;
  while (digits < text.size() && digits < maxDigits && text[digits] >= '0' && text[digits] <= '9') {
    value = value * 10 + (text[digits] - '0');
    ++digits;
  }
  if (digits < minDigits) {
    return std::nullopt;
  }
  text.remove_prefix(digits);
  return value;
}

bool TakeSeparator(std::string_view& text, char separator) {
  if (text.empty() || text.front() != separator) {
    return false;
  }
  text.remove_prefix(1);
  return true;
}

}  // namespace

std::optional<CalendarDateTime> ParseDateText(std::string_view text) {
  CalendarDateTime c;
  const auto year = TakeNumber(text, 4, 4);
  if (!year || !TakeSeparator(text, '-'))
    return std::nullopt;
  const auto month = TakeNumber(text, 1, 2);
  if (!month || !TakeSeparator(text, '-'))
    return std::nullopt;
  const auto day = TakeNumber(text, 1, 2);
  if (!day)
    return std::nullopt;
  c.year = *year;
  c.month = *month;
  c.day = *day;
  if (TakeSeparator(text, ' ')) {
    const auto hour = TakeNumber(text, 1, 2);
    if (!hour || !TakeSeparator(text, ':'))
      return std::nullopt;
    const auto minute = TakeNumber(text, 1, 2);
    if (!minute)
      return std::nullopt;
    c.hour = *hour;
    c.minute = *minute;
    if (TakeSeparator(text, ':')) {
      const auto second = TakeNumber(text, 1, 2);
      if (!second)
        return std::nullopt;
      c.second = *second;
    }
  }
  if (!text.empty() || c.year < 1 || !IsValidDate(c.year, c.month, c.day) || c.hour > 23 ||
      c.minute > 59 || c.second > 59) {
    return std::nullopt;
  }
  return c;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

DateTimeNumber EncodeDateTime(const CalendarDateTime& c) {
  const auto days =
      DaysFromCivil(c.year, static_cast<unsigned>(c.month), static_cast<unsigned>(c.day)) -
      kEpochOffset;
  const double milliseconds =
      ((c.hour * 60.0 + c.minute) * 60.0 + c.second) * 1000.0 + c.millisecond;
  return static_cast<double>(days) + milliseconds / kMillisecondsPerDay;
}

CalendarDateTime DecodeDateTime(DateTimeNumber value) {
  auto days = static_cast<long long>(std::floor(value));
  auto milliseconds = static_cast<long long>(std::llround((value - days) * kMillisecondsPerDay));
  if (milliseconds >= static_cast<long long>(kMillisecondsPerDay)) {
    ++days;
    milliseconds = 0;
  }
  CalendarDateTime c;
  CivilFromDays(days + kEpochOffset, c.year, c.month, c.day);
  c.millisecond = static_cast<int>(milliseconds % 1000);
  const auto seconds = milliseconds / 1000;
  c.second = static_cast<int>(seconds % 60);
  c.minute = static_cast<int>(seconds / 60 % 60);
  c.hour = static_cast<int>(seconds / 3600);
  return c;
}

DateTimeNumber DateTimeNow() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const auto millisecond =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  return EncodeDateTime({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                         local.tm_min, local.tm_sec, static_cast<int>(millisecond)});
}

DateTimeNumber IncDay(DateTimeNumber value, int days) {
  return value + days;
}

DateTimeNumber IncWeek(DateTimeNumber value, int weeks) {
  return value + 7.0 * weeks;
}

DateTimeNumber IncMonth(DateTimeNumber value, int months) {
  const double day = std::floor(value);
  const double timeOfDay = value - day;
  auto c = DecodeDateTime(day);
  const int monthIndex = c.year * 12 + (c.month - 1) + months;
  c.year = monthIndex >= 0 ? monthIndex / 12 : (monthIndex - 11) / 12;
  c.month = monthIndex - c.year * 12 + 1;
  c.day = std::min(c.day, DaysInMonth(c.year, c.month));
  return EncodeDateTime(c) + timeOfDay;
}

DateTimeNumber DateOf(DateTimeNumber value) {
  return std::floor(value);
}

std::string FormatDateTime(std::string_view pattern, DateTimeNumber value,
                           DateTimeSeparators separators) {
  const auto c = DecodeDateTime(value);
  std::string text;
  std::size_t i = 0;
  while (i < pattern.size()) {
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(pattern[i])));
    std::size_t run = 1;
    while (i + run < pattern.size() &&
           std::tolower(static_cast<unsigned char>(pattern[i + run])) == letter) {
      ++run;
    }
    const auto number = [&](int v) { return run >= 2 ? TwoDigits(v) : std::to_string(v); };
    switch (letter) {
      case 'd':
        text += number(c.day);
        break;
      case 'm':
        text += number(c.month);
        break;
      case 'y':
        text += run >= 4 ? std::to_string(c.year) : TwoDigits(c.year);
        break;
      case 'h':
        text += number(c.hour);
        break;
      case 'n':
        text += number(c.minute);
        break;
      case 's':
        text += number(c.second);
        break;
      case '/':
        text.append(run, separators.date);
        break;
      case ':':
        text.append(run, separators.time);
        break;
      default:
        text.append(pattern.substr(i, run));
        break;
    }
    i += run;
  }
  return text;
}

}  // namespace korvanti
