#include "store/AimedDarts.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "AimedGame.h"
#include "TempFolder.h"
#include "store/Database.h"

namespace korvanti::testing {
namespace {

// The newest turns are the newest games' turns with darts that may be aimed:
// turns typed in without positions do not use up the count.
TEST(AimedDarts, TheNewestTurnsSkipTurnsWithoutAimsAndStopAtTheCount) {
  TempFolder folder;
  auto database = Database::OpenFile(folder / "dart.mdb");
  Recorder recorder(*database);
  const auto player = recorder.AppendPlayer("Anna", "", "Anna");
  AppendAimedGame(recorder, player, {"const501dout", 100, "T20", 10});
  AppendAimedGame(recorder, player, {"constcricket", 200, "T19", 10});
  const auto typed = NewGuidString();
  for (int k = 0; k < 5; ++k) {
    Turn turn;
    turn.turnId = NewGuidString();
    for (int n = 1; n <= 3; ++n) {
      turn.Hit(n).hit = "T20";
    }
    recorder.AppendThrow(turn, typed, player);
  }
  recorder.AppendGame(typed, "const501dout", 300, NewGuidString());

  const auto atT19 = *AimPointFor("T19");
  const auto countAtT19 = [&](const std::vector<AimedDart>& darts) {
    return std::count_if(darts.begin(), darts.end(),
                         [&](const AimedDart& dart) { return dart.aim == atT19; });
  };
  AimedDartSelection selection{player, "", 0, 1000};
  EXPECT_EQ(LoadAimedDarts(*database, selection).size(), 60u);
  selection.newestTurns = 12;
  const auto newest = LoadAimedDarts(*database, selection);
  EXPECT_EQ(newest.size(), 36u);
  EXPECT_EQ(countAtT19(newest), 30);
  selection.gameTypeKey = "const501dout";
  EXPECT_EQ(LoadAimedDarts(*database, selection).size(), 30u);  // only ten turns of the type
}

}  // namespace
}  // namespace korvanti::testing
