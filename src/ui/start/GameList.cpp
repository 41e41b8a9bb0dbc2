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
  // As many of the columns as the widest entry allows; the rows share the
  // height, so that the entries fill the columns from top to bottom.
  int widest = 1;
  for (int row = 0; row < count(); ++row) {
    widest = std::max(widest, fontMetrics().horizontalAdvance(item(row)->text()) + 16);
  }
  const int available = viewport()->width();
  const int columns = std::clamp(available / widest, 1, columns_);
  const int rows = (count() + columns - 1) / columns;
  const int line = fontMetrics().height();
  const int height = std::max(line + 4, viewport()->height() / std::max(rows, 1) - 1);
  setGridSize({std::max(widest, available / columns), height});
}

}  // namespace korvanti
