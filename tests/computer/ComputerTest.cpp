#include <gtest/gtest.h>

#include <fstream>
#include <stop_token>

#include "StatisticsFixture.h"
#include "computer/ComputerPlayer.h"
#include "computer/DartSimulation.h"
#include "engine/ProgramFolderSetup.h"
#include "engine/ShippedFiles.h"
#include "platform/FileIo.h"

namespace korvanti {
namespace {

const HitMap& SharedHitMap() {
  static const HitMap hitMap;
  return hitMap;
}

constexpr const char* kNoDataForAverage =
    "Keine Spieldaten gefunden! Bitte anderen Schnitt wählen.";
constexpr const char* kNoData =
    "Keine Spieldaten gefunden! Eventuell stehen keine Spieldaten als Basis zur Verfügung.";

BoardPoint FirstDart(const ComputerPlayer& machine) {
  const auto& dart = machine.simulatedTurns.At(0).Hit(1);
  return {dart.hitX, dart.hitY};
}

class Computer : public ::testing::Test {
 protected:
  UniformRandom random{12345};
  TempFolder folder;
  SimulationContext context{random, SharedHitMap(), folder / "ki.ini", folder / "checkout.ini"};
  ComputerPlayer machine;

  void Simulating(bool chosenAverage) {
    machine.simulateChosenAverage = chosenAverage;
    machine.simulateOwnAverage = !chosenAverage;
    machine.simulation = &context;
  }
};

TEST_F(Computer, HandsOutThePreparedDartsTurnByTurnAndThenMisses) {
  EXPECT_TRUE(machine.LoadPositionList("101=200,102=201,103=202,104=203"));
  ASSERT_EQ(machine.simulatedTurns.Count(), 2u);
  EXPECT_EQ(machine.NextDartPosition(3), (BoardPoint{103, 202}));
  machine.turns.AddTurn(Turn());  // one turn booked
  EXPECT_EQ(machine.NextDartPosition(1), (BoardPoint{104, 203}));
  EXPECT_EQ(machine.NextDartPosition(2), (BoardPoint{0, 0}));  // the list ended mid-turn
  machine.turns.AddTurn(Turn());
  EXPECT_EQ(machine.NextDartPosition(1), (BoardPoint{0, 0}));
  EXPECT_EQ(ParsePositionList("5=6,junk,7=8"), (std::vector<BoardPoint>{{5, 6}, {7, 8}}));
  EXPECT_FALSE(machine.LoadPositionList(""));
  EXPECT_EQ(machine.simulatedTurns.Count(), 0u);
}

TEST_F(Computer, AFollowUpGameGetsFreshDartsFromTheKeptValues) {
  Simulating(true);
  std::vector<int> reported;
  const auto progress = [&](int done, int) { reported.push_back(done); };
  ASSERT_EQ(machine.PrepareGame("The Machine", 60, 4, 4, true, progress), std::nullopt);
  ASSERT_FALSE(reported.empty());
  const auto first = FirstDart(machine);
  const auto games = machine.simulatedTurns.Count();
  EXPECT_GE(501.0 / static_cast<double>(games), 56);
  reported.clear();
  ASSERT_EQ(machine.PrepareNextGame(progress), std::nullopt);
  EXPECT_FALSE(reported.empty());
  EXPECT_NE(FirstDart(machine), first);
  EXPECT_EQ(machine.targetAverage, 60);
  EXPECT_TRUE(machine.exactAverage);
}

// "Abbrechen" during an exact search of thousands of games: the search ends
// after the game it is in, and the computer has no darts.
TEST_F(Computer, AStopRequestEndsTheSearchAfterTheCurrentGame) {
  for (const int stopAfter : {0, 3}) {
    Simulating(true);
    std::stop_source stop;
    if (stopAfter == 0) {
      stop.request_stop();
    }
    int played = 0;
    const auto progress = [&](int done, int) {
      played = done;
      if (done == stopAfter) {
        stop.request_stop();
      }
    };
    EXPECT_EQ(machine.PrepareGame("The Machine", 24, 4, 4, true, progress, stop.get_token()),
              kPreparationStopped)
        << stopAfter;
    EXPECT_EQ(played, stopAfter);
    EXPECT_EQ(machine.simulatedTurns.Count(), 0u);
  }
}

// Each mode says why it found no darts; an own average of 0 (no games) needs
// no search to know.
TEST_F(Computer, NoDartsComeBackAsTheMessageOfTheMode) {
  Simulating(true);
  std::ofstream(context.strengthFile) << "[AvgListBig]\n61=1.75\n";
  EXPECT_EQ(machine.PrepareGame("The Machine", 60, 4, 4, false), kNoDataForAverage);
  Simulating(false);
  int played = 0;
  EXPECT_EQ(machine.PrepareGame("{ANNA}", 0, 4, 4, true, [&](int done, int) { played = done; }),
            kNoData);
  EXPECT_EQ(played, 0);
  EXPECT_EQ(machine.simulatedTurns.Count(), 0u);

  std::ofstream table(context.checkoutFile);
  table << "[DO3]\n";
  for (int rest = 2; rest <= 170; ++rest)
    table << rest << "=T20\n";
  table.close();
  EXPECT_EQ(machine.PrepareGame("{ANNA}", 60, 4, 4, true), kNoData);
}

// A missing or broken strength table is named, not blamed on the average.
TEST_F(Computer, AMissingOrBrokenStrengthTableIsNamed) {
  struct Case {
    const char* content;  // nullptr: no file
    const char* message;
  };
  const Case cases[] = {
      {nullptr, "\" fehlt."},
      {"", "ist beschädigt"},
      {"[AvgListBig]\n60=abc\n61=-1\n\xFF\xFE garbage", "ist beschädigt"},
  };
  Simulating(true);
  for (const auto& c : cases) {
    std::filesystem::remove(context.strengthFile);
    if (c.content) {
      std::ofstream(context.strengthFile, std::ios::binary) << c.content;
    }
    const auto message = machine.PrepareGame("The Machine", 60, 4, 4, false).value_or("");
    EXPECT_NE(message.find("Die Stärketabelle \"" + context.strengthFile.string()),
              std::string::npos)
        << message;
    EXPECT_NE(message.find(c.message), std::string::npos) << message;
  }
}

class Replay : public ::testing::Test {
 protected:
  testing::StatisticsFixture fixture;
  std::string anna = fixture.AddPlayer("Anna");

