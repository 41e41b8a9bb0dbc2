#pragma once

#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "platform/DateTime.h"
#include "platform/NumberFormat.h"
#include "report/StatisticsRows.h"

namespace korvanti {

class Database;

enum class StatisticsInterval { Day, Week, Month, Game };
enum class StatisticsView { Detail, AimAndHit, Doubles };

// What the statistics window asks for.
struct StatisticsRequest {
  std::string playerId;
  std::string gameTypeKey;  // empty: every type, "Alle" (the aim-and-hit or the doubles view)
  DateTimeNumber from = 0;
  DateTimeNumber to = 0;
  StatisticsInterval interval = StatisticsInterval::Day;
  bool lastEntry = true;  // an extra row for the last game
  StatisticsView view = StatisticsView::AimAndHit;
  std::string field = "Alle";  // the aim-and-hit view's field selection
  NumberSeparators separators;
};

struct StatisticsPeriodRow {
  StatisticsRow row;
  DateTimeNumber from = 0;
  DateTimeNumber to = 0;
  bool lastGame = false;  // the extra row of the last game
};

struct StatisticsTable {
  StatisticsTableKind kind = StatisticsTableKind::AimAndHit;
  std::vector<std::string> columns;  // with the two period columns
  std::vector<StatisticsPeriodRow> rows;
  // The period counted: days, weeks and months from midnight of the first day.
  DateTimeNumber from = 0;
  DateTimeNumber to = 0;
  // The main figure (MainFigure) over every game of the two dates; nothing in
  // the aim-and-hit view and when the dates hold no darts.
  std::optional<double> overallFigure;
};

// One row per interval step between the two dates, where the step holds data,
// and the extra row of the last game. Days, weeks and months start at
// midnight of the first day; the last of them ends at the end date. A stop requested through `stop`
// (looked at between rows and while the turns are read) ends it early with part of the table, which
// the caller drops.
StatisticsTable RefreshStatistics(Database& database, const StatisticsRequest& request,
                                  std::stop_token stop = {});

// Where the statistics of an interval start: the start date carries the time
// of day it was picked at, but days, weeks and months are calendar ones and
// run from midnight. The table, the aim-and-hit board and the deletion all
// count from here.
DateTimeNumber CountedFrom(StatisticsInterval interval, DateTimeNumber from);

}  // namespace korvanti
