#include "ui/game/PlayerListView.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cmath>
#include <memory>

#include "ui/common/KorvantiLook.h"
#include "ui/game/CricketTiles.h"
#include "ui/game/ScorePanelsLayout.h"

namespace korvanti {

// Draws the mark pictures and keeps a row's colour when it is selected:
// the leader may well be the player on turn, and his row must still read green.
class PlayerListDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void SetRowHeight(int height) { rowHeight_ = height; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const QVariant marks = index.data(PlayerListView::kMarkRole);
    if (!marks.isValid()) {
      QStyledItemDelegate::paint(painter, option, index);
      return;
    }
    QStyleOptionViewItem shown(option);
    initStyleOption(&shown, index);
    shown.text.clear();
    const QWidget* widget = option.widget;
    const QStyle* style = widget != nullptr ? widget->style() : nullptr;
    if (style != nullptr) {
      style->drawControl(QStyle::CE_ItemViewItem, &shown, painter, widget);
    }
    PaintMarks(*painter, QRectF(option.rect), marks.toInt(), option.palette.color(QPalette::Text));
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), rowHeight_};
  }

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    option->palette.setBrush(QPalette::HighlightedText, option->palette.brush(QPalette::Text));
    option->palette.setColor(QPalette::Highlight,
                             IsDarkPalette(option->palette) ? kDarkSelection : kSelection);
  }

 private:
  // Light enough that green and black rows stay readable on it; under a dark
  // palette dark enough for green and light rows.
  inline static const QColor kSelection{196, 212, 240};
  inline static const QColor kDarkSelection{50, 72, 110};
  int rowHeight_ = PlayerListView::kRowHeight;
};

namespace {

int At(int design, double scale) {
  return std::max(1, static_cast<int>(std::lround(design * scale)));
}

bool SameColumns(const std::vector<PlayerListColumn>& a, const std::vector<PlayerListColumn>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
    return x.caption == y.caption && x.width == y.width && x.hint == y.hint;
  });
}

}  // namespace

PlayerListView::PlayerListView(QWidget* parent)
    : QTreeWidget(parent), delegate_(new PlayerListDelegate(this)) {
  setObjectName(QStringLiteral("lstPlayersInGame"));
  setItemDelegate(delegate_);
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  // The game screen keeps the keyboard: Esc there asks whether to abort.
  setFocusPolicy(Qt::NoFocus);
  header()->setStretchLastSection(false);
  header()->setSectionsMovable(false);
  setColumnCount(1);
  setHeaderLabels({QString()});
  SetScale(1.0);
}

void PlayerListView::SetScale(double scale) {
  scale_ = scale > 0 ? scale : 1.0;
  const auto font = FiguresFont(At(kFontPixels, scale_), true);
  setFont(font);
  header()->setFont(font);
  delegate_->SetRowHeight(At(kRowHeight, scale_));
  ApplyColumnWidths();
  doItemsLayout();
}

void PlayerListView::ApplyColumnWidths() {
  for (std::size_t c = 0; c < columns_.size(); ++c) {
    setColumnWidth(static_cast<int>(c), At(columns_[c].width, scale_));
  }
}

void PlayerListView::ShowColumns(const std::vector<PlayerListColumn>& columns) {
  columns_ = columns;
  QStringList captions;
  for (const auto& column : columns_) {
    captions << QString::fromStdString(column.caption);
  }
  setColumnCount(std::max<int>(1, static_cast<int>(captions.size())));
  setHeaderLabels(captions);
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    headerItem()->setToolTip(static_cast<int>(i), QString::fromStdString(columns_[i].hint));
  }
  ApplyColumnWidths();
}

void PlayerListView::Show(const Scoreboard& board) {
  const auto& list = board.players;
  if (!SameColumns(list.columns, columns_)) {
    ShowColumns(list.columns);
  }
  const int rows = static_cast<int>(list.rows.size());
  while (topLevelItemCount() > rows) {
    std::unique_ptr<QTreeWidgetItem> gone(takeTopLevelItem(topLevelItemCount() - 1));
  }
  while (topLevelItemCount() < rows) {
    new QTreeWidgetItem(this);  // the list owns its rows
  }
  QTreeWidgetItem* onTurn = nullptr;
  for (int i = 0; i < rows; ++i) {
    const auto& row = list.rows[static_cast<std::size_t>(i)];
    auto* item = topLevelItem(i);
    ShowRow(*item, row);
    if (row.selected) {
      onTurn = item;
    }
  }
  if (onTurn != nullptr) {
    setCurrentItem(onTurn);
    scrollToItem(onTurn);
  } else {
    clearSelection();
  }
}

void PlayerListView::ShowRow(QTreeWidgetItem& item, const PlayerListRow& row) const {
  const QBrush paint(TextColor(row.paint, palette(), QPalette::Text));
  for (int c = 0; c < columnCount(); ++c) {
    const auto cell = static_cast<std::size_t>(c);
    item.setText(c, cell < row.cells.size() ? QString::fromStdString(row.cells[cell]) : QString());
    item.setForeground(c, paint);
    // Column c > 0 shows markPictures[c - 1] when the row has one.
    const bool marked = c > 0 && cell - 1 < row.markPictures.size();
    item.setData(c, kMarkRole, marked ? QVariant(row.markPictures[cell - 1]) : QVariant());
  }
}

}  // namespace korvanti
