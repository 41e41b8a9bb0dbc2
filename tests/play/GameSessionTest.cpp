#include "SessionFixture.h"
#include "engine/CricketGame.h"
#include "engine/Elimination.h"
#include "engine/RoundTheBoard.h"
#include "platform/Error.h"
#include "play/Announcements.h"

namespace korvanti {
namespace {

using testing::Session;

TEST_F(Session, QuickCheckInBooksTheThirdDartAtOnce) {
  Begin<Game501DoubleOut>();
  Hits({"T20", "T20"});
  EXPECT_EQ(game->currentPlayer, 0);
  Hit("T20");
  EXPECT_EQ(game->currentPlayer, 1);
  EXPECT_EQ(PlayerAt(0).turns.score, 321);
  EXPECT_TRUE(view.Saw("banner 180 Punkte, Rest: 321 1000"));
  EXPECT_TRUE(view.calls.empty());  // sounds and the caller are off
  EXPECT_EQ(session->HitFields(), (std::array<std::string, 3>{"", "", ""}));
}

TEST_F(Session, BustDartBooksTheTurnAtOnce) {
  SessionOptions options;
  options.playSounds = true;
  options.secondsForPoints = 3;
  Begin<Game501DoubleOut>(options);
  PlayerAt(0).turns.score = 32;
  Hit("T20");
  EXPECT_EQ(game->currentPlayer, 1);
  EXPECT_EQ(PlayerAt(0).turns.score, 32);
  EXPECT_EQ(view.calls, (std::vector<Call>{{"0.mp3", "Überworfen"}}));
  EXPECT_TRUE(view.Saw("banner 0 Punkte, Rest: 32 3000"));
}

TEST_F(Session, FinishingDartEndsTheGameWithTheSummary) {
  SessionOptions options;
  options.playSounds = true;
  Begin<Game501DoubleOut>(options);
  PlayerAt(0).turns.score = 40;
  view.answers = {false};
  Hit("D20");
  EXPECT_EQ(view.calls, (std::vector<Call>{{"Gewonnen.mp3", "Gewonnen"}}));
  EXPECT_TRUE(view.Saw("banner 40 Punkte, Rest: 0 1000"));
  ASSERT_EQ(view.summaries.size(), 1u);
  EXPECT_EQ(view.summaries[0].caption, "1 Spiele durchgeführt");
  EXPECT_EQ(view.summaries[0].gameOverText, "Game over. The Winner is: Anna after 1 rounds");
  EXPECT_EQ(view.summaries[0].rows[0].player, "Anna (1)");
  EXPECT_EQ(view.closed, std::vector<SessionResult>{SessionResult::OK});
  ASSERT_EQ(archive.games.size(), 1u);
  EXPECT_EQ(PlayerAt(0).legAverages, std::vector<std::string>{"40,0"});
}

TEST_F(Session, WithoutSummaryTheEndIsAPlainQuestion) {
  SessionOptions options;
  options.showSummary = false;
  Begin<Game501DoubleOut>(options, {"Anna"});
  PlayerAt(0).turns.score = 40;
  Hit("D20");
  EXPECT_TRUE(view.Saw("question Game over after 1 rounds\nSpiel fortsetzten?"));
}

TEST_F(Session, CompleteTurnWaitsForItsAims) {
  SessionOptions options;
  options.aimInput = true;
  Begin<Game501DoubleOut>(options);
  Aim("T20");
  Aim("T20");
  Hits({"T20", "T19", "LS20"});
  EXPECT_EQ(game->currentPlayer, 0);  // dart 3 has no aim yet
  EXPECT_EQ(session->Board().aimHint, "Ziel für Dart 3 fehlt — Rechtsklick auf das Ziel");
  Aim("T19");
  EXPECT_EQ(game->currentPlayer, 1);
  EXPECT_EQ(PlayerAt(0).turns.Last().Hit(3).aim, "T19");
  EXPECT_EQ(session->Board().aimHint, "");
}

// A player who gives no aims is told which one the turn waits for and can
// check the turn in without them, with or without quick check-in.
TEST_F(Session, ATurnWithoutItsAimsSaysWhatIsMissingAndCanBeCheckedInWithoutThem) {
  for (const bool quick : {true, false}) {
    SessionOptions options;
    options.aimInput = true;
    options.quickCheckIn = quick;
    Begin<Game501DoubleOut>(options);
    Hit("T20");
    EXPECT_EQ(session->Board().aimHint, "") << "the turn is not over yet";
    EXPECT_FALSE(session->CheckInButtonEnabled());
    Aim("T20");
    Hits({"T20", "T20"});
    EXPECT_EQ(game->currentPlayer, 0);
    EXPECT_EQ(session->Board().aimHint, "Ziel für Dart 2 fehlt — Rechtsklick auf das Ziel");
    EXPECT_TRUE(session->CheckInButtonVisible());
    EXPECT_TRUE(session->CheckInButtonEnabled());
    EXPECT_TRUE(session->Board().checkInVisible);
    session->PressCheckIn();
    EXPECT_EQ(session->Board().aimHint, "") << "checked in: the banner shows, nothing waits";
    view.RunSteps();
    EXPECT_EQ(game->currentPlayer, 1) << quick;
    EXPECT_EQ(PlayerAt(0).turns.Last().Hit(1).aim, "T20");
    EXPECT_EQ(PlayerAt(0).turns.Last().Hit(2).aim, "");  // stored without an aim
    EXPECT_EQ(PlayerAt(0).turns.score, 501 - 180);
    EXPECT_EQ(session->Board().aimHint, "");
    EXPECT_EQ(session->CheckInButtonVisible(), !quick);
  }
}

// With aim input the aims say where a dart was thrown: one aimed at a double
// counts at that double, as the marker does without aim input, for the game,
// the series and what is stored.
TEST_F(Session, WithAimInputADartAimedAtADoubleCountsAtThatDouble) {
  SessionOptions options;
  options.aimInput = true;
  Begin<Game501DoubleOut>(options, {"Anna"});
  PlayerAt(0).turns.score = 60;
  session->ClearLastHit();  // refresh with the new score
  Aim("T20");
  Hit("LS20");  // aimed at a treble: not at a double
  Hit("LS12");
  Aim("D12");  // the aim may come after the dart
  EXPECT_EQ(PlayerAt(0).doubleThrows, 1);
  EXPECT_EQ(PlayerAt(0).doubleHits, 0);
  session->ClearAim(2);  // an aim taken back takes its count along
  EXPECT_EQ(PlayerAt(0).doubleThrows, 0);
  Aim("D12");
  Hit("D8");
  Aim("D8");
  ASSERT_EQ(PlayerAt(0).turns.score, 12);
  EXPECT_EQ(PlayerAt(0).doubleThrows, 2);
  EXPECT_EQ(PlayerAt(0).doubleHits, 1);
  Hit("D6");
  Aim("D6");
  ASSERT_EQ(archive.games.size(), 1u);
  EXPECT_EQ(archive.games[0].players[0].doubleThrows, 3);
  EXPECT_EQ(archive.games[0].players[0].doubleHits, 2);
  EXPECT_EQ(PlayerAt(0).legDoubleThrows, std::vector<std::string>{"3"});
  EXPECT_EQ(PlayerAt(0).legDoubleHits, std::vector<std::string>{"2"});
}

// The computer gives no aims: its double is the one the proposal marks.
TEST_F(Session, WithAimInputTheComputerThrowsAtTheProposedDouble) {
  SessionOptions options;
  options.aimInput = true;
  BeginAgainstTheMachine("331=86,0=0,0=0", 0, options);
  PlayerAt(1).turns.score = 40;
  Hits({"LS1", "LS1", "LS1"});
  Aim("LS1");
  Aim("LS1");
  Aim("LS1");
  EXPECT_EQ(PlayerAt(1).turns.score, 0);
  EXPECT_EQ(PlayerAt(1).doubleThrows, 1);
  EXPECT_EQ(PlayerAt(1).doubleHits, 1);
}

TEST_F(Session, CheckInButtonWithoutQuickCheckIn) {
  SessionOptions options;
  options.quickCheckIn = false;
  Begin<Game501DoubleOut>(options);
  EXPECT_TRUE(session->CheckInButtonVisible());
  Hits({"T20", "T20"});
  EXPECT_FALSE(session->CheckInButtonEnabled());
  CheckIn();
  EXPECT_EQ(game->currentPlayer, 0);
  Hit("T20");
  EXPECT_TRUE(session->CheckInButtonEnabled());
  EXPECT_EQ(game->currentPlayer, 0);
  CheckIn();
  EXPECT_EQ(game->currentPlayer, 1);
  EXPECT_FALSE(session->CheckInButtonEnabled());
}

TEST_F(Session, RemovingTheLastHitAndAimsFillingTheFirstEmptySlot) {
  SessionOptions options;
  options.quickCheckIn = false;
  options.aimInput = true;
  Begin<Game501DoubleOut>(options);
  Hits({"T20", "T19", "LS5"});
  session->ClearLastHit();
  EXPECT_EQ(Current().Hit(3).hit, "");
  EXPECT_EQ(Current().Hit(2).hit, "T19");

  Aim("T20");
  Aim("T19");
  session->ClearAim(1);
  EXPECT_EQ(session->AimFields()[0], "");
  EXPECT_EQ(Current().Hit(1).aim, "");
  EXPECT_EQ(Current().Hit(1).aimX, 0);  // a removed aim takes its position along
  EXPECT_EQ(Current().Hit(1).aimY, 0);
  Aim("D20");
  EXPECT_EQ(Current().Hit(1).aim, "D20");
  Aim("D16");  // dart 3 is not thrown yet
  EXPECT_EQ(Current().Hit(3).aim, "D16");
}

TEST_F(Session, RightClickMarksTheDoubleForTheNextDart) {
  Begin<Game301StraightOut>();
  Aim("D16");
  EXPECT_EQ(session->DoubleTarget(), "D16");
  EXPECT_EQ(session->DoubleThrowText(), "Doppelwurf auf: D16");
  Aim("T20");
  EXPECT_EQ(session->DoubleTarget(), "");
  Aim("D16");
  Hit("D16");
  EXPECT_EQ(PlayerAt(0).doubleThrows, 1);
  EXPECT_EQ(PlayerAt(0).doubleHits, 1);
  session->RegisterHit("0", 5, 5);
  Aim("D8");
  session->RegisterHit("d8", 0, 0);  // upper-cased comparison
  EXPECT_EQ(PlayerAt(0).doubleThrows, 2);
  EXPECT_EQ(PlayerAt(0).doubleHits, 2);
}

// Only recorded darts count at the double: a refused click counts nothing, a
// removed dart takes its count back, an undone turn takes back its own.
TEST_F(Session, DoubleStatisticsFollowTheRecordedDarts) {
  SessionOptions options;
  options.quickCheckIn = false;
  Begin<Game301StraightOut>(options);
  Aim("D16");
  Hits({"D16", "T20", "T20"});
  EXPECT_EQ(PlayerAt(0).doubleThrows, 1);
  Aim("D16");
  Hit("D16");  // the turn is full: nothing recorded, nothing counted
  EXPECT_EQ(Current().Hit(3).hit, "T20");
  EXPECT_EQ(PlayerAt(0).doubleThrows, 1);
  EXPECT_EQ(PlayerAt(0).doubleHits, 1);
  CheckIn();

  Aim("D8");
  Hit("D8");  // Ben
  Aim("D8");
  Hit("LS8");
  EXPECT_EQ(PlayerAt(1).doubleThrows, 2);
  EXPECT_EQ(PlayerAt(1).doubleHits, 1);
  session->ClearLastHit();
  EXPECT_EQ(PlayerAt(1).doubleThrows, 1);
  Hit("0");
  Hit("0");
  CheckIn();

  Undo();  // Ben's turn goes, Anna's counts stay
  EXPECT_EQ(game->currentPlayer, 1);
  EXPECT_EQ(PlayerAt(1).doubleThrows, 0);
  EXPECT_EQ(PlayerAt(0).doubleThrows, 1);
  EXPECT_EQ(PlayerAt(0).doubleHits, 1);
}

TEST_F(Session, TheMarkerIsClearedAtEveryCheckIn) {
  panel = ModePanel::Cricket;
  SessionOptions options;
  options.quickCheckIn = false;
  Begin<CricketGame>(options);
  Aim("D20");
  EXPECT_EQ(session->DoubleThrowText(), "Doppelwurf auf: D20");
  Hits({"D20", "0", "0"});
  CheckIn();
  EXPECT_EQ(session->DoubleTarget(), "");
  Hit("D20");
  EXPECT_EQ(PlayerAt(1).doubleThrows, 0);
}

TEST_F(Session, ProposalMarksItsFirstDoubleStillToThrow) {
  Begin<Game501DoubleOut>({}, {"Anna"});
  PlayerAt(0).turns.score = 160;
  session->ClearLastHit();  // refresh with the new score
  EXPECT_EQ(session->ProposalFields(), (std::array<std::string, 3>{"T20", "T20", "D20"}));
  EXPECT_EQ(session->DoubleTarget(), "");
  Hits({"T20", "T20"});
  EXPECT_EQ(session->ProposalFields(), (std::array<std::string, 3>{"", "", "D20"}));
  EXPECT_EQ(session->DoubleTarget(), "D20");
  Hit("D20");
  EXPECT_EQ(PlayerAt(0).legDoubleThrows, std::vector<std::string>{"1"});
  EXPECT_EQ(PlayerAt(0).legDoubleHits, std::vector<std::string>{"1"});
}

TEST_F(Session, ProposalShowsLargeSinglesWithoutTheL) {
  Begin<Game501DoubleOut>({}, {"Anna"});
  PlayerAt(0).turns.score = 120;
  session->ClearLastHit();
  EXPECT_EQ(session->ProposalFields(), (std::array<std::string, 3>{"T20", "S20", "D20"}));
}

TEST_F(Session, DoubleInRecordsMissesUntilTheFirstDouble) {
  BeginDoubleInElimination();
  EXPECT_FALSE(session->UndoButtonVisible());
  Hit("T20");
  EXPECT_EQ(Current().Hit(1).hit, "0");
  EXPECT_EQ(Current().Hit(1).hitX, AimPointFor("T20")->x);
  Hit("D10");
  EXPECT_TRUE(game->CurrentTurns().checkedIn);
  Hit("LS5");
  EXPECT_EQ(PlayerAt(0).turns.score, 25);
}

TEST_F(Session, AbortAnswers) {
  Begin<Game501DoubleOut>();
  Hits({"T20", "T20", "T20"});
  view.abortAnswer = AbortAnswer::Cancel;
  EXPECT_FALSE(session->ConfirmAbort());
  EXPECT_TRUE(view.closed.empty());
  EXPECT_EQ(view.lastAbortQuestion,
            "Spiel Abbrechen. Bei Ja wird das Spiel für die Statistik gespeichert.\n"
            "Nein für Abruch ohne Speichern, Abbrechen setzt das Spiel fort.");

  view.abortAnswer = AbortAnswer::No;
  EXPECT_TRUE(session->ConfirmAbort());
  EXPECT_EQ(view.closed, std::vector<SessionResult>{SessionResult::No});
  EXPECT_TRUE(archive.games.empty());
  EXPECT_TRUE(session->ConfirmAbort());  // decided: no second question
  EXPECT_EQ(view.closed.size(), 1u);
}

TEST_F(Session, AbortWithYesKeepsTheUnfinishedGame) {
  Begin<Game501DoubleOut>();
  Hits({"T20", "T20", "T20"});
  view.abortAnswer = AbortAnswer::Yes;
  EXPECT_TRUE(session->ConfirmAbort());
  EXPECT_EQ(view.closed, std::vector<SessionResult>{SessionResult::Yes});
  ASSERT_EQ(archive.games.size(), 1u);
  EXPECT_EQ(archive.games[0].players[0].turns.size(), 1u);
  EXPECT_EQ(archive.games[0].winningTurnId, "");  // no winner, no checkout, no best game
}

TEST_F(Session, AGameThatCouldNotBeStoredCanBeSavedWhenClosing) {
  testing::FailingOnce failing;
  Begin<Game501DoubleOut>({}, {"Anna"});
  game->SetArchive(&failing);
  PlayerAt(0).turns.score = 40;
  Hit("D20");
  EXPECT_EQ(view.errors, std::vector<std::string>{"Datenbankfehler: disk full"});
  EXPECT_TRUE(view.closed.empty());
  EXPECT_FALSE(session->GameDecided());
  EXPECT_EQ(PlayerAt(0).wins, 0);  // the series figures wait for a stored game
  EXPECT_TRUE(PlayerAt(0).legAverages.empty());
  EXPECT_FALSE(session->StepPending());  // no save is tried again by itself
  view.RunSteps();
  EXPECT_TRUE(failing.games.empty());
  view.abortAnswer = AbortAnswer::Yes;
  EXPECT_TRUE(session->ConfirmAbort());
  ASSERT_EQ(failing.games.size(), 1u);
  EXPECT_EQ(failing.games[0].players[0].turns.size(), 1u);
  EXPECT_EQ(failing.games[0].winningTurnId, PlayerAt(0).turns.Last().turnId);
}

TEST_F(Session, ContinuingRotatesThePlayersAndResetsTheDoubleCounters) {
  Begin<Game501DoubleOut>();
  PlayerAt(0).turns.score = 40;
  view.answers = {true};
  Aim("D20");
  Hit("D20");
  EXPECT_TRUE(view.Saw("newgame"));
  EXPECT_EQ(archive.games.size(), 1u);
  EXPECT_EQ(PlayerAt(0).nickname, "Ben");
  EXPECT_EQ(PlayerAt(1).nickname, "Anna");
  EXPECT_EQ(PlayerAt(1).wins, 1);
  EXPECT_EQ(PlayerAt(1).legDoubleHits, std::vector<std::string>{"1"});
  EXPECT_EQ(PlayerAt(1).doubleThrows, 0);
  EXPECT_EQ(PlayerAt(1).doubleHits, 0);
  EXPECT_EQ(PlayerAt(0).turns.score, 501);
  EXPECT_FALSE(session->GameDecided());
}

TEST_F(Session, UndoTakesBackATurnAndResetsTheDoubleCounters) {
  Begin<Game501DoubleOut>();
  Aim("D20");
  Hits({"T20", "T20", "T20"});
  EXPECT_EQ(PlayerAt(0).doubleThrows, 1);
  Undo();
  EXPECT_EQ(game->currentPlayer, 0);
  EXPECT_EQ(PlayerAt(0).turns.score, 501);
  EXPECT_EQ(PlayerAt(0).doubleThrows, 0);
}

TEST_F(Session, TheComputerThrowsItsPreparedDartsRightAfterTheHuman) {
  BeginAgainstTheMachine("332=172,332=172,331=86,0=0,0=0,0=0", 2);
  Hits({"LS1", "LS1", "LS1"});
  const auto& computer = PlayerAt(1).turns;
  ASSERT_EQ(computer.Count(), 1u);
  EXPECT_EQ(computer.Last().Hit(1).hit, "T20");
  EXPECT_EQ(computer.Last().Hit(3).hit, "D20");
  EXPECT_EQ(computer.Last().Hit(3).hitX, 331);
  EXPECT_EQ(computer.score, 501 - 160);
  EXPECT_EQ(game->currentPlayer, 0);
  EXPECT_FALSE(session->ComputerBusy());
  // Three dart pauses and one before the check-in.
  EXPECT_EQ(view.Count("after 2000"), 4);
  EXPECT_TRUE(view.Saw("mark 331,86"));
}

TEST_F(Session, AfterAFollowUpTheComputerOpensAndThrowsAtOnce) {
  BeginAgainstTheMachine("332=172,332=172,332=172", 0);
  PlayerAt(0).turns.score = 40;
  view.answers = {true};
  Hit("D20");
  EXPECT_EQ(PlayerAt(0).nickname, "The Machine");
  EXPECT_EQ(PlayerAt(0).turns.Count(), 1u);
  EXPECT_EQ(PlayerAt(0).turns.score, 501 - 180);
  EXPECT_EQ(game->currentPlayer, 1);
  EXPECT_EQ(static_cast<testing::SameDartsMachine&>(PlayerAt(0)).preparations, 1);
}

TEST_F(Session, TargetPanelWritesTheTargetsIntoTheAims) {
  panel = ModePanel::Target;
  SessionOptions options;
  options.aimInput = true;
  Begin<RoundTheBoardSingles>(options, {"Anna"});
  EXPECT_EQ(session->ProposalFields(), (std::array<std::string, 3>{"LS1", "LS2", "LS3"}));
  EXPECT_EQ(Current().Hit(3).aim, "LS3");
  Hit("SS1");
  EXPECT_EQ(session->ProposalFields(), (std::array<std::string, 3>{"", "LS2", "LS3"}));
  EXPECT_EQ(session->AimFields(), (std::array<std::string, 3>{"LS1", "LS2", "LS3"}));
  EXPECT_EQ(Current().Hit(1).aim, "LS1");
  Hits({"0", "LS2"});  // the aims are there: the turn is booked at once
  EXPECT_EQ(PlayerAt(0).turns.Count(), 1u);
  EXPECT_EQ(PlayerAt(0).turns.progress, 2);
  EXPECT_EQ(session->ProposalFields(), (std::array<std::string, 3>{"LS3", "LS4", "LS5"}));
}

TEST(Summary, AveragesAndDoubleRatesOfTheSeries) {
  PlayerList players;
  auto anna = std::make_unique<Player>();
  anna->nickname = "Anna";
  anna->wins = 1;
  anna->legAverages = {"45,2", "51,0"};
  anna->legDoubleThrows = {"3", "0"};
  anna->legDoubleHits = {"1", "0"};
  players.Add(std::move(anna));
  auto ben = std::make_unique<Player>();
  ben->nickname = "Ben";
  ben->legAverages = {"30,0", "20,0"};
  ben->legDoubleThrows = {"4", "1"};
  ben->legDoubleHits = {"1", "1"};
  players.Add(std::move(ben));

  const auto summary = BuildSummary(players, "Game over");
  EXPECT_EQ(summary.caption, "2 Spiele durchgeführt");
  EXPECT_EQ(summary.rows[0].player, "Anna (1)");
  EXPECT_EQ(summary.rows[0].average, "48,1 (45,2 / 51,0)");
  EXPECT_EQ(summary.rows[0].doubles, "33% 3/1 (33% 3/1, 0% 0/0)");
  EXPECT_EQ(summary.rows[1].player, "Ben (0)");
  // Pooled over the series (2 of 5), not the mean of the games' rates.
  EXPECT_EQ(summary.rows[1].doubles, "40% 5/2 (25% 4/1, 100% 1/1)");

  PlayerList none;
  auto carl = std::make_unique<Player>();
  carl->legAverages = {"20,0"};
  carl->legDoubleThrows = {"0"};
  carl->legDoubleHits = {"0"};
  none.Add(std::move(carl));
  EXPECT_EQ(BuildSummary(none, "").rows[0].doubles, "-");
}

}  // namespace
}  // namespace korvanti
