#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/AimPoints.h"
#include "engine/TrainingResult.h"
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
  Routine,  // the practice routines that keep a result per training
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
// What the rows of one table share besides their figures.
struct RowSettings {
  std::string aimFilter = "Alle";  // the aim-and-hit view's field selection ("Alle": every dart)
  BetterResult resultOrder = BetterResult::Higher;  // which result is a routine's best
  NumberSeparators separators;
};
std::optional<StatisticsRow> BuildRow(StatisticsTableKind table, const PeriodFigures& figures,
                                      const RowSettings& settings);

// The figure a table is judged by: the three-dart average of the count-down
// tables, the marks per round of cricket, the average result of the routines,
// the share of exact hits in percent for the other trainings (for the segment
// trainings their first rate column). Nothing for the aim-and-hit table, for a
// period without darts and for routines without a decided training.
std::optional<double> MainFigure(StatisticsTableKind table, const PeriodFigures& figures);

}  // namespace korvanti
