#pragma once

#include "report/StatisticsReport.h"

class QTableWidget;
class QWidget;

namespace korvanti {

// A read-only report table: whole rows selected, one at a time, columns as
// wide as their contents.
QTableWidget* NewReportTable(QWidget* parent, const char* name);

// The captions and rows of a statistics table, each row with its two period
// columns.
void FillReportTable(QTableWidget& table, const StatisticsTable& content);

// The width that shows every column whole, with the frame and a vertical scroll bar.
int WidthOfAllColumns(const QTableWidget& table);

}  // namespace korvanti