  std::string Prepare() {
    ComputerPlayer machine;
    machine.replayBestGame = true;
    machine.database = fixture.database.get();
    EXPECT_EQ(machine.PrepareGame(anna, 60, 4, 4, false), std::nullopt);
    return std::to_string(machine.simulatedTurns.Count()) + " turns, first at " +
           std::to_string(machine.simulatedTurns.At(0).Hit(1).hitX);
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
  ComputerPlayer machine;
  machine.replayBestGame = true;
  machine.database = fixture.database.get();
  machine.PrepareGame(anna, 60, 4, 4, false);
  StatisticsQuery query = fixture.Query(anna, "const501dout");
  EXPECT_EQ(machine.simulatedTurns.Count(), 5u);
  EXPECT_EQ(query.ShortestWinPositions().substr(0, 7), "101=200");

  ComputerPlayer nobody;
  nobody.replayBestGame = true;
  nobody.database = fixture.database.get();
  EXPECT_EQ(nobody.PrepareGame("{NOBODY}", 60, 4, 4, false), kNoData);
}

TEST(StrengthTable, ShippedSpreadsMeetTheirAverages) {
  const auto shipped = std::filesystem::path(KORVANTI_SOURCE_DIR) / "data/ki.ini";
  EXPECT_EQ(ReadWholeFile(shipped), std::string(ShippedStrengthTable()));
  UniformRandom random(99);
  SimulationContext context{random, SharedHitMap(), shipped, ""};
  for (const int average : {40, 80, 120}) {
    const double spread = DartSimulation::ReadSpread(shipped, average);
    ASSERT_GT(spread, 0) << average;
    EXPECT_NEAR(DartSimulation::MeanAverage(context, spread, 1000), average, 2.0) << average;
  }
  for (int average = 24; average <= 161; ++average) {
    EXPECT_GT(DartSimulation::ReadSpread(shipped, average), 0) << average;
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
