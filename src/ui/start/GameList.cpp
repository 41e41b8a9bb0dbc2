#include "ui/start/GameList.h"

#include <QResizeEvent>
#include <algorithm>

namespace korvanti {

GameList::GameList(GamePage page, int columns, QWidget* parent)
    : QListWidget(parent), entries_(PageEntries(page)), columns_(columns) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setFlow(QListView::TopToBottom);
  setWrapping(true);
  setResizeMode(QListView::Adjust);
  setUniformItemSizes(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The blank part under the viewport looks like the list's own.
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
  const auto pageLabel = GamePageLabel(page);
  setAccessibleName(QString::fromUtf8(pageLabel.data(), static_cast<qsizetype>(pageLabel.size())));
  for (const auto* entry : entries_) {
    const auto label =
        QString::fromUtf8(entry->label.data(), static_cast<qsizetype>(entry->label.size()));
    addItem(label);
    item(count() - 1)->setToolTip(label);
  }
  SelectFirst();
}

const GameCatalogEntry* GameList::SelectedEntry() const {
  const auto selected = selectedIndexes();
  return selected.isEmpty() ? nullptr : entries_[static_cast<std::size_t>(selected.first().row())];
}

bool GameList::Select(const GameCatalogEntry& entry) {
  const auto found = std::ranges::find(entries_, &entry);
  if (found == entries_.end()) {
    return false;
  }
  setCurrentRow(static_cast<int>(found - entries_.begin()), QItemSelectionModel::ClearAndSelect);
  return true;
}

void GameList::SelectFirst() {
  if (!entries_.empty()) {
    Select(*entries_.front());
  }
}

QItemSelectionModel::SelectionFlags GameList::selectionCommand(const QModelIndex& index,
                                                               const QEvent* /*event*/) const {
  if (!index.isValid()) {
    return QItemSelectionModel::NoUpdate;
  }
  return QItemSelectionModel::ClearAndSelect;
}

void GameList::resizeEvent(QResizeEvent* event) {
  QListWidget::resizeEvent(event);
  ArrangeColumns();
}

void GameList::ArrangeColumns() {
  // As many of the columns as the widest entry allows, and more when the rows
  // would not fit the height (an entry cut short shows whole as its
  // tooltip). The entries fill the columns from top to bottom; each row is as
  // high as its selection bar.
  int widest = 1;
  for (int row = 0; row < count(); ++row) {
    widest = std::max(widest, fontMetrics().horizontalAdvance(item(row)->text()) + 16);
  }
  const int available = viewport()->width();
  // The list wraps to the next column where a row would pass the viewport's
  // last line, so one line stays spare under the rows.
  const int height = viewport()->height() + viewportMargins().bottom() - 1;
  const int comfortable = fontMetrics().height() + 8;
  const int least = fontMetrics().height() + 2;
  int columns = std::clamp(available / widest, 1, columns_);
  const auto rowsOf = [this](int columnCount) { return (count() + columnCount - 1) / columnCount; };
  while (columns < columns_ && rowsOf(columns) * comfortable > height) {
    ++columns;
  }
  const int rows = rowsOf(columns);
  const QSize cell(available / columns, std::clamp(height / std::max(rows, 1), least, comfortable));
  if (gridSize() != cell) {
    for (int row = 0; row < count(); ++row) {
      item(row)->setSizeHint(cell);
    }
    setGridSize(cell);
  }
  // The viewport ends under the last row, so that the rows fill the columns
  // as counted; the rest of the list stays blank.
  const int spare = std::max(0, height - rows * cell.height());
  if (viewportMargins().bottom() != spare) {
    setViewportMargins(0, 0, 0, spare);
  }
}

}  // namespace korvanti
