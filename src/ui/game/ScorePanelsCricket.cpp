#include "ui/game/CricketTiles.h"
#include "ui/game/ScorePanels.h"

namespace korvanti {
namespace {

constexpr std::array<int, CricketPanelView::kRows> kRowTops{0, 72, 144, 217, 289, 361, 434};
constexpr int kRowHeight = 70;
constexpr QRect kTile{0, 0, 96, kRowHeight};
constexpr QRect kMarks{100, 0, 70, kRowHeight};
// The rows' numbers before the first scoreboard arrives; the bull's widgets are named "B".
constexpr std::array<int, CricketPanelView::kRows> kNumbers{15, 16, 17, 18, 19, 20, 25};

QString RowName(int number) {
  return number == 25 ? QStringLiteral("B") : QString::number(number);
}

}  // namespace

CricketPanelView::CricketPanelView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pnlGameCricket"));
  resize(kDesignSize);
  for (std::size_t row = 0; row < kRows; ++row) {
    const QString name = RowName(kNumbers[row]);
    auto* tile = new CricketTileWidget(this);  // the panel owns its children
    tile->setObjectName(QStringLiteral("tile") + name);
    tile->Show(kNumbers[row], CricketTile::Black);
    layout_.Place(tile, kTile.translated(0, kRowTops[row]));
    tiles_[row] = tile;
    auto* marks = new MarksWidget(this);
    marks->setObjectName(QStringLiteral("img") + name);
    layout_.Place(marks, kMarks.translated(0, kRowTops[row]));
    marks_[row] = marks;
  }
}

void CricketPanelView::Show(const Scoreboard& board) {
  for (std::size_t row = 0; row < kRows; ++row) {
    const auto& shown = board.cricket.rows[row];
    tiles_[row]->Show(shown.number != 0 ? shown.number : kNumbers[row], shown.tile);
    marks_[row]->Show(shown.marks);
  }
}

void CricketPanelView::SetScale(double scale) {
  layout_.SetScale(scale);
}

CricketTile CricketPanelView::TileAt(int row) const {
  return tiles_.at(static_cast<std::size_t>(row))->Tile();
}

int CricketPanelView::MarksAt(int row) const {
  return marks_.at(static_cast<std::size_t>(row))->Marks();
}

}  // namespace korvanti
