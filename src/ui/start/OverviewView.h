#pragma once

#include <QTableView>

namespace korvanti {

class PlayerOverviewModel;

// The table of the player overview: whole rows, one selected at a time, tick
// boxes in the first column; a double click ticks the selected row, and a row
// dragged onto another lands directly before it (beyond the last row: at the end).
class OverviewView final : public QTableView {
  Q_OBJECT

 public:
  explicit OverviewView(PlayerOverviewModel& model, QWidget* parent = nullptr);

  // The selected row, -1 when none is.
  int SelectedRow() const;
  void SelectRow(int row);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  PlayerOverviewModel& model_;
};

}  // namespace korvanti
