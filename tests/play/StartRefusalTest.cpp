#include <functional>

#include "StartFixture.h"

namespace korvanti {
namespace {

using testing::GameStartTest;

struct Refusal {
  const char* what;
  int gameIndex;
  std::function<void(StartRequest&)> change;
  std::string message;
};

const std::string kRounds = "Die Anzahl der Runden pro Zahl muss zwischen 1 und 100 liegen.";
const std::string kDouble = "Bitte ein Doppel von D1 bis D20 wählen.";
const std::string kCheckout = "Der Startwert des Checkout Spiels muss zwischen 2 und 170 liegen.";

const Refusal kRefusals[] = {
    {"no entry", -1, [](StartRequest&) {}, "Bitte zuerst ein Spiel auswählen."},
    {"no player", 4, [](StartRequest& r) { r.players.clear(); },
     "Bitte zuerst einen Spieler auswählen."},
    {"two for cricket training", 16,
     [](StartRequest& r) {
       r.players.push_back({"{BEN}", "Ben"});
     },
     "Nur ein Spieler erlaubt."},
    {"two against the computer", 12,
     [](StartRequest& r) {
       r.players.push_back({"{BEN}", "Ben"});
     },
     "Nur ein Spieler erlaubt."},
    {"no rounds", 18, [](StartRequest& r) { r.options.trainingRounds = 0; }, kRounds},
    {"too many rounds", 28, [](StartRequest& r) { r.options.trainingRounds = 101; }, kRounds},
    {"D21", 24, [](StartRequest& r) { r.options.chosenDouble = "D21"; }, kDouble},
    {"a treble", 24, [](StartRequest& r) { r.options.chosenDouble = "T20"; }, kDouble},
    {"D05", 24, [](StartRequest& r) { r.options.chosenDouble = "D05"; }, kDouble},
    {"bull", 24, [](StartRequest& r) { r.options.chosenDouble = "D25"; }, kDouble},
    {"checkout 1", 26, [](StartRequest& r) { r.options.checkoutStart = 1; }, kCheckout},
    {"checkout 171", 26, [](StartRequest& r) { r.options.checkoutStart = 171; }, kCheckout},
    {"no step up", 26, [](StartRequest& r) { r.options.stepUp = 0; },
     "Der Wert zum Hochsetzen muss zwischen 1 und 100 liegen."},
    {"step down 21", 26, [](StartRequest& r) { r.options.stepDown = 21; },
     "Der Wert zum Runtersetzen muss zwischen 1 und 20 liegen."},
    {"level 9", 27, [](StartRequest& r) { r.options.startLevel = 9; },
     "Die Startstufe muss zwischen 1 und 8 liegen."},
    {"above the maximum", 27,
     [](StartRequest& r) {
       r.options.maxLevel = 3;
       r.options.startLevel = 4;
     },
     "Die Startstufe muss zwischen 1 und 3 liegen."},
    {"maximum 0", 27, [](StartRequest& r) { r.options.maxLevel = 0; },
     "Die maximale Stufe muss zwischen 1 und 8 liegen."},
    {"no training chosen", 29, [](StartRequest&) {}, "Bitte zuerst ein Training auswählen."},
    {"training missing", 29, [](StartRequest& r) { r.options.training = "Fehlt"; },
     "Das Training \"Fehlt\" gibt es nicht."},
    {"training without targets", 29, [](StartRequest& r) { r.options.training = "Leer"; },
     "Das Training \"Leer\" hat keine Ziele."},
    {"training without rounds", 29, [](StartRequest& r) { r.options.training = "Zuviel"; },
     "Die Anzahl der Runden muss zwischen 1 und 100 liegen."},
    {"unknown field", 29, [](StartRequest& r) { r.options.training = "Falsch"; },
     "Unbekanntes Feld \"Q7\" im Training \"Falsch\"."},
    {"average 23", 12, [](StartRequest& r) { r.computer.chosenAverage = 23; },
     "Der Computerschnitt muss zwischen 24 und 161 liegen."},
    {"average 162", 12, [](StartRequest& r) { r.computer.chosenAverage = 162; },
     "Der Computerschnitt muss zwischen 24 und 161 liegen."},
    {"slow darts", 14, [](StartRequest& r) { r.computer.secondsPerDart = 181; },
     "Die Sekunden pro Dart müssen zwischen 0 und 180 liegen."},
    {"tolerance", 15, [](StartRequest& r) { r.computer.toleranceDown = 21; },
     "Die Abweichung muss zwischen 4 und 20 liegen."},
};

// Refused before anything is made: no game, no names looked up, no darts simulated.
TEST_F(GameStartTest, NonsenseIsRefusedWithItsMessage) {
  for (const auto& refusal : kRefusals) {
    auto request = Request(refusal.gameIndex);
    refusal.change(request);
    EXPECT_EQ(StartProblem(request, environment), refusal.message) << refusal.what;
    int reports = 0;
    const auto result = StartGame(request, settings, environment, [&](int, int) { ++reports; });
    const auto* refused = std::get_if<StartRefusal>(&result);
    ASSERT_NE(refused, nullptr) << refusal.what;
    EXPECT_EQ(refused->reason, StartRefusal::Reason::Input) << refusal.what;
    EXPECT_EQ(refused->message, refusal.message) << refusal.what;
    EXPECT_EQ(reports, 0) << refusal.what;
  }
}

// An option an entry does not take cannot stop it; several players may
// play a segment training.
TEST_F(GameStartTest, OptionsOfOtherEntriesAreNotLookedAt) {
  for (const int gameIndex : {4, 18, 26, 30}) {
    auto request = Request(gameIndex, {"{ANNA}", "{BEN}"});
    request.options.startLevel = 9;
    request.options.chosenDouble = "X";
    request.computer.chosenAverage = 0;
    if (gameIndex != 18) {
      request.options.trainingRounds = 0;
    }
    if (gameIndex != 26) {
      request.options.checkoutStart = 0;
    }
    EXPECT_EQ(StartProblem(request, environment), std::nullopt) << gameIndex;
  }
}

}  // namespace
}  // namespace korvanti
