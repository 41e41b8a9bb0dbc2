#include "ui/start/PlayerOverviewModel.h"

#include <QMimeData>
#include <algorithm>
#include <map>

#include "report/OverviewSort.h"

namespace korvanti {
namespace {

std::vector<PlayerOverviewModel::Column> Columns(const std::vector<OverviewColumn>& columns) {
  std::vector<PlayerOverviewModel::Column> all{{QStringLiteral("Spieler"), {}}};
  for (const auto& column : columns) {
    all.push_back({QString::fromStdString(column.caption), QString::fromStdString(column.hint)});
  }
  return all;
}

// The one place that turns a player's figures into the cells of his row.
void TakeFigures(PlayerOverviewModel::Row& row, const OverviewFigures& figures) {
  row.cells = figures.cells;
  row.referenceAverage = figures.referenceAverage;
  row.referenceAverage501 = figures.referenceAverage501;
}

}  // namespace

const OverviewCell& OverviewCellAt(const PlayerOverviewModel::Row& row, int column) {
  static const OverviewCell kEmpty;
  if (column == 0) {
    return row.caption;
  }
  const auto at = static_cast<std::size_t>(column - 1);
  return at < row.cells.size() ? row.cells[at] : kEmpty;
}

PlayerOverviewModel::PlayerOverviewModel(QObject* parent) : QAbstractTableModel(parent) {
  columns_ = Columns({});
}

void PlayerOverviewModel::Replace(const std::vector<OverviewColumn>& columns,
                                  const std::vector<OverviewRow>& rows) {
  beginResetModel();
  columns_ = Columns(columns);
  rows_.clear();
  for (const auto& source : rows) {
    Row row;
    row.playerId = source.playerId;
    row.caption = {source.caption, std::nullopt};
    TakeFigures(row, source.figures);
    rows_.push_back(std::move(row));
  }
  endResetModel();
}

void PlayerOverviewModel::Refigure(const std::vector<OverviewColumn>& columns,
                                   const std::vector<OverviewRow>& rows) {
  std::map<std::string, const OverviewRow*> byId;
  for (const auto& row : rows) {
    byId[row.playerId] = &row;
  }
  beginResetModel();
  columns_ = Columns(columns);
  for (auto& row : rows_) {
    const auto found = byId.find(row.playerId);
    TakeFigures(row, found == byId.end() ? OverviewFigures{} : found->second->figures);
  }
  endResetModel();
}

std::optional<int> PlayerOverviewModel::RowOf(const std::string& playerId) const {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].playerId == playerId) {
      return static_cast<int>(i);
    }
  }
  return std::nullopt;
}

void PlayerOverviewModel::SetTicked(int row, bool ticked) {
  if (row < 0 || row >= rowCount()) {
    return;
  }
  rows_[static_cast<std::size_t>(row)].ticked = ticked;
  const auto at = index(row, 0);
  emit dataChanged(at, at, {Qt::CheckStateRole});
}

void PlayerOverviewModel::Toggle(int row) {
  if (row >= 0 && row < rowCount()) {
    SetTicked(row, !rows_[static_cast<std::size_t>(row)].ticked);
  }
}

void PlayerOverviewModel::MoveRow(int from, std::optional<int> before) {
  const int count = rowCount();
  const int target = before.value_or(count);
  if (from < 0 || from >= count || target < 0 || target > count || target == from ||
      target == from + 1) {
    return;
  }
  beginMoveRows({}, from, from, {}, target);
  auto moved = std::move(rows_[static_cast<std::size_t>(from)]);
  rows_.erase(rows_.begin() + from);
  const int insertAt = target > from ? target - 1 : target;
  rows_.insert(rows_.begin() + insertAt, std::move(moved));
  endMoveRows();
}

void PlayerOverviewModel::SortBy(int column, bool descending) {
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const auto before = persistentIndexList();
  std::vector<std::string> idsBefore;
  for (const auto& at : before) {
    idsBefore.push_back(rows_[static_cast<std::size_t>(at.row())].playerId);
  }
  SortOverviewRows(
      rows_,
      [column](const Row& row) -> const OverviewCell& { return OverviewCellAt(row, column); },
      descending);
  for (int i = 0; i < before.size(); ++i) {
    const auto row = RowOf(idsBefore[static_cast<std::size_t>(i)]).value_or(0);
    changePersistentIndex(before[i], index(row, before[i].column()));
  }
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int PlayerOverviewModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int PlayerOverviewModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant PlayerOverviewModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) {
    return {};
  }
  const auto& row = rows_[static_cast<std::size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(OverviewCellAt(row, index.column()).text);
    case Qt::CheckStateRole:
      if (index.column() == 0) {
        return row.ticked ? Qt::Checked : Qt::Unchecked;
      }
      break;
    case Qt::TextAlignmentRole:
      if (index.column() > 0) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
      }
      break;
    default:
      break;
  }
  return {};
}

bool PlayerOverviewModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || index.column() != 0 || role != Qt::CheckStateRole) {
    return false;
  }
  SetTicked(index.row(), value.toInt() == Qt::Checked);
  return true;
}

QVariant PlayerOverviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && section >= 0 && section < columnCount()) {
    const auto& column = columns_[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) {
      return column.caption;
    }
    if (role == Qt::ToolTipRole && !column.hint.isEmpty()) {
      return column.hint;
    }
  }
  return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags PlayerOverviewModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) {
    return Qt::ItemIsDropEnabled;
  }
  auto flags =
      Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
  if (index.column() == 0) {
    flags |= Qt::ItemIsUserCheckable;
  }
  return flags;
}

QStringList PlayerOverviewModel::mimeTypes() const {
  return {QString::fromLatin1(kRowMimeType)};
}

QMimeData* PlayerOverviewModel::mimeData(const QModelIndexList& indexes) const {
  if (indexes.isEmpty()) {
    return nullptr;
  }
  auto data = std::make_unique<QMimeData>();
  data->setData(QString::fromLatin1(kRowMimeType), QByteArray::number(indexes.first().row()));
  return data.release();
}

}  // namespace korvanti
