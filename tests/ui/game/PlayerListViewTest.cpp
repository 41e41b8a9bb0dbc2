#include <gtest/gtest.h>

#include <QHeaderView>
#include <QImage>

#include "SampleScoreboards.h"
#include "ui/common/KorvantiLook.h"
#include "ui/game/PlayerListView.h"
#include "ui/game/ScorePanelsLayout.h"

namespace korvanti {
namespace {

Scoreboard ListOf(int players, int onTurn, int leader) {
  Scoreboard board = CountDownBoard();
  board.players.rows.clear();
  for (int i = 0; i < players; ++i) {
    const std::string name = "Spieler " + std::to_string(i + 1);
    board.players.rows.push_back({{name, std::to_string(501 - 20 * i), "50.00"},
                                  {},
                                  i == leader ? Paint::Green : Paint::Black,
                                  i == onTurn});
  }
  return board;
}

class PlayerListViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallFontSubstitutions();
    list.resize(408, 172);
    list.show();
  }
  QImage Shot() { return list.viewport()->grab().toImage(); }
  QRect RowRect(int row) {
    auto rect = list.visualItemRect(list.topLevelItem(row));
    rect.setLeft(0);
    rect.setRight(list.viewport()->width() - 1);
    return rect;
  }
  QRect CellRect(int row, int column) { return list.visualRect(list.model()->index(row, column)); }

  PlayerListView list;
};

TEST_F(PlayerListViewTest, ColumnsAndRowsOfTheScoreboard) {
  const auto board = CountDownBoard();
  list.Show(board);
  EXPECT_EQ(list.objectName(), "lstPlayersInGame");
  ASSERT_EQ(list.columnCount(), 3);
  const char* captions[] = {"Player", "Points left", "Avg."};
  const int widths[] = {150, 150, 100};
  for (int c = 0; c < 3; ++c) {
    EXPECT_EQ(list.headerItem()->text(c), captions[c]);
    EXPECT_EQ(list.columnWidth(c), widths[c]);
  }
  ASSERT_EQ(list.topLevelItemCount(), 2);
  for (int row = 0; row < 2; ++row) {
    for (int c = 0; c < 3; ++c) {
      EXPECT_EQ(
          list.topLevelItem(row)->text(c).toStdString(),
          board.players.rows[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(c)]);
    }
  }
  EXPECT_EQ(list.font().pixelSize(), 16);
  EXPECT_TRUE(list.font().bold());
}

TEST_F(PlayerListViewTest, ColumnsRebuiltOnlyWhenTheyChange) {
  list.Show(CountDownBoard());
  list.setColumnWidth(0, 190);  // the user widened it
  list.Show(ListOf(3, 1, 2));
  EXPECT_EQ(list.columnWidth(0), 190);
  EXPECT_EQ(list.topLevelItemCount(), 3);

  list.Show(CricketBoard());
  EXPECT_EQ(list.columnCount(), 9);
  EXPECT_EQ(list.headerItem()->text(7), "B");
  EXPECT_EQ(list.columnWidth(0), 100);
  EXPECT_EQ(list.columnWidth(6), 36);
  EXPECT_EQ(list.topLevelItemCount(), 2);
}

// The leader need not be on turn; when he is, his selected row still reads green.
TEST_F(PlayerListViewTest, LeadersRowGreenAlsoWhenSelected) {
  const QColor green = PanelColor(Paint::Green);
  for (const int onTurn : {0, 1}) {
    list.Show(ListOf(3, onTurn, 0));
    const auto shot = Shot();
    EXPECT_GT(CountColor(shot, RowRect(0), green, 60), 20) << "on turn " << onTurn;
    EXPECT_EQ(CountColor(shot, RowRect(1), green, 60), 0) << "on turn " << onTurn;
    EXPECT_GT(CountDark(shot, RowRect(1)), 20);
  }
}

TEST_F(PlayerListViewTest, PlayerOnTurnSelectedAndScrolledIntoView) {
  for (const int onTurn : {7, 0, 4}) {
    list.Show(ListOf(8, onTurn, 2));
    const auto selected = list.selectedItems();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected.front(), list.topLevelItem(onTurn));
    EXPECT_EQ(list.currentItem(), list.topLevelItem(onTurn));
    EXPECT_TRUE(list.viewport()->rect().contains(RowRect(onTurn))) << "on turn " << onTurn;
  }
}

TEST_F(PlayerListViewTest, RowsGoWhenPlayersGo) {
  list.Show(ListOf(5, 4, 0));
  list.Show(ListOf(2, 1, 1));
  ASSERT_EQ(list.topLevelItemCount(), 2);
  EXPECT_EQ(list.topLevelItem(1)->text(0), "Spieler 2");
  EXPECT_EQ(list.topLevelItem(1)->foreground(0).color(), PanelColor(Paint::Green));
  EXPECT_EQ(list.topLevelItem(0)->foreground(0).color(), PanelColor(Paint::Black));
}

// Cricket cells draw the picture, not the figure: no mark leaves the cell
// empty where a "0" would have left ink.
TEST_F(PlayerListViewTest, CricketCellsDrawTheirMarkPictures) {
  auto board = CricketBoard();
  board.players.rows[0].cells = {"Anna", "0", "1", "2", "3", "0", "0", "0", "40"};
  board.players.rows[0].markPictures = {0, 1, 2, 3, 0, 0, 0};
  board.players.rows[0].selected = false;
  board.players.rows[1].selected = false;
  list.Show(board);
  const auto shot = Shot();
  std::array<int, 4> ink{};
  for (int column = 1; column <= 4; ++column) {
    const QRect cell = CellRect(0, column);
    EXPECT_GE(cell.height(), 35);
    ink[static_cast<std::size_t>(column - 1)] = CountDark(shot, cell);
  }
  EXPECT_EQ(ink[0], 0);
  EXPECT_LT(ink[0], ink[1]);
  EXPECT_LT(ink[1], ink[2]);
  EXPECT_LT(ink[2], ink[3]);
  // The points stay a figure, in the leader's green.
  EXPECT_GT(CountColor(shot, CellRect(0, 8), PanelColor(Paint::Green), 60), 0);
}

TEST_F(PlayerListViewTest, ScaledAsAWhole) {
  list.Show(CricketBoard());
  list.SetScale(2.0);
  EXPECT_EQ(list.font().pixelSize(), 32);
  EXPECT_EQ(list.columnWidth(0), 200);
  EXPECT_EQ(list.columnWidth(6), 72);
  EXPECT_EQ(CellRect(0, 1).height(), 72);
  list.SetScale(0.5);
  EXPECT_EQ(list.font().pixelSize(), 8);
  EXPECT_EQ(list.columnWidth(8), 25);
  EXPECT_EQ(CellRect(0, 1).height(), 18);
}

}  // namespace
}  // namespace korvanti
