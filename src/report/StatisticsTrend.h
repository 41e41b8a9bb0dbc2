#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/DateTime.h"
#include "report/StatisticsReport.h"

namespace korvanti {

// The trend chart under a detailed table: the table's main figure per period,
// in time order, and the figure over the whole selection.
struct TrendPoint {
  DateTimeNumber at = 0;  // the start of the period (the game's moment for a game row)
  double value = 0;
  bool operator==(const TrendPoint&) const = default;
};

struct StatisticsTrend {
  std::string figureName;  // the axis title
  std::vector<TrendPoint> points;
  std::optional<double> overall;
};

// The axis title of a table's main figure; empty for the aim-and-hit table.
std::string MainFigureName(StatisticsTableKind table);

// One point per row that has a main figure, ordered by time.
StatisticsTrend TrendOf(const StatisticsTable& table);

}  // namespace korvanti
