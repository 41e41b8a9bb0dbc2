#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "TempFolder.h"
#include "TiltedScatter.h"
#include "analysis/ScatterFit.h"
#include "computer/DartSimulation.h"

namespace korvanti {
namespace {

const HitMap& SharedHitMap() {
  static const HitMap hitMap;
  return hitMap;
}

using testing::Tilted;

void ExpectSameScatter(const Scatter& found, const Scatter& truth, double tolerance) {
  EXPECT_NEAR(found.bias.x, truth.bias.x, 1.0);
  EXPECT_NEAR(found.bias.y, truth.bias.y, 1.0);
  const auto expected = EllipseOf(truth.covariance, 1);
  const auto ellipse = EllipseOf(found.covariance, 1);
  EXPECT_NEAR(ellipse.major, expected.major, tolerance * expected.major);
  EXPECT_NEAR(ellipse.minor, expected.minor, tolerance * expected.minor);
  if (expected.major > 1.2 * expected.minor) {
    EXPECT_NEAR(ellipse.angleDegrees, expected.angleDegrees, 4.0);
  }
}

class ScatterThrow : public ::testing::Test {
 protected:
  UniformRandom random{2024};
  TempFolder folder;
  SimulationContext context{random, SharedHitMap(), folder / "ki.ini", folder / "checkout.ini"};

  // The aimed darts of that many simulated games with the scatter.
  std::vector<AimedDart> PlayedDarts(const Scatter& scatter, int games) {
    std::vector<AimedDart> darts;
    auto game = DartSimulation::NewSimulatedGame(context);
    for (int i = 0; i < games; ++i) {
      game->NewGame();
      DartSimulation::PlayGame(context, *game, scatter);
      for (const auto& turn : game->CurrentTurns().Turns()) {
        for (const auto& dart : turn.hits) {
          if (dart.HasAim() && dart.HasHit()) {
            darts.push_back({{dart.aimX, dart.aimY},
                             {dart.hitX, dart.hitY},
                             TargetClassOf(dart.aim).value_or(TargetClass::Single),
                             dart.aim});
          }
        }
      }
    }
    return darts;
  }
};

TEST_F(ScatterThrow, DartsLandWithTheGivenScatter) {
  const auto truth = Tilted(24, 12, -35, {5, 3});
  std::vector<Offset> offsets;
  for (int i = 0; i < 20000; ++i) {
    const auto landing = DartSimulation::ScatterAround({332, 172}, truth, random);
    offsets.push_back({landing.x - 332.0, landing.y - 172.0});
  }
  ExpectSameScatter(EstimateScatter(offsets).scatter, truth, 0.03);
}

// Games thrown with a known scatter are fitted; a computer throwing with the
// fit plays the same average.
struct RoundTrip {
  const char* name;
  Scatter scatter;
};
void PrintTo(const RoundTrip& c, std::ostream* out) {
  *out << c.name;
}

class ScatterRoundTrip : public ScatterThrow, public ::testing::WithParamInterface<RoundTrip> {};

TEST_P(ScatterRoundTrip, TheFittedComputerPlaysTheSameAverage) {
  const auto& truth = GetParam().scatter;
  const auto darts = PlayedDarts(truth, 1000);
  const auto fit = FitScatter(darts);
  ASSERT_TRUE(fit.overall);
  ExpectSameScatter(fit.overall->scatter, truth, 0.05);
  const double original = DartSimulation::MeanAverage(context, truth, 1000);
  const double fitted = DartSimulation::MeanAverage(context, fit.overall->scatter, 1000);
  EXPECT_NEAR(fitted, original, 2.0);

  // Prepared games come from the same thrower.
  const auto positions = DartSimulation::GetHitList(context, fit.overall->scatter);
  ASSERT_FALSE(positions.empty());
  EXPECT_EQ(positions.size() % 3, 0u);
}

INSTANTIATE_TEST_SUITE_P(Scatters, ScatterRoundTrip,
                         ::testing::Values(RoundTrip{"round", Scatter::Round(18)},
                                           RoundTrip{"tilted_biased", Tilted(26, 14, 25, {4, -6})}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace korvanti
