#include "ui/start/GameList.h"

#include <QResizeEvent>

namespace korvanti {

GameList::GameList(GamePage page, int columns, QWidget* parent)
    : QListWidget(parent), page_(page), columns_(columns) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setFlow(QListView::TopToBottom);
  setWrapping(true);
  setResizeMode(QListView::Adjust);
  setUniformItemSizes(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  for (const auto* entry : PageEntries(page)) {
    addItem(QString::fromUtf8(entry->label.data(), static_cast<qsizetype>(entry->label.size())));
  }
  SelectPosition(0);
}

const GameCatalogEntry* GameList::SelectedEntry() const {
  const auto selected = selectedIndexes();
  return selected.isEmpty() ? nullptr : FindCatalogEntry(page_, selected.first().row());
}

void GameList::SelectPosition(int position) {
  if (position >= 0 && position < count()) {
    setCurrentRow(position, QItemSelectionModel::ClearAndSelect);
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
  const int rows = (count() + columns_ - 1) / columns_;
  const int width = std::max(1, viewport()->width() / columns_);
  const int height = std::max(fontMetrics().height() + 6, viewport()->height() / std::max(rows, 1));
  setGridSize({width, std::min(height, fontMetrics().height() + 12)});
}

}  // namespace korvanti
