#include <gtest/gtest.h>

#include "report/AimDots.h"

namespace korvanti {
namespace {

TEST(AimDots, PositionListsSkipWhatIsNoPoint) {
  struct Case {
    std::string_view list;
    std::vector<BoardPoint> points;
  };
  const Case cases[] = {
      {"", {}},
      {"330=120", {{330, 120}}},
      {"330=120,12=600,0=0", {{330, 120}, {12, 600}, {0, 0}}},
      {"=5,330=120", {{330, 120}}},  // no x part
      {"330=,x=5,7,,8=9=1,40=41", {{40, 41}}},
      {"330=120,", {{330, 120}}},
      {"-4=650", {{-4, 650}}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ParsePositionList(c.list), c.points) << c.list;
}

TEST(AimDots, ADotIsACircleOfRadiusThree) {
  EXPECT_EQ(DotBoxAt({330, 120}), (DotBox{327, 117, 333, 123}));
}

TEST(AimDots, DrawnDartByDartOnlyForTheShownDarts) {
  const std::array<std::string_view, 3> lists{"1=1,2=2", "3=3", "4=4"};
  EXPECT_EQ(DotsToDraw(lists, {true, true, true}),
            (std::vector<AimDot>{{{1, 1}, 1}, {{2, 2}, 1}, {{3, 3}, 2}, {{4, 4}, 3}}));
  EXPECT_EQ(DotsToDraw(lists, {true, false, true}),
            (std::vector<AimDot>{{{1, 1}, 1}, {{2, 2}, 1}, {{4, 4}, 3}}));
  EXPECT_TRUE(DotsToDraw(lists, {false, false, false}).empty());
}

}  // namespace
}  // namespace korvanti
