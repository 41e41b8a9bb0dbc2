#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "StatisticsFixture.h"
#include "computer/ComputerPlayerClass.h"
#include "computer/simulateDart.h"
#include "engine/ProgramFolderSetup.h"
#include "engine/ShippedFiles.h"
#include "platform/FileIo.h"
#include "platform/Notice.h"

namespace korvanti {
namespace {

const HitMap& SharedHitMap() {
  static const HitMap hitMap;
  return hitMap;
}

std::vector<BoardPoint> Points(const std::string& positions) {
  std::vector<BoardPoint> points;
  std::istringstream entries(positions);
  for (std::string entry; std::getline(entries, entry, ',');) {
    const auto equals = entry.find('=');
    points.push_back({std::stoi(entry.substr(0, equals)), std::stoi(entry.substr(equals + 1))});
  }
  return points;
}

class Simulation : public ::testing::Test {
 protected:
  UniformRandom random{12345};
  TempFolder folder;
  SimulationContext context{random, SharedHitMap(), folder / "ki.ini", folder / "checkout.ini"};
};

TEST_F(Simulation, ExactModeAcceptsAnAverageInsideTheWindow) {
  const auto positions = simulateDart::GetHitList(context, 60, 4, 4, true);
  const auto points = Points(positions);
  ASSERT_FALSE(points.empty());
  ASSERT_EQ(points.size() % 3, 0u);
  const double average = 501.0 / static_cast<double>(points.size() / 3);
  EXPECT_GE(average, 56);
  EXPECT_LE(average, 64);
  for (const auto& point : points) {
    if (point.x != 0 || point.y != 0) {
      EXPECT_NE(SharedHitMap().PositionToField(point.x, point.y), "00");  // wires re-scattered
    }
  }
  EXPECT_EQ(simulateDart::StartSpread(50), 1.0);
  EXPECT_EQ(simulateDart::StartSpread(51), 0.3);
}

TEST_F(Simulation, TheWindowAdmitsTheNearestPossibleAverageOnlyWhenItCannotBeMet) {
  // 501 / 8 = 62.625 and 501 / 7 = 71.57: no game can end between 63 and 71.
  EXPECT_TRUE(simulateDart::AcceptsAverage(501.0 / 8, 67, 4, 4));
  EXPECT_FALSE(simulateDart::AcceptsAverage(501.0 / 7, 67, 4, 4));
  // 60 can be met (62.625), so only the window counts.
  EXPECT_TRUE(simulateDart::AcceptsAverage(501.0 / 8, 60, 4, 4));
  EXPECT_FALSE(simulateDart::AcceptsAverage(501.0 / 9, 60, 4, 4));
  EXPECT_TRUE(simulateDart::AcceptsAverage(56.0, 60, 4, 4));
  // 140: between 125.25 and 167 only 125.25 is nearest.
  EXPECT_TRUE(simulateDart::AcceptsAverage(501.0 / 4, 140, 4, 4));
  EXPECT_FALSE(simulateDart::AcceptsAverage(501.0 / 3, 140, 4, 4));

  const auto positions = simulateDart::GetHitList(context, 67, 4, 4, true);
  EXPECT_EQ(Points(positions).size(), 24u);  // eight turns: 62.625
}

TEST_F(Simulation, WithoutExactModeTheFirstGameCountsAndTheSpreadComesFromTheTable) {
  std::vector<std::string> notices;
  ScopedNoticeReceiver collect([&](std::string_view text) { notices.emplace_back(text); });
  EXPECT_EQ(simulateDart::GetHitList(context, 60, 4, 4, false), "");
  EXPECT_EQ(notices, std::vector<std::string>{"bitte anderen Schnitt auswählen"});
  std::ofstream(context.strengthFile) << "[AvgListBig]\n60=2,5\n61=1.75\n";
  EXPECT_DOUBLE_EQ(simulateDart::ReadSpread(context.strengthFile, 60), 2.5);
  EXPECT_DOUBLE_EQ(simulateDart::ReadSpread(context.strengthFile, 61), 1.75);
  EXPECT_DOUBLE_EQ(simulateDart::ReadSpread(context.strengthFile, 62), 0.0);
  EXPECT_FALSE(simulateDart::GetHitList(context, 60, 4, 4, false).empty());
}

TEST_F(Simulation, StrategyOfTheThrower) {
  CheckoutTable none(folder / "checkout.ini");
  std::map<std::string, int> aims;
  for (int i = 0; i < 10000; ++i) {
    ++aims[simulateDart::ChooseAim(301, 1, none, random)];
  }
  EXPECT_NEAR(aims["T20"], 6000, 300);
  EXPECT_NEAR(aims["T19"], 3000, 300);
  EXPECT_NEAR(aims["T18"], 1000, 200);
  EXPECT_EQ(simulateDart::ChooseAim(150, 1, none, random), "T20");
  EXPECT_EQ(simulateDart::ChooseAim(151, 1, none, random), "T19");
  EXPECT_EQ(simulateDart::ChooseAim(40, 3, none, random), "D20");  // the program's own route
  EXPECT_EQ(simulateDart::ChooseAim(1, 1, none, random), "");
  std::ofstream(none.Path()) << "[DO3]\n151=T17,T20,D20\n[DO1]\n40=D10\n";
  EXPECT_EQ(simulateDart::ChooseAim(151, 1, none, random), "T17");
  EXPECT_EQ(simulateDart::ChooseAim(40, 3, none, random), "D10");
  EXPECT_EQ(simulateDart::AimPoint("T20", {1, 2}), (BoardPoint{332, 172}));
  EXPECT_EQ(simulateDart::AimPoint("X", {1, 2}), (BoardPoint{1, 2}));
}

TEST_F(Simulation, ThePositionListHasThreeEntriesATurn) {
  std::ofstream(context.strengthFile) << "[AvgListBig]\n60=2\n";
  const auto positions = simulateDart::GetHitList(context, 60, 4, 4, false);
  const auto points = Points(positions);
  ASSERT_EQ(points.size() % 3, 0u);
  // A finish with the first or second dart leaves "0=0" for the rest.
  ComputerPlayerClass machine;
  EXPECT_TRUE(machine.LoadPositionList(positions));
  EXPECT_EQ(machine.simulatedTurns.Count(), points.size() / 3);
  EXPECT_TRUE(positions.ends_with("0=0") || points.back().x != 0);
}

class Replay : public ::testing::Test {
 protected:
  testing::StatisticsFixture fixture;
  std::string anna = fixture.AddPlayer("Anna");

