#pragma once

#include <vector>

#include "platform/NumberFormat.h"
#include "report/StatisticsRows.h"

namespace korvanti {

struct DoubleCounts;

// The rows of the view "Doppel": per double (D1-D20, then "Bull") the darts at
// it, the hits and their share in percent ("-" without darts); no rows when
// no dart was at any double.
std::vector<StatisticsRow> DoublesRows(const DoubleCounts& counts, NumberSeparators separators);

}  // namespace korvanti
