#pragma once

#include <string>
#include <string_view>

#include "platform/DateTime.h"

namespace korvanti {

// A period bound as the statistics tables show it: two digits each for day,
// month and year joined by the date separator, then for hour, minute and
// second joined by the time separator ("03.05.26 09:05:00"); "9:5:0" misread.
std::string PeriodBoundText(DateTimeNumber value, DateTimeSeparators separators = {});

// The last two columns of a statistics row ("von", "bis" / "Datum von", "Datum bis").
struct PeriodColumns {
  std::string from;
  std::string to;
  bool operator==(const PeriodColumns&) const = default;
};

// A regular row shows both bounds; the extra row of the last game puts
// "last game: " before its start and shows its end as it is.
PeriodColumns PeriodColumnTexts(DateTimeNumber from, DateTimeNumber to, bool lastGame,
                                DateTimeSeparators separators = {});

inline constexpr std::string_view kLastGamePrefix = "last game: ";

}  // namespace korvanti
