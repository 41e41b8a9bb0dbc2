#pragma once

#include <array>
#include <optional>
#include <string>
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
};

// The table of an entry of the statistics window's type list (0 = "Alle").
StatisticsTableKind TableForType(int typeIndex);
// The captions of a table, the two period columns included.
std::vector<std::string> TableColumns(StatisticsTableKind table);

// One row of figures for a period, without the two period columns; nothing
// when the period holds no data. Aim-and-hit rows carry where the darts aimed
// at the selection landed, per dart number (hit-map pixels).
struct StatisticsRow {
  std::vector<std::string> cells;
  std::array<std::vector<BoardPoint>, 3> dots;
};
// `aimFilter` is the aim-and-hit view's field selection ("Alle" for every dart).
std::optional<StatisticsRow> BuildRow(StatisticsTableKind table, const PeriodFigures& figures,
                                      const std::string& aimFilter, NumberSeparators separators);

}  // namespace korvanti
