#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "report/PlayerOverview.h"

namespace korvanti {

// The rows of the start window's player overview. Each row is one player,
// known by his id, with his caption, the figures of the selected entry, the
// two values a game start takes from him and the tick that says he plays the
// next game. The order of the rows is the order of play.
class PlayerOverviewModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr const char* kRowMimeType = "application/x-korvanti-overview-row";

  struct Row {
    std::string playerId;
    OverviewCell caption;
    std::vector<OverviewCell> cells;  // one per column after "Spieler"
    double referenceAverage = 0;
    double referenceAverage501 = 0;
    bool ticked = false;
  };

  struct Column {
    QString caption;
    QString hint;  // the header's tooltip
  };

  explicit PlayerOverviewModel(QObject* parent = nullptr);

  // A full refill: the players in the order given, none ticked.
  void Replace(const std::vector<OverviewColumn>& columns, const std::vector<OverviewRow>& rows);
  // A partial refill: rows, order and ticks stay; columns and figures are new.
  // A row whose player is missing from `rows` keeps no figures.
  void Refigure(const std::vector<OverviewColumn>& columns, const std::vector<OverviewRow>& rows);

  const std::vector<Row>& Rows() const { return rows_; }
  std::optional<int> RowOf(const std::string& playerId) const;
  void SetTicked(int row, bool ticked);
  void Toggle(int row);
  // Moves `from` directly before `before`, or to the end when there is no such row.
  void MoveRow(int from, std::optional<int> before);
  // Orders the rows by a column; figures compare by their value.
  void SortBy(int column, bool descending);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indexes) const override;
  Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
  Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }

 private:
  std::vector<Column> columns_;
  std::vector<Row> rows_;
};

// The caption or figure a row shows in a column (0 is the caption).
const OverviewCell& OverviewCellAt(const PlayerOverviewModel::Row& row, int column);

}  // namespace korvanti
