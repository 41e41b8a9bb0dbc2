#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

#include "TiltedScatter.h"
#include "analysis/ScatterFit.h"

namespace korvanti {
namespace {

// Darts at T20 drawn from `truth` and stored as whole pixels, with some
// mis-clicks far away.
std::vector<AimedDart> Throw(const Scatter& truth, int darts, int misclicks, unsigned seed) {
  std::mt19937_64 random(seed);
  std::normal_distribution<double> normal;
  std::uniform_real_distribution<double> anywhere(-300, 300);
  const BoardPoint aim{332, 172};
  std::vector<AimedDart> thrown;
  for (int i = 0; i < darts; ++i) {
    const auto offset = OffsetFor(truth, normal(random), normal(random));
    thrown.push_back({aim,
                      {aim.x + static_cast<int>(std::lround(offset.x)),
                       aim.y + static_cast<int>(std::lround(offset.y))},
                      TargetClass::Treble,
                      "T20"});
  }
  for (int i = 0; i < misclicks;) {
    const Offset far{anywhere(random), anywhere(random)};
    if (std::hypot(far.x, far.y) > 200) {
      thrown.push_back({aim,
                        {aim.x + static_cast<int>(far.x), aim.y + static_cast<int>(far.y)},
                        TargetClass::Treble,
                        "T20"});
      ++i;
    }
  }
  return thrown;
}

using testing::Tilted;

void ExpectRecovered(const Scatter& truth, const ScatterEstimate& fit) {
  EXPECT_NEAR(fit.scatter.bias.x, truth.bias.x, 1.0);
  EXPECT_NEAR(fit.scatter.bias.y, truth.bias.y, 1.0);
  const auto expected = EllipseOf(truth.covariance, 1);
  const auto found = EllipseOf(fit.scatter.covariance, 1);
  EXPECT_NEAR(found.major, expected.major, 0.05 * expected.major);
  EXPECT_NEAR(found.minor, expected.minor, 0.05 * expected.minor);
  if (expected.major > 1.2 * expected.minor) {
    EXPECT_NEAR(found.angleDegrees, expected.angleDegrees, 3.0);
  }
}

TEST(ScatterFitTest, RecoversTiltedBiasedScatterDespiteMisclicks) {
  const auto truth = Tilted(22, 11, 30, {4.5, -3});
  const auto fit = FitScatter(Throw(truth, 4000, 40, 7));
  ASSERT_TRUE(fit.overall);
  ExpectRecovered(truth, *fit.overall);
  EXPECT_GE(fit.overall->leftOut, 40);
  EXPECT_LE(fit.overall->leftOut, 40 + 30);
  EXPECT_EQ(fit.overall->used + fit.overall->leftOut, 4040);
  ASSERT_TRUE(fit.For(TargetClass::Treble));
  EXPECT_FALSE(fit.For(TargetClass::Double));
}

TEST(ScatterFitTest, RecoversRoundScatter) {
  const auto truth = Scatter::Round(15);
  const auto fit = FitScatter(Throw(truth, 4000, 0, 11));
  ASSERT_TRUE(fit.overall);
  ExpectRecovered(truth, *fit.overall);
}

TEST(ScatterFitTest, NoFitBelowOneHundredAimedDarts) {
  const auto fit = FitScatter(Throw(Scatter::Round(15), 99, 0, 3));
  EXPECT_FALSE(fit.overall);
  EXPECT_EQ(fit.Missing(), "Zu wenige Würfe mit Ziel: 99 von 100");
  EXPECT_TRUE(FitScatter(Throw(Scatter::Round(15), 100, 0, 3)).overall);
}

TEST(ScatterFitTest, TargetClassOfCodes) {
  const std::vector<std::pair<const char*, std::optional<TargetClass>>> cases{
      {"T20", TargetClass::Treble}, {"D16", TargetClass::Double}, {"D25", TargetClass::Bull},
      {"SS25", TargetClass::Bull},  {"LS7", TargetClass::Single}, {"SS1", TargetClass::Single},
      {"0", std::nullopt}};
  for (const auto& [code, expected] : cases) {
    EXPECT_EQ(TargetClassOf(code), expected) << code;
  }
}

TEST(ScatterFitTest, EllipseAxesAndAngle) {
  struct Case {
    Covariance covariance;
    double sigmas, major, minor, angle;
  };
  const Case cases[] = {
      {{100, 0, 100}, 1, 10, 10, 0},
      {{400, 0, 100}, 2, 40, 20, 0},
      {{100, 0, 400}, 1, 20, 10, 90},
      {{250, 150, 250}, 1, 20, 10, 45},  // major axis down to the right on screen
  };
  for (const auto& c : cases) {
    const auto ellipse = EllipseOf(c.covariance, c.sigmas);
    EXPECT_NEAR(ellipse.major, c.major, 1e-9);
    EXPECT_NEAR(ellipse.minor, c.minor, 1e-9);
    EXPECT_NEAR(ellipse.angleDegrees, c.angle, 1e-9);
  }
}

}  // namespace
}  // namespace korvanti
