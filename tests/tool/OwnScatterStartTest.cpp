#include <gtest/gtest.h>

#include <cmath>

#include "SampleData.h"
#include "TempFolder.h"
#include "engine/HitMap.h"
#include "play/GameStart.h"
#include "play/OwnScatter.h"
#include "store/Database.h"
#include "store/DatabaseArchive.h"
#include "store/Recorder.h"

namespace korvanti {
namespace {

// "501 gegen eigenen Schnitt" with "Streuung aus meinen Würfen": a player
// with a few hundred aimed darts gets a computer throwing like him, a new
// player none.
TEST(OwnScatterStart, TheComputerThrowsWithTheFitOrTheStartIsRefused) {
  TempFolder folder;
  auto database = Database::OpenFile(folder / "dart.mdb");
  SampleDataPlan plan;
  plan.players = 1;
  plan.days = 2;
  SeedSampleData(*database, plan);
  const auto thrower = *DatabaseArchive(*database).FindPlayerIdByNickname("Spieler 1");
  const auto newcomer = Recorder(*database).AppendPlayer("Neu", "Ling", "Neuling");

  const HitMap hitMap;
  UniformRandom random(3);
  const StartEnvironment environment{hitMap, random, folder.Path(), database.get(), nullptr};
  const auto& entry = *FindCatalogEntry(14);
  EXPECT_EQ(OwnScatterUnavailable(&entry, database.get(), thrower), std::nullopt);
  EXPECT_EQ(OwnScatterUnavailable(&entry, database.get(), newcomer),
            "Zu wenige Würfe mit Ziel: 0 von 100");
  EXPECT_EQ(OwnScatterUnavailable(FindCatalogEntry(4), database.get(), thrower),
            "Nur für \"501 gegen eigenen Schnitt\".");
  EXPECT_EQ(OwnScatterUnavailable(nullptr, database.get(), thrower),
            "Nur für \"501 gegen eigenen Schnitt\".");

  StartRequest request;
  request.game = &entry;
  request.players.push_back({thrower, "Spieler 1", 0, 45.0});
  request.computer.scatterFromOwnDarts = true;
  auto started = StartGame(request, ProgramOptions{}, environment);
  ASSERT_TRUE(std::holds_alternative<StartedGame>(started))
      << std::get<StartRefusal>(started).message;
  const auto* computer = std::get<StartedGame>(started).Computer();
  ASSERT_TRUE(computer->ownScatter);
  // The seeded player throws with a round 12-pixel spread.
  EXPECT_NEAR(std::sqrt(computer->ownScatter->covariance.xx), 12, 1.5);
  EXPECT_GT(computer->simulatedTurns.Count(), 0u);
  EXPECT_EQ(std::get<StartedGame>(started).PlayedGame().gameTypeKey, "constpractice_computerAVG");

  request.players.front() = {newcomer, "Neuling", 0, 45.0};
  const auto refused = StartGame(request, ProgramOptions{}, environment);
  ASSERT_TRUE(std::holds_alternative<StartRefusal>(refused));
  EXPECT_EQ(std::get<StartRefusal>(refused).reason, StartRefusal::Reason::NoComputerData);
  EXPECT_EQ(std::get<StartRefusal>(refused).message, "Zu wenige Würfe mit Ziel: 0 von 100");
}

}  // namespace
}  // namespace korvanti
