#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "analysis/ExpectedPoints.h"

namespace korvanti {
namespace {

const BoardValues& Board() {
  static const BoardValues board{HitMap()};
  return board;
}

double RadicalInverse(unsigned index, unsigned base) {
  double inverse = 0;
  double digit = 1.0 / base;
  for (; index > 0; index /= base, digit /= base) {
    inverse += digit * (index % base);
  }
  return inverse;
}

// Brute force: 100 000 throws at the aim point from a Halton sequence turned
// into normal offsets; a dart on a wire is thrown again.
double SimulatedPoints(const Scatter& scatter, BoardPoint aim) {
  constexpr unsigned kThrows = 100000;
  double points = 0;
  unsigned counted = 0;
  for (unsigned i = 1; counted < kThrows; ++i) {
    const double radius = std::sqrt(-2 * std::log(RadicalInverse(i, 2)));
    const double angle = 2 * std::numbers::pi * RadicalInverse(i, 3);
    const auto offset = OffsetFor(scatter, radius * std::cos(angle), radius * std::sin(angle));
    const auto landing = Board().Landing(static_cast<int>(std::lround(aim.x + offset.x)),
                                         static_cast<int>(std::lround(aim.y + offset.y)));
    if (landing) {
      points += *landing;
      ++counted;
    }
  }
  return points / kThrows;
}

struct MapCase {
  const char* name;
  Scatter scatter;
};
void PrintTo(const MapCase& c, std::ostream* out) {
  *out << c.name;
}

class ExpectedPointsTest : public testing::TestWithParam<MapCase> {};

TEST_P(ExpectedPointsTest, AgreesWithSimulatedThrowsAcrossTheBoard) {
  const ExpectedPointsMap map(Board(), GetParam().scatter);
  int points = 0;
  // 169 aim points a case, 338 in all, over the whole board and beside it.
  for (int y = 70; y <= 570; y += 40) {
    for (int x = 80; x <= 580; x += 40) {
      const BoardPoint aim{x, y};
      EXPECT_NEAR(map.At(aim), SimulatedPoints(GetParam().scatter, aim), 0.1)
          << "aim " << x << ", " << y;
      ++points;
    }
  }
  EXPECT_EQ(points, 169);
}

INSTANTIATE_TEST_SUITE_P(Scatters, ExpectedPointsTest,
                         testing::Values(MapCase{"round_20px", Scatter::Round(20)},
                                         MapCase{"tilted_biased",
                                                 Scatter{{6, -4}, {500, 180, 200}}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExpectedPointsBestAim, SmallRoundSpreadAimsAtTrebleTwenty) {
  const ExpectedPointsMap map(Board(), Scatter::Round(5 / kMillimetresPerPixel));
  const auto best = map.Best();
  EXPECT_EQ(HitMap().FieldAt(best.x, best.y), "T20");
  EXPECT_GT(map.At(best), 40);
}

TEST(ExpectedPointsBestAim, BiasMovesTheBestPointAgainstIt) {
  const ExpectedPointsMap plain(Board(), Scatter::Round(5 / kMillimetresPerPixel));
  const ExpectedPointsMap biased(Board(), Scatter::Round(5 / kMillimetresPerPixel, {0, 20}));
  const auto best = biased.Best();
  EXPECT_NEAR(best.y, plain.Best().y - 20, 2);
  EXPECT_NEAR(biased.At(best), plain.At(plain.Best()), 0.5);
}

}  // namespace
}  // namespace korvanti
