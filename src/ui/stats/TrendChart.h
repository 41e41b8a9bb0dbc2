#pragma once

#include <QWidget>

#include "report/StatisticsTrend.h"

class QChart;
class QChartView;
class QLabel;
class QLineSeries;

namespace korvanti {

// The chart under a detailed table: the table's main figure per period and
// the figure over the whole selection as a line across; a line of text
// instead when no period has a figure.
class TrendChart : public QWidget {
  Q_OBJECT

 public:
  explicit TrendChart(QWidget* parent = nullptr);

  void Show(const StatisticsTrend& trend);
  void Clear();

  // What is drawn, for tests: the period points and the two ends of the line.
  QList<QPointF> PeriodPoints() const;
  QList<QPointF> OverallPoints() const;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  // The chart's dark theme under a dark palette, its light one otherwise.
  void FollowPalette();

  QChartView* view_;
  QLabel* empty_;  // instead of the chart when no period has a figure
  QLineSeries* periods_;
  QLineSeries* overall_;
};

}  // namespace korvanti
