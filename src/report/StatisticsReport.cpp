#include "report/StatisticsReport.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "engine/TrainingResult.h"
#include "report/DoublesTable.h"
#include "store/GameFigures.h"
#include "store/StatisticsQuery.h"
#include "store/TurnSnapshot.h"

namespace korvanti {
namespace {

constexpr double kDaysPerMonth = 30.4375;

// The steps of a daily, weekly or monthly table: step s runs after
// Begin(s) and not after Begin(s + 1).
class Steps {
 public:
  Steps(StatisticsInterval interval, DateTimeNumber start) : interval_(interval), start_(start) {}

  DateTimeNumber Begin(long long step) const {
    const int s = static_cast<int>(step);
    switch (interval_) {
      case StatisticsInterval::Week:
        return IncWeek(start_, s);
      case StatisticsInterval::Month:
        return IncMonth(start_, s);
      case StatisticsInterval::Day:
      case StatisticsInterval::Game:
        break;
    }
    return IncDay(start_, s);
  }

  // The number of whole steps between the two dates (the last step index).
  long long Count(DateTimeNumber end) const {
    return static_cast<long long>(std::floor((end - start_) / Length()));
  }

  // The step holding the moment: estimated from the mean length, then moved
  // until its bounds hold the moment.
  long long Of(DateTimeNumber moment) const {
    auto step = static_cast<long long>(std::floor((moment - start_) / Length()));
    while (step > 0 && Begin(step) >= moment) {
      --step;
    }
    while (Begin(step + 1) < moment) {
      ++step;
    }
    return step;
  }

 private:
  double Length() const {
    switch (interval_) {
      case StatisticsInterval::Week:
        return 7;
      case StatisticsInterval::Month:
        return kDaysPerMonth;
      case StatisticsInterval::Day:
      case StatisticsInterval::Game:
        break;
    }
    return 1;
  }

  StatisticsInterval interval_;
  DateTimeNumber start_;
};

// The rows of the interval steps that hold darts; empty steps cost nothing,
// so years by day take as long as the darts in them. No step reaches past
// the end date, and the last one reaches it (a month can be shorter than the
// mean month that counts the steps).
void AddStepRows(StatisticsTable& table, const TurnSnapshot& turns,
                 const StatisticsRequest& request, const RowSettings& settings,
                 DateTimeNumber start, const std::stop_token& stop) {
  const Steps steps(request.interval, start);
  const auto last = steps.Count(request.to);
  long long previous = -1;
  for (const auto moment : turns.Moments()) {
    if (stop.stop_requested()) {
      return;
    }
    const auto step = std::min(steps.Of(moment), last);
    if (step == previous) {
      continue;
    }
    previous = step;
    const auto from = steps.Begin(step);
    const auto to = step == last ? request.to : std::min(steps.Begin(step + 1), request.to);
    if (auto row = BuildRow(table.kind, turns.Period(from, to), settings)) {
      table.rows.push_back({std::move(*row), from, to, false});
    }
  }
}

// One row per game, holding exactly that game's darts.
void AddGameRows(StatisticsTable& table, const TurnSnapshot& turns, const RowSettings& settings,
                 const std::stop_token& stop) {
  for (const auto& game : turns.Games()) {
    if (stop.stop_requested()) {
      return;
    }
    if (auto row = BuildRow(table.kind, game.figures, settings)) {
      table.rows.push_back({std::move(*row), game.datetime, game.datetime, false});
    }
  }
}

// Every main figure but the routines' is a count per dart (points, marks or
// hits, scaled), so over two sets of darts it is the mean of the two weighted
// by their darts; the routines' average result is weighted by their results.
std::optional<double> CombinedFigure(StatisticsTableKind table, const PeriodFigures& first,
                                     const PeriodFigures& second) {
  double sum = 0;
  int weights = 0;
  for (const auto* figures : {&first, &second}) {
    if (const auto figure = MainFigure(table, *figures)) {
      const int weight =
          table == StatisticsTableKind::Routine ? figures->CountResults() : figures->CountDarts();
      sum += *figure * weight;
      weights += weight;
    }
  }
  if (weights == 0) {
    return std::nullopt;
  }
  return sum / weights;
}

StatisticsTableKind KindOf(const StatisticsRequest& request) {
  switch (request.view) {
    case StatisticsView::Detail:
      return TableForType(request.gameTypeKey);
    case StatisticsView::Doubles:
      return StatisticsTableKind::Doubles;
    case StatisticsView::AimAndHit:
      break;
  }
  return StatisticsTableKind::AimAndHit;
}

// The doubles of the whole period, the last game with them: one row per double.
void AddDoubleRows(StatisticsTable& table, Database& database, const StatisticsRequest& request) {
  const auto counts =
      CountDoubles(database, request.playerId, request.gameTypeKey, table.from, table.to);
  for (auto& row : DoublesRows(counts, request.separators)) {
    table.rows.push_back({std::move(row), table.from, table.to, false});
  }
}

}  // namespace

DateTimeNumber CountedFrom(StatisticsInterval interval, DateTimeNumber from) {
  return interval == StatisticsInterval::Game ? from : DateOf(from);
}

StatisticsTable RefreshStatistics(Database& database, const StatisticsRequest& request,
                                  std::stop_token stop) {
  StatisticsTable table;
  table.kind = KindOf(request);
  table.columns = TableColumns(table.kind);
  // The end stays as chosen.
  const auto start = CountedFrom(request.interval, request.from);
  table.from = start;
  table.to = request.to;
  if (table.kind == StatisticsTableKind::Doubles) {
    AddDoubleRows(table, database, request);
    return table;
  }

  StatisticsQuery query(database);
  query.playerId = request.playerId;
  const auto& key = request.gameTypeKey;
  query.gameTypeKey = key;
  query.allTypes = key.empty();
  const auto last = query.LastGame();
  if (!last) {
    return table;
  }
  // With the extra row the last game is counted there and nowhere else.
  const auto leaveOut = request.lastEntry ? last->gameId : std::string();
  // Only the count-down tables and the routines read the games' rows beside the turns.
  const bool gameFigures =
      table.kind == StatisticsTableKind::CountDown || table.kind == StatisticsTableKind::Routine;
  const auto turns = TurnSnapshot::Load(database, request.playerId, key, start, request.to,
                                        leaveOut, stop, gameFigures);
  const RowSettings settings{request.field, ResultOrder(key).value_or(BetterResult::Higher),
                             request.separators};
  if (request.interval == StatisticsInterval::Game) {
    AddGameRows(table, turns, settings, stop);
  } else {
    AddStepRows(table, turns, request, settings, start, stop);
  }
  if (stop.stop_requested()) {
    return table;
  }
  std::optional<TurnSnapshot> lastGame;
  if (request.lastEntry) {
    lastGame = TurnSnapshot::LoadGame(database, request.playerId, last->gameId);
    if (auto row = BuildRow(table.kind, lastGame->All(), settings)) {
      table.rows.push_back({std::move(*row), last->datetime, last->datetime, true});
    }
  }
  if (table.kind != StatisticsTableKind::AimAndHit) {  // a detailed table
    // The snapshot leaves the last game out when it has its own row; the
    // figure over the dates holds it when it lies between them.
    const bool lastInside = last->datetime > start && last->datetime <= request.to;
    table.overallFigure = lastGame && lastInside
                              ? CombinedFigure(table.kind, turns.All(), lastGame->All())
                              : MainFigure(table.kind, turns.All());
  }
  return table;
}

}  // namespace korvanti