  std::string Prepare() {
    ComputerPlayerClass machine;
    machine.replayBestGame = true;
    machine.database = fixture.database.get();
    EXPECT_TRUE(machine.PrepareGame(anna, 60, 4, 4, false));
    return std::to_string(machine.simulatedTurns.Count()) + " turns, first at " +
           std::to_string(machine.simulatedTurns.Turn(0).Hit(1).hitx);
  }
};

TEST_F(Replay, TheBestWonGameOfTheThreeTypes) {
  const auto turns = [](int count) {
    return std::vector<testing::TurnSpec>(static_cast<std::size_t>(count), {"T20 T20 T20"});
  };
  fixture.AddGame(anna, "constpractice_501dout", 45000, turns(6));
  EXPECT_EQ(Prepare(), "6 turns, first at 101");
  fixture.AddGame(anna, "constpractice_computerBEST", 45001, turns(5));
  EXPECT_EQ(Prepare(), "5 turns, first at 101");
  fixture.AddGame(anna, "const501dout", 45002, turns(5));  // a tie: the first key wins
  fixture.AddGame(anna, "const301dout", 45003, turns(3));  // not a 501 game
  ComputerPlayerClass machine;
  machine.replayBestGame = true;
  machine.database = fixture.database.get();
  machine.PrepareGame(anna, 60, 4, 4, false);
  abfrageAnzahl query = fixture.Query(anna, "const501dout");
  EXPECT_EQ(machine.simulatedTurns.Count(), 5u);
  EXPECT_EQ(query.ShortestWinPositions().substr(0, 7), "101=200");

  ComputerPlayerClass nobody;
  nobody.replayBestGame = true;
  nobody.database = fixture.database.get();
  EXPECT_FALSE(nobody.PrepareGame("{NOBODY}", 60, 4, 4, false));
}

TEST_F(Simulation, AFollowUpGameGetsFreshDarts) {
  ComputerPlayerClass machine;
  machine.simulateChosenAverage = true;
  machine.simulation = &context;
  ASSERT_TRUE(machine.PrepareGame("The Machine", 60, 4, 4, true));
  const auto first = machine.simulatedTurns.Turn(0).Hit(1).hitx * 1000 +
                     machine.simulatedTurns.Turn(0).Hit(1).hity;
  machine.RepeatPrepare();
  const auto second = machine.simulatedTurns.Turn(0).Hit(1).hitx * 1000 +
                      machine.simulatedTurns.Turn(0).Hit(1).hity;
  EXPECT_NE(first, second);
  EXPECT_EQ(machine.targetAverage, 60);
  EXPECT_TRUE(machine.exactAverage);
}

TEST(StrengthTable, ShippedSpreadsMeetTheirAverages) {
  const auto shipped = std::filesystem::path(KORVANTI_SOURCE_DIR) / "data/ki.ini";
  EXPECT_EQ(ReadWholeFile(shipped), std::string(ShippedStrengthTable()));
  UniformRandom random(99);
  SimulationContext context{random, SharedHitMap(), shipped, ""};
  for (const int average : {40, 80, 120}) {
    const double spread = simulateDart::ReadSpread(shipped, average);
    ASSERT_GT(spread, 0) << average;
    EXPECT_NEAR(simulateDart::MeanAverage(context, spread, 1000), average, 2.0) << average;
  }
  for (int average = 24; average <= 161; ++average) {
    EXPECT_GT(simulateDart::ReadSpread(shipped, average), 0) << average;
  }
}

TEST(StrengthTable, ANewProgramFolderGetsIt) {
  TempFolder folder;
  const auto before = std::filesystem::current_path();
  SetUpProgramFolder(folder / "korvanti");
  std::filesystem::current_path(before);
  EXPECT_EQ(ReadWholeFile(folder / "korvanti/ki.ini"), std::string(ShippedStrengthTable()));
}

}  // namespace
}  // namespace korvanti
