#include "ui/stats/StatisticsTableView.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

#include "report/PeriodText.h"
#include "ui/common/KorvantiLook.h"

namespace korvanti {

QTableWidget* NewReportTable(QWidget* parent, const char* name) {
  auto* table = new QTableWidget(parent);
  table->setObjectName(name);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->verticalHeader()->setVisible(false);
  table->verticalHeader()->setDefaultSectionSize(20);
  // Sized once after filling: sizing to contents on every new cell costs
  // the window thread a pass over the table per cell.
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  table->setFont(FiguresTextFont(9));
  table->horizontalHeader()->setFont(FiguresTextFont(9, true));
  return table;
}

void FillReportTable(QTableWidget& table, const StatisticsTable& content) {
  table.setSortingEnabled(false);
  table.clear();
  QStringList captions;
  for (const auto& column : content.columns) {
    captions << QString::fromStdString(column);
  }
  table.setColumnCount(static_cast<int>(captions.size()));
  table.setHorizontalHeaderLabels(captions);
  table.setRowCount(static_cast<int>(content.rows.size()));
  for (int r = 0; r < table.rowCount(); ++r) {
    const auto& row = content.rows[static_cast<std::size_t>(r)];
    auto cells = row.row.cells;
    if (HasPeriodColumns(content.kind)) {
      auto period = PeriodColumnTexts(row.from, row.to, row.lastGame);
      cells.push_back(std::move(period.from));
      cells.push_back(std::move(period.to));
    }
    for (int c = 0; c < static_cast<int>(cells.size()) && c < table.columnCount(); ++c) {
      table.setItem(
          r, c, new QTableWidgetItem(QString::fromStdString(cells[static_cast<std::size_t>(c)])));
    }
  }
  table.resizeColumnsToContents();
}

int WidthOfAllColumns(const QTableWidget& table) {
  int width = 2 * table.frameWidth() + table.verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < table.columnCount(); ++c) {
    width += table.columnWidth(c);
  }
  return width;
}

}  // namespace korvanti
