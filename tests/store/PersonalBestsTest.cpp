// Personal bests read back from stored trainings.
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "store/Database.h"
#include "store/DatabaseArchive.h"
#include "store/PersonalBests.h"
#include "store/Recorder.h"

namespace korvanti {
namespace {

class PersonalBests : public ::testing::Test {
 protected:
  PersonalBests() : database(Database::OpenFile(folder / "dart.mdb")), archive(*database) {
    anna = Recorder(*database).AppendPlayer("", "", "Anna");
    ben = Recorder(*database).AppendPlayer("", "", "Ben");
  }

  // A training of the type on day `day` with Anna's result (none: aborted) and Ben's.
  std::string Store(const char* type, double day, std::optional<int> annasResult,
                    std::optional<int> bensResult = std::nullopt) {
    GameRecord game;
    game.gameId = "{game" + std::to_string(++games) + "}";
    game.gameTypeKey = type;
    game.datetime = day;
    game.winningTurnId = annasResult ? "{turn}" : "";
    game.players.push_back({anna, {}, 0, 0, annasResult, std::nullopt});
    game.players.push_back({ben, {}, 0, 0, bensResult, std::nullopt});
    archive.StoreGame(game);
    return game.gameId;
  }

  PersonalBest Read(const char* type, BetterResult order, std::string leaveOut = {}) {
    return ReadPersonalBest(*database, {anna, type, order, 0, 1e9, std::move(leaveOut)});
  }

  TempFolder folder;
  std::unique_ptr<Database> database;
  DatabaseArchive archive;
  std::string anna;
  std::string ben;
  int games = 0;
};

TEST_F(PersonalBests, BestFirstReachedAverageOfTheLastTenAndAbortedTrainingsLeftOut) {
  const int results[] = {300, 287, 312, 250, 312, 100, 200, 200, 200, 200, 200, 200};
  for (int day = 0; day < 12; ++day) {
    Store("consthalveit", 46000 + day, results[day], 999 - day);
  }
  Store("consthalveit", 46020, std::nullopt, 5);  // aborted: no result
  Store("constbobs27", 46021, 1000);              // another type

  const auto halveIt = Read("consthalveit", BetterResult::Higher);
  EXPECT_EQ(halveIt.trainings, 12);
  EXPECT_EQ(halveIt.best, 312);
  EXPECT_EQ(halveIt.bestDate, 46002);  // the first of the two 312
  ASSERT_TRUE(halveIt.recent);
  EXPECT_DOUBLE_EQ(*halveIt.recent, (312 + 250 + 312 + 100 + 6 * 200) / 10.0);

  // Fewer is better: the 100.
  EXPECT_EQ(Read("consthalveit", BetterResult::Lower).best, 100);
  const auto none = Read("constcatch40", BetterResult::Higher);
  EXPECT_EQ(none.trainings, 0);
  EXPECT_FALSE(none.best || none.recent);

  // The archive's earlier best leaves out the game just stored.
  const auto latest = Store("consthalveit", 46030, 400);
  EXPECT_EQ(archive.EarlierBest(anna, "consthalveit", BetterResult::Higher, latest), 312);
  EXPECT_EQ(archive.EarlierBest(anna, "consthalveit", BetterResult::Higher, ""), 400);
  EXPECT_EQ(ReadTrainingResult(*database, latest, anna), 400);
  EXPECT_EQ(ReadTrainingResult(*database, latest, ben), std::nullopt);
}

}  // namespace
}  // namespace korvanti
