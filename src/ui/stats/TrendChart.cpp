#include "ui/stats/TrendChart.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QEvent>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "ui/common/KorvantiLook.h"

namespace korvanti {
namespace {

// Milliseconds since the epoch, as the chart's time axis counts.
qreal ChartTime(DateTimeNumber value) {
  const auto t = DecodeDateTime(value);
  return static_cast<qreal>(
      QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second))
          .toMSecsSinceEpoch());
}

}  // namespace

TrendChart::TrendChart(QWidget* parent)
    : QWidget(parent),
      view_(new QChartView(new QChart, this)),
      empty_(new QLabel(QStringLiteral("Keine Daten im Zeitraum"), this)),
      periods_(new QLineSeries),
      overall_(new QLineSeries) {
  // The view owns its chart, the chart its series and axes. The view gets its
  // chart at construction: a chart set later would release the view's first.
  setObjectName("chtTrend");
  view_->setObjectName("chtTrendView");
  view_->setAccessibleName(QStringLiteral("Verlauf"));
  auto* chart = view_->chart();
  chart->legend()->setAlignment(Qt::AlignRight);  // a low window keeps its height for the plot
  chart->setLocalizeNumbers(true);                // decimal comma
  chart->setLocale(QLocale(QLocale::German, QLocale::Germany));
  chart->setMargins(QMargins(4, 4, 4, 4));
  periods_->setName(QStringLiteral("pro Zeitraum"));
  periods_->setPointsVisible(true);
  overall_->setName(QStringLiteral("gesamt"));
  chart->addSeries(periods_);
  chart->addSeries(overall_);
  auto* time = new QDateTimeAxis;
  time->setFormat(QStringLiteral("dd.MM.yy"));
  time->setTickCount(6);
  auto* value = new QValueAxis;
  value->setLabelFormat(QStringLiteral("%.1f"));
  chart->addAxis(time, Qt::AlignBottom);
  chart->addAxis(value, Qt::AlignLeft);
  for (auto* series : {periods_, overall_}) {
    series->attachAxis(time);
    series->attachAxis(value);
  }
  view_->setRenderHint(QPainter::Antialiasing);
  empty_->setObjectName("lblTrendEmpty");
  empty_->setAlignment(Qt::AlignCenter);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  layout->addWidget(empty_);
  FollowPalette();
  Clear();
}

void TrendChart::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) {
    FollowPalette();
  }
}

void TrendChart::FollowPalette() {
  const bool dark = IsDarkPalette(palette());
  auto* chart = view_->chart();
  chart->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
  // The theme colours every series; the line across keeps its own red.
  QPen line(dark ? QColor(255, 110, 100) : QColor(200, 40, 40));
  line.setStyle(Qt::DashLine);
  line.setWidth(2);
  overall_->setPen(line);
}

// Blank while the rows are counted: no axes, no text.
void TrendChart::Clear() {
  periods_->clear();
  overall_->clear();
  view_->hide();
  empty_->hide();
}

void TrendChart::Show(const StatisticsTrend& trend) {
  Clear();
  // Axes without points would count from 1970 with made-up ticks.
  if (trend.points.empty()) {
    empty_->show();
    return;
  }
  view_->show();
  auto* chart = view_->chart();
  auto* time = qobject_cast<QDateTimeAxis*>(chart->axes(Qt::Horizontal).front());
  auto* value = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).front());
  value->setTitleText(QString::fromStdString(trend.figureName));
  double low = trend.points.front().value;
  double high = low;
  QList<QPointF> points;
  points.reserve(static_cast<qsizetype>(trend.points.size()));
  for (const auto& point : trend.points) {
    points.append({ChartTime(point.at), point.value});
    low = std::min(low, point.value);
    high = std::max(high, point.value);
  }
  periods_->replace(points);  // at once: appending redraws per point
  qreal first = ChartTime(trend.points.front().at);
  qreal last = ChartTime(trend.points.back().at);
  if (last <= first) {
    constexpr qreal kHalfDay = 12.0 * 3600 * 1000;
    first -= kHalfDay;
    last += kHalfDay;
  }
  if (trend.overall) {
    overall_->append(first, *trend.overall);
    overall_->append(last, *trend.overall);
    low = std::min(low, *trend.overall);
    high = std::max(high, *trend.overall);
  }
  time->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(first)),
                 QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(last)));
  const double margin = std::max(1.0, (high - low) * 0.1);
  value->setRange(std::max(0.0, low - margin), high + margin);
}

QList<QPointF> TrendChart::PeriodPoints() const {
  return periods_->points();
}

QList<QPointF> TrendChart::OverallPoints() const {
  return overall_->points();
}

}  // namespace korvanti
