#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "TempFolder.h"
#include "computer/DartSimulation.h"
#include "platform/Error.h"
#include "platform/Notice.h"

namespace korvanti {
namespace {

const HitMap& SharedHitMap() {
  static const HitMap hitMap;
  return hitMap;
}

class Simulation : public ::testing::Test {
 protected:
  // Whatever the simulation reports as a notice fails the test.
  ScopedNoticeReceiver noNotices{
      [](std::string_view text) { ADD_FAILURE() << "notice: " << text; }};
  UniformRandom random{12345};
  TempFolder folder;
  SimulationContext context{random, SharedHitMap(), folder / "ki.ini", folder / "checkout.ini"};

  // A checkout table whose every route aims at T20: no game can finish.
  void WriteRoutesThatNeverFinish() {
    std::ofstream table(context.checkoutFile);
    table << "[DO3]\n";
    for (int rest = 2; rest <= 170; ++rest)
      table << rest << "=T20\n";
  }
};

double AverageOf(const std::vector<BoardPoint>& positions) {
  return 501.0 / static_cast<double>(positions.size() / 3);
}

TEST_F(Simulation, ExactModeAcceptsAnAverageInsideTheWindow) {
  const auto positions = DartSimulation::GetHitList(context, 60, 4, 4, true);
  ASSERT_FALSE(positions.empty());
  ASSERT_EQ(positions.size() % 3, 0u);
  EXPECT_GE(AverageOf(positions), 56);
  EXPECT_LE(AverageOf(positions), 64);
  for (const auto& point : positions) {
    if (point.x != 0 || point.y != 0) {
      EXPECT_NE(SharedHitMap().FieldAt(point.x, point.y), "00");  // wires re-scattered
    }
  }
  // A finish with the first or second dart leaves 0, 0 for the rest.
  EXPECT_TRUE(positions.back() == (BoardPoint{0, 0}) || positions.back().x != 0);
  EXPECT_EQ(DartSimulation::StartSpread(50), 1.0);
  EXPECT_EQ(DartSimulation::StartSpread(51), 0.3);
}

TEST_F(Simulation, TheWindowAdmitsTheNearestPossibleAverageOnlyWhenItCannotBeMet) {
  // 501 / 8 = 62.625 and 501 / 7 = 71.57: no game can end between 63 and 71.
  EXPECT_TRUE(DartSimulation::AcceptsAverage(501.0 / 8, 67, 4, 4));
  EXPECT_FALSE(DartSimulation::AcceptsAverage(501.0 / 7, 67, 4, 4));
  // 60 can be met (62.625), so only the window counts.
  EXPECT_TRUE(DartSimulation::AcceptsAverage(501.0 / 8, 60, 4, 4));
  EXPECT_FALSE(DartSimulation::AcceptsAverage(501.0 / 9, 60, 4, 4));
  EXPECT_TRUE(DartSimulation::AcceptsAverage(56.0, 60, 4, 4));
  // 140: between 125.25 and 167 only 125.25 is nearest.
  EXPECT_TRUE(DartSimulation::AcceptsAverage(501.0 / 4, 140, 4, 4));
  EXPECT_FALSE(DartSimulation::AcceptsAverage(501.0 / 3, 140, 4, 4));

  EXPECT_EQ(DartSimulation::GetHitList(context, 67, 4, 4, true).size(), 24u);  // eight turns
}

TEST_F(Simulation, WithoutExactModeTheFirstGameCountsAndTheSpreadComesFromTheTable) {
  // No strength table at all: named as missing.
  EXPECT_THROW(DartSimulation::GetHitList(context, 60, 4, 4, false), Error);
  std::ofstream(context.strengthFile) << "[AvgListBig]\n60=2,5\n61=1.75\n";
  // No strength for the average: refused quietly; the caller tells the user.
  EXPECT_TRUE(DartSimulation::GetHitList(context, 62, 4, 4, false).empty());
  EXPECT_DOUBLE_EQ(DartSimulation::ReadSpread(context.strengthFile, 60), 2.5);
  EXPECT_DOUBLE_EQ(DartSimulation::ReadSpread(context.strengthFile, 61), 1.75);
  EXPECT_DOUBLE_EQ(DartSimulation::ReadSpread(context.strengthFile, 62), 0.0);
  std::vector<std::pair<int, int>> reports;
  const auto positions = DartSimulation::GetHitList(
      context, 60, 4, 4, false, [&](int done, int total) { reports.emplace_back(done, total); });
  EXPECT_FALSE(positions.empty());
  EXPECT_EQ(positions.size() % 3, 0u);
  EXPECT_EQ(reports, (std::vector<std::pair<int, int>>{{1, DartSimulation::kGamesPerLevel}}));
}

// A table whose routes never reach a double used to hang the start; now each
// game ends after 100 turns and the search gives up after a level of them.
TEST_F(Simulation, RoutesThatNeverFinishEndTheSearchWithoutAGame) {
  WriteRoutesThatNeverFinish();
  std::ofstream(context.strengthFile) << "[AvgListBig]\n60=0.3\n";
  for (const bool exact : {true, false}) {
    int played = 0;
    const auto positions =
        DartSimulation::GetHitList(context, 60, 4, 4, exact, [&](int done, int) { played = done; });
    EXPECT_TRUE(positions.empty()) << exact;
    EXPECT_EQ(played, DartSimulation::kGamesPerLevel) << exact;
  }
  auto game = DartSimulation::NewSimulatedGame(context);
  EXPECT_FALSE(DartSimulation::PlayGame(context, *game, 0.3));
  EXPECT_EQ(game->CurrentTurns().Count(), static_cast<std::size_t>(DartSimulation::kMostTurns));
  EXPECT_FALSE(game->IsFinished());
}

TEST_F(Simulation, TheExactSearchReportsEveryGameAgainstItsMost) {
  std::vector<std::pair<int, int>> reports;
  const auto positions = DartSimulation::GetHitList(
      context, 40, 4, 4, true, [&](int done, int total) { reports.emplace_back(done, total); });
  ASSERT_FALSE(positions.empty());
  ASSERT_FALSE(reports.empty());
  // From 1.0 to 5.5 in steps of 0.02: about 225 levels of 51 games.
  const int most = reports.front().second;
  EXPECT_EQ(most % DartSimulation::kGamesPerLevel, 0);
  EXPECT_NEAR(most / DartSimulation::kGamesPerLevel, 225, 1);
  for (std::size_t i = 0; i < reports.size(); ++i) {
    EXPECT_EQ(reports[i], (std::pair<int, int>{static_cast<int>(i) + 1, most}));
  }
}

// Darts that land off the picture are misses, decoded as the game screen
// decodes them, but without its notice.
TEST_F(Simulation, LandingsOffThePictureAreQuietMisses) {
  const BoardPoint landings[] = {{-40, -3}, {-1, 300}, {700, 318}, {332, 900}, {332, 172}};
  for (const auto& landing : landings) {
    std::string expected;
    {
      ScopedNoticeReceiver quiet([](std::string_view) {});
      expected = SharedHitMap().PositionToField(landing.x, landing.y);
    }
    EXPECT_EQ(DartSimulation::LandingField(SharedHitMap(), landing), expected)
        << landing.x << "," << landing.y;
  }
  // A thrower this wild lands many darts off the picture.
  auto game = DartSimulation::NewSimulatedGame(context);
  DartSimulation::PlayGame(context, *game, 40.0);
}

TEST_F(Simulation, StrategyOfTheThrower) {
  CheckoutTable none(folder / "checkout.ini");
  std::map<std::string, int> aims;
  for (int i = 0; i < 10000; ++i) {
    ++aims[DartSimulation::ChooseAim(301, 1, none, random)];
  }
  EXPECT_NEAR(aims["T20"], 6000, 300);
  EXPECT_NEAR(aims["T19"], 3000, 300);
  EXPECT_NEAR(aims["T18"], 1000, 200);
  EXPECT_EQ(DartSimulation::ChooseAim(150, 1, none, random), "T20");
  EXPECT_EQ(DartSimulation::ChooseAim(151, 1, none, random), "T19");
  EXPECT_EQ(DartSimulation::ChooseAim(40, 3, none, random), "D20");  // the program's own route
  EXPECT_EQ(DartSimulation::ChooseAim(1, 1, none, random), "");
  std::ofstream(none.Path()) << "[DO3]\n151=T17,T20,D20\n[DO1]\n40=D10\n";
  EXPECT_EQ(DartSimulation::ChooseAim(151, 1, none, random), "T17");
  EXPECT_EQ(DartSimulation::ChooseAim(40, 3, none, random), "D10");
  EXPECT_EQ(DartSimulation::AimPoint("T20", {1, 2}), (BoardPoint{332, 172}));
  EXPECT_EQ(DartSimulation::AimPoint("X", {1, 2}), (BoardPoint{1, 2}));
}

}  // namespace
}  // namespace korvanti
