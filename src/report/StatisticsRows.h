#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/AimPoints.h"
#include "platform/NumberFormat.h"

namespace korvanti {

class PeriodFigures;

// The tables of the statistics window.
enum class StatisticsTableKind {
  CountDown,
  Cricket,
  Round,
  Segments20,
  Segments19,
  SegmentsT20,
  SegmentsT19,
  SegmentsBulls,
  SegmentsDouble,
  Free,
  AimAndHit,
  Doubles,  // one row per double over the whole period
};

// The table of the games stored under the key; the aim-and-hit table for
// every type (the empty key).
StatisticsTableKind TableForType(std::string_view gameTypeKey);
// The captions of a table, the two period columns included.
std::vector<std::string> TableColumns(StatisticsTableKind table);
// Whether each row of the table is a period and ends in the two period columns.
bool HasPeriodColumns(StatisticsTableKind table);

// One row of figures for a period, without the two period columns; nothing
// when the period holds no data. Aim-and-hit rows carry where the darts aimed
// at the selection landed, per dart number (hit-map pixels).
struct StatisticsRow {
  std::vector<std::string> cells;
  std::array<std::vector<BoardPoint>, 3> dots;
  // The table's main figure as a number (see MainFigure), for the trend chart.
  std::optional<double> mainFigure;
};
// `aimFilter` is the aim-and-hit view's field selection ("Alle" for every dart).
std::optional<StatisticsRow> BuildRow(StatisticsTableKind table, const PeriodFigures& figures,
                                      const std::string& aimFilter, NumberSeparators separators);

// The figure a table is judged by: the three-dart average of the count-down
// tables, the marks per round of cricket, the share of exact hits in percent
// for the trainings (for the segment trainings their first rate column).
// Nothing for the aim-and-hit table and for a period without darts.
std::optional<double> MainFigure(StatisticsTableKind table, const PeriodFigures& figures);

}  // namespace korvanti
