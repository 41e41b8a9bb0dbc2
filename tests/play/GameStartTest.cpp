#include <functional>

#include "StartFixture.h"
#include "engine/CheckoutGame.h"
#include "engine/CricketGame.h"
#include "engine/DesignedTraining.h"
#include "engine/LevelTraining.h"
#include "engine/SegmentTrainings.h"

namespace korvanti {
namespace {

using testing::GameStartTest;

constexpr const char* kNoData =
    "Keine Spieldaten gefunden! Eventuell stehen keine Spieldaten als Basis zur Verfügung.";

std::vector<std::string> Nicknames(const Game& game) {
  std::vector<std::string> nicknames;
  for (const auto* player : game.players) {
    nicknames.push_back(player->nickname);
  }
  return nicknames;
}

// The players come in the order asked, named from the archive; the session
// takes the check boxes and the settings.
TEST_F(GameStartTest, ACountDownGameWithItsPlayersAndSettings) {
  settings.masterOut = true;
  settings.showPoints = false;
  settings.secondsForPoints = 4;
  settings.playSounds = true;
  settings.showSummary = false;
  settings.fullScreen = true;
  auto request = Request(4, {"{BEN}", "{ANNA}"});
  request.aimInput = true;
  request.quickCheckIn = false;
  request.players[0].referenceAverage = 61.5;
  const auto started = Started(Build(request));

  const auto& game = started.PlayedGame();
  EXPECT_EQ(started.Panel(), ModePanel::CountDown);
  EXPECT_EQ(started.Entry().index, 4);
  EXPECT_EQ(Nicknames(game), (std::vector<std::string>{"Benno", "Anni"}));
  EXPECT_EQ(game.players.At(0).playerId, "{BEN}");
  EXPECT_EQ(game.players.At(0).referenceAverage, 61.5);
  EXPECT_TRUE(game.masterOut);
  EXPECT_EQ(game.gameTypeKey, "const501dout");     // InitGameType ran
  EXPECT_EQ(game.players.At(1).turns.score, 501);  // NewGame ran
  EXPECT_EQ(game.Archive(), &archive);
  EXPECT_EQ(started.Computer(), nullptr);
  const auto& session = started.Session();
  EXPECT_FALSE(session.quickCheckIn);
  EXPECT_TRUE(session.aimInput);
  EXPECT_FALSE(session.showPoints);
  EXPECT_EQ(session.secondsForPoints, 4);
  EXPECT_TRUE(session.playSounds);
  EXPECT_FALSE(session.showSummary);
  EXPECT_TRUE(session.fullScreen);
}

struct Case {
  int gameIndex;
  ModePanel panel;
  std::function<void(StartRequest&)> change;
  std::function<void(Game&)> check;
};

TEST_F(GameStartTest, EachEntryGetsItsOptions) {
  settings.masterOut = true;
  const Case cases[] = {
      {3, ModePanel::CountDown, [](StartRequest&) {},
       [](Game& game) { EXPECT_TRUE(game.masterOut); }},
      {1, ModePanel::CountDown, [](StartRequest&) {},
       [](Game& game) { EXPECT_FALSE(game.masterOut); }},
      {30, ModePanel::CountDown,
       [](StartRequest& r) {
         r.options.doubleIn = true;
         r.options.doubleOut = false;
       },
       [](Game& game) {
         EXPECT_TRUE(game.doubleIn);
         EXPECT_FALSE(game.doubleOut);
       }},
      {8, ModePanel::Cricket, [](StartRequest&) {},
       [](Game& game) { EXPECT_TRUE(dynamic_cast<MasterCricketGame&>(game).cutThroat); }},
      {5, ModePanel::Cricket, [](StartRequest&) {},
       [](Game& game) { EXPECT_FALSE(dynamic_cast<CricketGame&>(game).cutThroat); }},
      {24, ModePanel::Target,
       [](StartRequest& r) {
         r.options.chosenDouble = "D5";
         r.options.trainingRounds = 2;
       },
       [](Game& game) {
         auto& training = dynamic_cast<DoubleTraining&>(game);
         EXPECT_EQ(training.definition, "D5=3");
         EXPECT_EQ(training.trainingRounds, 2);
         EXPECT_TRUE(training.ignoreMisses);
       }},
      {28, ModePanel::Target, [](StartRequest& r) { r.options.trainingRounds = 7; },
       [](Game& game) {
         auto& training = dynamic_cast<FreeThrowTraining&>(game);
         EXPECT_EQ(training.trainingRounds, 7);
         EXPECT_FALSE(training.ignoreMisses);
       }},
      {26, ModePanel::CountDown,
       [](StartRequest& r) {
         r.options.checkoutStart = 101;
         r.options.stepUp = 5;
         r.options.stepDown = 2;
       },
       [](Game& game) {
         auto& checkout = dynamic_cast<CheckoutGame&>(game);
         EXPECT_EQ(checkout.attempt->startScore, 101);
         EXPECT_EQ(checkout.stepUp, 5);
         EXPECT_EQ(checkout.stepDown, 2);
         EXPECT_FALSE(checkout.oneTurn);  // "Immer auf 0" is on
         EXPECT_TRUE(checkout.masterOut);
       }},
      {27, ModePanel::Target,
       [](StartRequest& r) {
         r.options.startLevel = 3;
         r.options.maxLevel = 5;
       },
       [](Game& game) {
         auto& pirmel = dynamic_cast<LevelTraining&>(game);
         EXPECT_EQ(pirmel.level, 3);
         EXPECT_EQ(pirmel.maxLevel, 5);
       }},
      {29, ModePanel::Target, [](StartRequest& r) { r.options.training = "Kurz"; },
       [](Game& game) {
         auto& free = dynamic_cast<DesignedTraining&>(game);
         EXPECT_EQ(free.definition, "T20=1,D16=2");
         EXPECT_EQ(free.trainingRounds, 2);
         EXPECT_FALSE(free.closeAll);
         EXPECT_TRUE(free.closeInOne);
       }},
  };
  for (const auto& c : cases) {
    auto request = Request(c.gameIndex);
    c.change(request);
    auto started = Started(Build(request));
    EXPECT_EQ(started.Panel(), c.panel) << c.gameIndex;
    EXPECT_EQ(started.PlayedGame().gameTypeKey, FindCatalogEntry(c.gameIndex)->gameTypeKey)
        << c.gameIndex;
    c.check(started.PlayedGame());
  }
}

TEST_F(GameStartTest, WithoutAnArchiveThePlayersKeepTheirNicknames) {
  environment.archive = nullptr;
  auto request = Request(1, {"", "{BEN}"});
  request.players[0].nickname = "Gast";
  const auto started = Started(Build(request));
  EXPECT_EQ(Nicknames(started.PlayedGame()), (std::vector<std::string>{"Gast", "Gast {BEN}"}));
  EXPECT_EQ(started.PlayedGame().Archive(), nullptr);
}

// The computer plays last, at the chosen average, with darts prepared.
TEST_F(GameStartTest, AgainstTheComputerAtTheChosenAverage) {
  auto request = Request(12);
  request.computer.chosenAverage = 60;
  request.computer.exact = true;
  request.computer.secondsPerDart = 3;
  int reports = 0;
  auto started = Started(StartGame(request, settings, environment, [&](int, int) { ++reports; }));
  EXPECT_GT(reports, 0);
  EXPECT_EQ(Nicknames(started.PlayedGame()), (std::vector<std::string>{"Anni", "The Machine"}));
  auto* machine = started.Computer();
  ASSERT_NE(machine, nullptr);
  EXPECT_EQ(&started.PlayedGame().players.At(1), machine);
  EXPECT_TRUE(machine->simulateChosenAverage);
  EXPECT_EQ(machine->targetAverage, 60);
  EXPECT_EQ(machine->referenceAverage, 60);
  EXPECT_EQ(machine->secondsPerDart, 3);
  EXPECT_GT(machine->simulatedTurns.Count(), 0u);
  EXPECT_FALSE(started.PreparationReadsDatabase());
  // The next game of the series reuses the start's simulation.
  EXPECT_EQ(machine->PrepareNextGame({}), std::nullopt);
}

TEST_F(GameStartTest, AgainstTheOwnAverageAlwaysExactAndRoundedHalfToEven) {
  auto request = Request(14);
  request.players[0].referenceAverage501 = 56.5;
  auto built = Started(Build(request));
  auto* machine = built.Computer();
  ASSERT_NE(machine, nullptr);
  EXPECT_TRUE(machine->simulateOwnAverage);
  EXPECT_TRUE(machine->exactAverage);
  EXPECT_EQ(machine->targetAverage, 56);
  EXPECT_EQ(machine->referencePlayerId, "{ANNA}");
  EXPECT_EQ(machine->simulatedTurns.Count(), 0u);  // built, not yet prepared
  EXPECT_EQ(built.PrepareComputer(), std::nullopt);
  EXPECT_GT(machine->simulatedTurns.Count(), 0u);
}

TEST_F(GameStartTest, NoComputerDataRefusesTheStart) {
  const auto best = StartGame(Request(15), settings, environment);  // no database to replay from
  ASSERT_TRUE(std::holds_alternative<StartRefusal>(best));
  EXPECT_EQ(std::get<StartRefusal>(best).reason, StartRefusal::Reason::NoComputerData);
  EXPECT_EQ(std::get<StartRefusal>(best).message, kNoData);

  // Without ki.ini the message names the missing strength table, not the average.
  const auto chosen = StartGame(Request(12), settings, environment);
  ASSERT_TRUE(std::holds_alternative<StartRefusal>(chosen));
  const auto& message = std::get<StartRefusal>(chosen).message;
  EXPECT_TRUE(message.starts_with("Die Stärketabelle \"")) << message;
  EXPECT_NE(message.find("ki.ini\" fehlt."), std::string::npos) << message;

  const auto built = Started(Build(Request(15)));
  EXPECT_TRUE(built.PreparationReadsDatabase());
}

}  // namespace
}  // namespace korvanti
