#include "report/StatisticsReport.h"

#include <algorithm>
#include <cmath>

#include "store/TurnSnapshot.h"
#include "store/abfrageAnzahl.h"

namespace korvanti {
namespace {

constexpr double kTwoHours = 2.0 / 24.0;
constexpr double kDaysPerMonth = 30.4375;

}  // namespace

StatisticsTable RefreshStatistics(Database& database, const StatisticsRequest& request) {
  StatisticsTable table;
  table.kind = request.view == StatisticsView::AimAndHit || request.typeIndex == 0
                   ? StatisticsTableKind::AimAndHit
                   : TableForType(request.typeIndex);
  table.columns = TableColumns(table.kind);

  abfrageAnzahl query(database);
  query.PlayerId = request.playerId;
  const auto key = abfrageAnzahl::GameTypeKeyForIndex(request.typeIndex).value_or(std::string());
  query.GameTypesId = key;
  query.AllTypes = key.empty();
  query.DateFrom = request.from;
  query.DateTo = request.to;

  const auto last = query.LastGameDate();
  if (!last) {
    return table;
  }
  const double span = request.to - request.from;
  std::vector<DateTimeNumber> games;
  int steps = 0;
  switch (request.interval) {
    case StatisticsInterval::Day:
      steps = static_cast<int>(std::floor(span));
      break;
    case StatisticsInterval::Week:
      steps = static_cast<int>(std::floor(span / 7));
      break;
    case StatisticsInterval::Month:
      steps = static_cast<int>(std::floor(span / kDaysPerMonth));
      break;
    case StatisticsInterval::Game:
      games = query.GameDates();
      steps = static_cast<int>(games.size()) - 1;
      break;
  }

  struct Period {
    DateTimeNumber from;
    DateTimeNumber to;
    bool lastGame;
  };
  std::vector<Period> periods;
  for (int s = 0; s <= steps; ++s) {
    DateTimeNumber from = 0;
    DateTimeNumber to = 0;
    switch (request.interval) {
      case StatisticsInterval::Day:
        from = IncDay(request.from, s);
        to = IncDay(request.from, s + 1);
        break;
      case StatisticsInterval::Week:
        from = IncWeek(request.from, s);
        to = IncWeek(request.from, s + 1);
        break;
      case StatisticsInterval::Month:
        from = IncMonth(request.from, s);
        to = IncMonth(request.from, s + 1);
        break;
      case StatisticsInterval::Game:
        from = games[static_cast<std::size_t>(s)] - kTwoHours;
        to = games[static_cast<std::size_t>(s)] + kTwoHours;
        break;
    }
    if (request.lastEntry && to >= *last) {
      to = *last - kTwoHours;
    }
    periods.push_back({from, to, false});
  }
  if (request.lastEntry) {
    periods.push_back({*last - kTwoHours, *last + kTwoHours, true});
  }
  if (periods.empty()) {
    return table;
  }

  const auto add = [&](const Period& period, std::optional<StatisticsRow> row) {
    if (row) {
      table.rows.push_back({std::move(*row), period.from, period.to, period.lastGame});
    }
  };
  if (table.kind == StatisticsTableKind::AimAndHit) {
    for (const auto& period : periods) {
      query.DateFrom = period.from;
      query.DateTo = period.to;
      add(period, BuildRow(table.kind, query, request.field, request.separators));
    }
    return table;
  }
  // The detailed tables: the player's turns of the whole range are read once,
  // every period is then counted from them.
  DateTimeNumber from = periods.front().from;
  DateTimeNumber to = periods.front().to;
  for (const auto& period : periods) {
    from = std::min(from, period.from);
    to = std::max(to, period.to);
  }
  const auto turns = TurnSnapshot::Load(database, request.playerId, key, from, to);
  for (const auto& period : periods) {
    add(period, BuildRow(table.kind, turns.Period(period.from, period.to), request.separators));
  }
  return table;
}

}  // namespace korvanti
