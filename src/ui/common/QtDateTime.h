#pragma once

#include <QDateTime>

#include "platform/DateTime.h"

namespace korvanti {

// Date-time numbers and the date pickers' values, to the second.
inline QDateTime ToQDateTime(DateTimeNumber value) {
  const auto t = DecodeDateTime(value);
  return {QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second)};
}

inline DateTimeNumber FromQDateTime(const QDateTime& value) {
  const auto date = value.date();
  const auto time = value.time();
  return EncodeDateTime(
      {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second(), 0});
}

}  // namespace korvanti
