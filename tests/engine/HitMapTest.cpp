#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/AimPoints.h"
#include "engine/FieldCode.h"
#include "engine/HitMap.h"

namespace korvanti {
namespace {

const HitMap& SharedHitMap() {
  static const HitMap hitMap;
  return hitMap;
}

std::set<std::string> AllFieldCodes() {
  std::set<std::string> codes{"D25", "SS25"};
  for (int n = 1; n <= 20; ++n) {
    for (const char* prefix : {"T", "D", "LS", "SS"}) {
      codes.insert(prefix + std::to_string(n));
    }
  }
  return codes;
}

TEST(HitMap, EveryFieldCodeAppearsAndNothingElse) {
  std::set<std::string> seen;
  for (int y = 0; y < HitMap::Height(); ++y) {
    for (int x = 0; x < HitMap::Width(); ++x) {
      seen.insert(SharedHitMap().FieldAt(x, y));
    }
  }
  auto expected = AllFieldCodes();
  ASSERT_EQ(expected.size(), 82u);
  expected.insert("0");
  expected.insert("00");
  EXPECT_EQ(seen, expected);
}

TEST(HitMap, DecodesEachRingOfSegmentTwentyStraightUp) {
  struct Case {
    int x;
    int y;
    const char* code;
  };
  // The bulls are centred on (332, 318), the outer rings on (330.5, 321).
  const Case cases[] = {
      {332, 318, "D25"}, {332, 311, "D25"},  {332, 307, "00"}, {332, 300, "SS25"},
      {332, 293, "00"},  {331, 240, "SS20"}, {331, 185, "00"}, {331, 177, "T20"},
      {331, 169, "00"},  {331, 131, "LS20"}, {331, 98, "00"},  {331, 90, "D20"},
      {331, 84, "00"},   {331, 60, "0"},     {0, 0, "0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SharedHitMap().FieldAt(c.x, c.y), c.code) << c.x << "," << c.y;
  }
}

TEST(HitMap, RadialWiresRunBetweenSegments) {
  // On the boundary between 20 and 1, 9 degrees clockwise from straight up.
  EXPECT_EQ(SharedHitMap().FieldAt(348, 219), "00");
  EXPECT_EQ(SharedHitMap().FieldAt(343, 219), "SS20");
  EXPECT_EQ(SharedHitMap().FieldAt(353, 219), "SS1");
}

TEST(HitMap, PositionsOutsideThePictureAreMisses) {
  for (const auto& [x, y] : {std::pair{-1, 300}, {700, 300}, {300, -40}, {300, 650}}) {
    EXPECT_EQ(SharedHitMap().FieldAt(x, y), "0") << x << "," << y;
  }
}

TEST(HitMap, EveryAimPointDecodesToItsOwnField) {
  ASSERT_EQ(AimPointTable().size(), 82u);
  std::set<std::string> covered;
  for (const auto& [code, point] : AimPointTable()) {
    EXPECT_EQ(SharedHitMap().FieldAt(point.x, point.y), code) << point.x << "," << point.y;
    covered.emplace(code);
  }
  EXPECT_EQ(covered, AllFieldCodes());
  EXPECT_EQ(AimPointFor("D16"), (BoardPoint{138, 455}));
  EXPECT_EQ(AimPointFor("d16"), std::nullopt);
}

}  // namespace
}  // namespace korvanti
