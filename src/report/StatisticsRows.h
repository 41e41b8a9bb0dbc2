#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/NumberFormat.h"

namespace korvanti {

class abfrageAnzahl;
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

// One row of figures for the query's period, without the two period columns;
// nothing when the period holds no data. Aim-and-hit rows carry the landing
// positions per dart number.
struct StatisticsRow {
  std::vector<std::string> cells;
  std::string dart1;
  std::string dart2;
  std::string dart3;
};
std::optional<StatisticsRow> BuildRow(StatisticsTableKind table, abfrageAnzahl& query,
                                      const std::string& aimFilter, NumberSeparators separators);
// A detailed row from turns held in memory (not for the aim-and-hit table).
std::optional<StatisticsRow> BuildRow(StatisticsTableKind table, const PeriodFigures& figures,
                                      NumberSeparators separators);

}  // namespace korvanti
