#include <gtest/gtest.h>
#include <functional>

#include <QPushButton>

#include "engine/HitMap.h"
#include "ui/board/BoardWidget.h"
#include "ui/stats/AimBoardPanel.h"

namespace korvanti {
namespace {

// A colour chosen for a dart number recolours that dart's dots at once and
// leaves the others as they were.
TEST(AimBoardPanel, AChosenColourRecoloursTheShownDots) {
  const HitMap hitMap;
  const QColor chosen(1, 2, 3);
  AimBoardPanel panel(
      hitMap, [&](QWidget*, QColor, std::function<void(QColor)> choose) { choose(chosen); });
  const std::array<std::vector<BoardPoint>, 3> dots{
      {{BoardPoint{330, 100}}, {BoardPoint{330, 120}}, {BoardPoint{330, 140}}}};
  panel.ShowDots(&dots);
  const auto before = panel.Board().Dots();
  ASSERT_EQ(before.size(), 3u);

  panel.findChild<QPushButton*>("pnl2")->click();

  const auto& after = panel.Board().Dots();
  ASSERT_EQ(after.size(), 3u);
  EXPECT_EQ(after[0].color, before[0].color);
  EXPECT_EQ(after[1].color, chosen);
  EXPECT_EQ(after[2].color, before[2].color);
}

}  // namespace
}  // namespace korvanti
