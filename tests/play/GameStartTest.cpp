#include <functional>

#include "StartFixture.h"
#include "engine/CheckoutGame.h"
#include "engine/CricketGame.h"
#include "engine/FreePractice.h"
#include "engine/PirmelPractice.h"
#include "engine/SegmentTrainings.h"

namespace korvanti {
namespace {

using testing::GameStartTest;

constexpr const char* kNoData =
    "Keine Spieldaten gefunden! Eventuell stehen keine Spieldaten als Basis zur Verfügung.";

std::vector<std::string> Nicknames(const BaseGameClass& game) {
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
  auto request = Request(4, {"{BEN}", "{ANNA}"});
  request.aimInput = true;
  request.quickCheckIn = false;
  request.players[0].refvalue = 61.5;
  const auto started = Started(Build(request));

  const auto& game = started.Game();
  EXPECT_EQ(started.Panel(), ModePanel::CountDown);
  EXPECT_EQ(started.Entry().index, 4);
  EXPECT_EQ(Nicknames(game), (std::vector<std::string>{"Benno", "Anni"}));
  EXPECT_EQ(game.players.Player(0).playerid, "{BEN}");
  EXPECT_EQ(game.players.Player(0).refvalue, 61.5);
  EXPECT_TRUE(game.masterout);
  EXPECT_EQ(game.gametypesid, "const501dout");         // InitGameType ran
  EXPECT_EQ(game.players.Player(1).turns.score, 501);  // NewGame ran
  EXPECT_EQ(game.Archive(), &archive);
  EXPECT_EQ(started.Computer(), nullptr);
  const auto& session = started.Session();
  EXPECT_FALSE(session.quickCheckIn);
  EXPECT_TRUE(session.aimInput);
  EXPECT_FALSE(session.showPoints);
  EXPECT_EQ(session.secondsForPoints, 4);
  EXPECT_TRUE(session.playSounds);
  EXPECT_FALSE(session.showSummary);
}

struct Case {
  int gameIndex;
  ModePanel panel;
  std::function<void(StartRequest&)> change;
  std::function<void(BaseGameClass&)> check;
};

TEST_F(GameStartTest, EachEntryGetsItsOptions) {
  settings.masterOut = true;
  const Case cases[] = {
      {3, ModePanel::CountDown, [](StartRequest&) {},
       [](BaseGameClass& game) { EXPECT_TRUE(game.masterout); }},
      {1, ModePanel::CountDown, [](StartRequest&) {},
       [](BaseGameClass& game) { EXPECT_FALSE(game.masterout); }},
      {30, ModePanel::CountDown,
       [](StartRequest& r) {
         r.options.doubleIn = true;
         r.options.doubleOut = false;
       },
       [](BaseGameClass& game) {
         EXPECT_TRUE(game.doublein);
         EXPECT_FALSE(game.doubleout);
       }},
      {8, ModePanel::Cricket, [](StartRequest&) {},
       [](BaseGameClass& game) { EXPECT_TRUE(dynamic_cast<CricketGameMaster&>(game).cutthroat); }},
      {5, ModePanel::Cricket, [](StartRequest&) {},
       [](BaseGameClass& game) { EXPECT_FALSE(dynamic_cast<CricketGame&>(game).cutthroat); }},
      {24, ModePanel::Target,
       [](StartRequest& r) {
         r.options.chosenDouble = "D5";
         r.options.trainingRounds = 2;
       },
       [](BaseGameClass& game) {
         auto& training = dynamic_cast<Segment_D&>(game);
         EXPECT_EQ(training.definition, "D5=3");
         EXPECT_EQ(training.trainingrounds, 2);
         EXPECT_TRUE(training.ignoremisses);
       }},
      {28, ModePanel::Target, [](StartRequest& r) { r.options.trainingRounds = 7; },
       [](BaseGameClass& game) {
         auto& training = dynamic_cast<SelfPractice&>(game);
         EXPECT_EQ(training.trainingrounds, 7);
         EXPECT_FALSE(training.ignoremisses);
       }},
      {26, ModePanel::CountDown,
       [](StartRequest& r) {
         r.options.checkoutStart = 101;
         r.options.stepUp = 5;
         r.options.stepDown = 2;
       },
       [](BaseGameClass& game) {
         auto& checkout = dynamic_cast<CheckoutgamePractice&>(game);
         EXPECT_EQ(checkout.attempt->startscore, 101);
         EXPECT_EQ(checkout.stepup, 5);
         EXPECT_EQ(checkout.stepdown, 2);
         EXPECT_FALSE(checkout.oneturn);  // "Immer auf 0" is on
         EXPECT_TRUE(checkout.masterout);
       }},
      {27, ModePanel::Target,
       [](StartRequest& r) {
         r.options.startLevel = 3;
         r.options.maxLevel = 5;
       },
       [](BaseGameClass& game) {
         auto& pirmel = dynamic_cast<PirmelPractice&>(game);
         EXPECT_EQ(pirmel.level, 3);
         EXPECT_EQ(pirmel.maxlevel, 5);
       }},
      {29, ModePanel::Target, [](StartRequest& r) { r.options.training = "Kurz"; },
       [](BaseGameClass& game) {
         auto& free = dynamic_cast<FreePractice&>(game);
         EXPECT_EQ(free.definition, "T20=1,D16=2");
         EXPECT_EQ(free.trainingrounds, 2);
         EXPECT_FALSE(free.closeall);
         EXPECT_TRUE(free.closeinone);
       }},
  };
  for (const auto& c : cases) {
    auto request = Request(c.gameIndex);
    c.change(request);
    auto started = Started(Build(request));
    EXPECT_EQ(started.Panel(), c.panel) << c.gameIndex;
    EXPECT_EQ(started.Game().gametypesid, FindCatalogEntry(c.gameIndex)->gameTypeKey)
        << c.gameIndex;
    c.check(started.Game());
  }
}

TEST_F(GameStartTest, WithoutAnArchiveThePlayersKeepTheirNicknames) {
  environment.archive = nullptr;
  auto request = Request(1, {"", "{BEN}"});
  request.players[0].nickname = "Gast";
  const auto started = Started(Build(request));
  EXPECT_EQ(Nicknames(started.Game()), (std::vector<std::string>{"Gast", "Gast {BEN}"}));
  EXPECT_EQ(started.Game().Archive(), nullptr);
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
  EXPECT_EQ(Nicknames(started.Game()), (std::vector<std::string>{"Anni", "The Machine"}));
  auto* machine = started.Computer();
  ASSERT_NE(machine, nullptr);
  EXPECT_EQ(&started.Game().players.Player(1), machine);
  EXPECT_TRUE(machine->simulateChosenAverage);
  EXPECT_EQ(machine->targetAverage, 60);
  EXPECT_EQ(machine->refvalue, 60);
  EXPECT_EQ(machine->secondsPerDart, 3);
  EXPECT_GT(machine->simulatedTurns.Count(), 0u);
  EXPECT_FALSE(started.PreparationReadsDatabase());
  // The next game of the series reuses the start's simulation.
  EXPECT_EQ(machine->PrepareNextGame({}), std::nullopt);
}

TEST_F(GameStartTest, AgainstTheOwnAverageAlwaysExactAndRoundedHalfToEven) {
  auto request = Request(14);
  request.players[0].refvalue501 = 56.5;
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
