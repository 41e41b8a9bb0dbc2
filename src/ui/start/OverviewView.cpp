#include "ui/start/OverviewView.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>

#include "ui/start/PlayerOverviewModel.h"

namespace korvanti {

OverviewView::OverviewView(PlayerOverviewModel& model, QWidget* parent)
    : QTableView(parent), model_(model) {
  setObjectName("lvPlayers");
  setAccessibleName(QStringLiteral("Spielerübersicht"));
  setModel(&model);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setShowGrid(true);
  setAlternatingRowColors(false);
  verticalHeader()->hide();
  horizontalHeader()->setSectionsClickable(true);
  horizontalHeader()->setHighlightSections(false);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDragDropMode(QAbstractItemView::DragDrop);
  setDefaultDropAction(Qt::MoveAction);
  setDropIndicatorShown(true);
  connect(this, &QAbstractItemView::doubleClicked, this, [this] {
    if (const int row = SelectedRow(); row >= 0) {
      model_.Toggle(row);
    }
  });
}

int OverviewView::SelectedRow() const {
  const auto rows = selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.first().row();
}

void OverviewView::SelectRow(int row) {
  if (row >= 0 && row < model_.rowCount()) {
    selectionModel()->setCurrentIndex(
        model_.index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
}

void OverviewView::dragEnterEvent(QDragEnterEvent* event) {
  event->acceptProposedAction();
}

void OverviewView::dragMoveEvent(QDragMoveEvent* event) {
  event->acceptProposedAction();
}

void OverviewView::dropEvent(QDropEvent* event) {
  // Only rows of this overview are moved; the selected row is the one dragged.
  if (!event->mimeData()->hasFormat(QString::fromLatin1(PlayerOverviewModel::kRowMimeType))) {
    event->ignore();
    return;
  }
  const int from = SelectedRow();
  const auto target = indexAt(event->position().toPoint());
  const auto before = target.isValid() ? std::optional<int>(target.row()) : std::nullopt;
  const auto id =
      from >= 0 ? model_.Rows()[static_cast<std::size_t>(from)].playerId : std::string();
  model_.MoveRow(from, before);
  if (const auto moved = model_.RowOf(id)) {
    SelectRow(*moved);
  }
  // The row is moved here; the drag must not remove anything afterwards.
  event->setDropAction(Qt::CopyAction);
  event->accept();
}

}  // namespace korvanti
