#pragma once

#include <QTreeWidget>
#include <vector>

#include "play/Scoreboard.h"

namespace korvanti {

class PlayerListDelegate;

// "lstPlayersInGame": one row per player in report style. The leader's row
// is green, the player on turn is selected and kept in view; in cricket the
// number columns show mark pictures instead of figures.
class PlayerListView : public QTreeWidget {
 public:
  static constexpr int kRowHeight = 36;  // room for a 35 x 35 mark picture
  static constexpr int kFontPixels = 16;
  // A cell's mark picture (0..3); cells without it show their text.
  static constexpr int kMarkRole = Qt::UserRole + 1;

  explicit PlayerListView(QWidget* parent = nullptr);

  void Show(const Scoreboard& board);
  void SetScale(double scale);

 private:
  void ShowColumns(const std::vector<PlayerListColumn>& columns);
  void ApplyColumnWidths();
  void ShowRow(QTreeWidgetItem& item, const PlayerListRow& row) const;

  std::vector<PlayerListColumn> columns_;
  double scale_ = 1.0;
  PlayerListDelegate* delegate_ = nullptr;  // owned by this view as its QObject child
};

}  // namespace korvanti
