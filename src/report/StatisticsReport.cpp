#include "report/StatisticsReport.h"

#include <cmath>

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

  const auto addRow = [&](DateTimeNumber from, DateTimeNumber to, bool lastGame) {
    query.DateFrom = from;
    query.DateTo = to;
    // The segment rows pin their own key; every period starts from the chosen one.
    query.GameTypesId = key;
    if (auto row = BuildRow(table.kind, query, request.field, request.separators)) {
      table.rows.push_back({std::move(*row), from, to, lastGame});
    }
  };
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
    addRow(from, to, false);
  }
  if (request.lastEntry) {
    addRow(*last - kTwoHours, *last + kTwoHours, true);
  }
  return table;
}

}  // namespace korvanti
