#include "report/StatisticsTrend.h"

#include <algorithm>

namespace korvanti {

std::string MainFigureName(StatisticsTableKind table) {
  switch (table) {
    case StatisticsTableKind::CountDown:
      return "3-Dart-Schnitt";
    case StatisticsTableKind::Cricket:
      return "MPR";
    case StatisticsTableKind::Routine:
      return "Ergebnis Ø";
    case StatisticsTableKind::AimAndHit:
      return {};
    default:
      return "Trefferquote %";
  }
}

StatisticsTrend TrendOf(const StatisticsTable& table) {
  StatisticsTrend trend;
  trend.figureName = MainFigureName(table.kind);
  for (const auto& row : table.rows) {
    if (row.row.mainFigure) {
      trend.points.push_back({row.from, *row.row.mainFigure});
    }
  }
  // The last game's row comes after the periods but may lie before their ends.
  std::stable_sort(trend.points.begin(), trend.points.end(),
                   [](const TrendPoint& a, const TrendPoint& b) { return a.at < b.at; });
  trend.overall = table.overallFigure;
  return trend;
}

}  // namespace korvanti
