#include "report/PeriodText.h"

namespace korvanti {

std::string PeriodBoundText(DateTimeNumber value, DateTimeSeparators separators) {
  return FormatDateTime("dd/mm/yy hh:nn:ss", value, separators);
}

PeriodColumns PeriodColumnTexts(DateTimeNumber from, DateTimeNumber to, bool lastGame,
                                DateTimeSeparators separators) {
  auto fromText = PeriodBoundText(from, separators);
  if (lastGame)
    fromText.insert(0, kLastGamePrefix);
  return {std::move(fromText), PeriodBoundText(to, separators)};
}

}  // namespace korvanti
