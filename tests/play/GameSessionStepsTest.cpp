#include <functional>
#include <ostream>
#include <tuple>

#include "SessionFixture.h"
#include "engine/Elimination.h"
#include "platform/Error.h"

namespace korvanti {
namespace {

using testing::Session;
using testing::ShownBy;

// The computer's prepared turn: T20 T20 D20.
constexpr char kMachineDarts[] = "332=172,332=172,331=86";

// Anna's turn of three singles is checked in; the computer, 160 left, then
// wins with its prepared turn. Steps: the banner of Anna's turn, three
// computer darts, the pause before its check-in, the banner of its turn.
// Without quick check-in: Anna's turn is booked by the button, the computer
// throws its turn and waits for the button too.
class MachineWaits : public Session {
 protected:
  void MachineTurnWaitsForTheButton() {
    SessionOptions options;
    options.quickCheckIn = false;
    BeginAgainstTheMachine(kMachineDarts, 1, options);
    Hits({"LS1", "LS1", "LS1"});
    CheckIn();
  }
};

class PausedGame : public Session {
 protected:
  void SetUp() override {
    BeginAgainstTheMachine(kMachineDarts, 1);
    PlayerAt(1).turns.score = 160;
    for (int i = 0; i < 3; ++i) {
      Press("LS1");
    }
  }
  void RunSteps(int count) {
    for (int i = 0; i < count; ++i) {
      ASSERT_TRUE(view.RunNextStep());
    }
    ASSERT_TRUE(session->StepPending());
  }
};

struct Pause {
  const char* name;
  int stepsBefore;
};
void PrintTo(const Pause& pause, std::ostream* out) {
  *out << pause.name;
}
constexpr Pause kPauses[] = {{"banner of the human turn", 0},
                             {"first computer dart", 1},
                             {"third computer dart", 3},
                             {"pause before the computer's check-in", 4},
                             {"banner of the computer's winning turn", 5}};

class AbortDuringAPause : public PausedGame,
                          public ::testing::WithParamInterface<std::tuple<Pause, AbortAnswer>> {};

TEST_P(AbortDuringAPause, GivesExactlyOneResultAndTheStoredRowsItPromises) {
  const auto [pause, answer] = GetParam();
  RunSteps(pause.stepsBefore);
  const auto machineDarts = PlayerAt(1).turns.current.DartsEntered();
  const auto machineTurns = PlayerAt(1).turns.Count();
  view.abortAnswer = answer;
  // A timer that fires while the question is open changes nothing.
  view.duringAbortQuestion = [&] {
    view.RunNextStep();
    EXPECT_EQ(PlayerAt(1).turns.current.DartsEntered(), machineDarts);
    EXPECT_EQ(PlayerAt(1).turns.Count(), machineTurns);
  };
  const bool closes = session->ConfirmAbort();
  view.RunSteps();

  switch (answer) {
    case AbortAnswer::Yes:
      EXPECT_TRUE(closes);
      EXPECT_EQ(view.closed, std::vector<SessionResult>{SessionResult::Yes});
      if (pause.stepsBefore == 0) {
        EXPECT_TRUE(archive.games.empty());  // nobody has booked a turn yet
        break;
      }
      ASSERT_EQ(archive.games.size(), 1u);
      EXPECT_EQ(archive.games[0].winningTurnId, "");   // undecided: no win, no checkout
      ASSERT_EQ(archive.games[0].players.size(), 1u);  // the computer is never stored
      EXPECT_EQ(archive.games[0].players[0].turns.size(), 1u);
      break;
    case AbortAnswer::No:
      EXPECT_TRUE(closes);
      EXPECT_EQ(view.closed, std::vector<SessionResult>{SessionResult::No});
      EXPECT_TRUE(archive.games.empty());
      break;
    case AbortAnswer::Cancel:
      // The game goes on to its end: the computer wins, the summary closes it.
      EXPECT_FALSE(closes);
      EXPECT_EQ(view.closed, std::vector<SessionResult>{SessionResult::OK});
      ASSERT_EQ(archive.games.size(), 1u);
      EXPECT_EQ(archive.games[0].winningTurnId, PlayerAt(1).turns.Last().turnId);
      EXPECT_EQ(PlayerAt(1).turns.score, 0);
      break;
  }
  if (answer != AbortAnswer::Cancel) {
    EXPECT_EQ(PlayerAt(1).turns.current.DartsEntered(), machineDarts);
    EXPECT_EQ(PlayerAt(1).turns.Count(), machineTurns);
    EXPECT_TRUE(view.steps.empty());
  }
  EXPECT_TRUE(session->ConfirmAbort());  // closed: no second question, no second result
  EXPECT_EQ(view.closed.size(), 1u);
}

// As in a window: the question returns at once and its box answers later.
TEST_P(AbortDuringAPause, AnAnswerThatComesLaterIsTakenOnceWhileTheDueStepWaits) {
  const auto [pause, answer] = GetParam();
  RunSteps(pause.stepsBefore);
  const auto machineDarts = PlayerAt(1).turns.current.DartsEntered();
  const auto machineTurns = PlayerAt(1).turns.Count();
  view.holdAbortAnswer = true;

  EXPECT_FALSE(session->ConfirmAbort());
  EXPECT_TRUE(session->QuestionOpen());
  EXPECT_FALSE(session->ConfirmAbort());  // a second close request asks no second question
  EXPECT_EQ(view.Count("abort question"), 1);
  // The step comes due while the box is open: it waits, and so does the board.
  view.RunNextStep();
  EXPECT_EQ(PlayerAt(1).turns.current.DartsEntered(), machineDarts);
  EXPECT_EQ(PlayerAt(1).turns.Count(), machineTurns);
  EXPECT_TRUE(session->BoardLocked());
  EXPECT_FALSE(session->CheckInButtonEnabled());
  EXPECT_FALSE(session->UndoButtonEnabled());

  ASSERT_EQ(view.heldAbortAnswers.size(), 1u);
  const auto answered = view.heldAbortAnswers.front();
  const int changes = view.changes;
  answered(answer);
  // The same box cannot answer twice, whatever it says the second time.
  answered(answer == AbortAnswer::Yes ? AbortAnswer::No : AbortAnswer::Yes);
  EXPECT_EQ(view.changes, changes + 1);
  EXPECT_FALSE(session->QuestionOpen());

  switch (answer) {
    case AbortAnswer::Yes:
    case AbortAnswer::No:
      EXPECT_EQ(view.closed,
                std::vector<SessionResult>{answer == AbortAnswer::Yes ? SessionResult::Yes
                                                                      : SessionResult::No});
      EXPECT_EQ(archive.games.size(),
                answer == AbortAnswer::Yes && pause.stepsBefore > 0 ? 1u : 0u);
      EXPECT_TRUE(view.steps.empty());  // the held step is withdrawn
      EXPECT_EQ(PlayerAt(1).turns.current.DartsEntered(), machineDarts);
      break;
    case AbortAnswer::Cancel:
      // The held step goes on, and with it the game to the computer's win.
      EXPECT_FALSE(session->BoardLocked() && view.steps.empty());
      view.RunSteps();
      EXPECT_EQ(view.closed, std::vector<SessionResult>{SessionResult::OK});
      EXPECT_EQ(PlayerAt(1).turns.score, 0);
      break;
  }
}

std::string PauseAndAnswerName(
    const ::testing::TestParamInfo<std::tuple<Pause, AbortAnswer>>& info) {
  static const char* const kAnswers[] = {"Ja", "Nein", "Abbrechen"};
  return "AfterStep" + std::to_string(std::get<0>(info.param).stepsBefore) +
         kAnswers[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(EveryPauseAndAnswer, AbortDuringAPause,
                         ::testing::Combine(::testing::ValuesIn(kPauses),
                                            ::testing::Values(AbortAnswer::Yes, AbortAnswer::No,
                                                              AbortAnswer::Cancel)),
                         PauseAndAnswerName);

// Anna's winning check-in finds the club server gone twice: she is told once,
// the save is tried again every five seconds but not while the abort question
// is open, and the game is stored exactly once, by the retry after
// "Abbrechen" or by "Ja".
class LostConnection : public Session, public ::testing::WithParamInterface<AbortAnswer> {};

TEST_P(LostConnection, KeepsTheGameAndSavesItOnceWhenTheServerAnswers) {
  archive.lostConnections = 2;
  Begin<Game501DoubleOut>({}, {"Anna"});
  PlayerAt(0).turns.score = 40;
  Press("D20");
  view.RunNextStep();  // the banner is seen: the check-in is booked and stored
  ASSERT_EQ(view.errors.size(), 1u);
  EXPECT_TRUE(view.errors[0].starts_with("Die Verbindung zum Vereinsserver ist unterbrochen"));
  EXPECT_TRUE(view.errors[0].ends_with(
      " Das Spiel bleibt hier und wird gespeichert, sobald der Vereinsserver wieder antwortet."));
  EXPECT_FALSE(session->GameDecided());
  EXPECT_EQ(PlayerAt(0).wins, 0);
  EXPECT_TRUE(PlayerAt(0).legAverages.empty());
  EXPECT_EQ(view.events.back(), "after 5000");
  view.RunNextStep();  // the first retry meets the lost connection too
  EXPECT_EQ(view.errors.size(), 1u);
  EXPECT_EQ(view.events.back(), "after 5000");

  view.holdAbortAnswer = true;
  EXPECT_FALSE(session->ConfirmAbort());
  view.RunSteps();  // the second retry comes due and waits for the answer
  EXPECT_TRUE(archive.games.empty());
  ASSERT_EQ(view.heldAbortAnswers.size(), 1u);
  view.heldAbortAnswers[0](GetParam());
  view.RunSteps();
  ASSERT_EQ(archive.games.size(), 1u);
  EXPECT_EQ(archive.games[0].winningTurnId, PlayerAt(0).turns.Last().turnId);
  EXPECT_EQ(view.errors.size(), 1u);
  if (GetParam() == AbortAnswer::Cancel) {  // on as after a first successful save
    EXPECT_EQ(view.summaries.size(), 1u);
    EXPECT_EQ(PlayerAt(0).wins, 1);
    EXPECT_EQ(PlayerAt(0).legAverages.size(), 1u);
    EXPECT_EQ(view.closed, std::vector<SessionResult>{SessionResult::OK});
  } else {
    EXPECT_TRUE(view.summaries.empty());
    EXPECT_EQ(view.closed, std::vector<SessionResult>{SessionResult::Yes});
  }
}

INSTANTIATE_TEST_SUITE_P(CancelOrYes, LostConnection,
                         ::testing::Values(AbortAnswer::Cancel, AbortAnswer::Yes),
                         [](const auto& info) {
                           return info.param == AbortAnswer::Cancel ? "Abbrechen" : "Ja";
                         });

TEST_F(PausedGame, NothingTheUserDoesRacesTheComputer) {
  RunSteps(2);  // the computer has thrown one dart
  ASSERT_TRUE(session->ComputerBusy());
  EXPECT_TRUE(session->BoardLocked());
  EXPECT_FALSE(session->UndoButtonEnabled());
  EXPECT_FALSE(session->CheckInButtonEnabled());
  const auto point = *AimPointFor("D16");
  session->Click(MouseButton::Left, point.x, point.y);
  session->Click(MouseButton::Right, point.x, point.y);
  session->ClearLastHit();
  session->ClearAim(1);
  session->PressCheckIn();
  session->UndoLastCheckIn();
  EXPECT_EQ(PlayerAt(1).turns.current.DartsEntered(), 1);
  EXPECT_EQ(PlayerAt(1).turns.current.Hit(1).hit, "T20");
  EXPECT_EQ(PlayerAt(0).turns.Count(), 1u);
  EXPECT_EQ(game->currentPlayer, 1);
  view.RunSteps();
  EXPECT_EQ(PlayerAt(1).turns.score, 0);
}

TEST_F(PausedGame, NoStepRunsWhileTheErrorOfAFailedAbortIsShown) {
  testing::FailingOnce failing;
  game->SetArchive(&failing);
  RunSteps(5);  // the banner of the computer's winning turn
  view.abortAnswer = AbortAnswer::Yes;
  view.duringError = [&] {
    view.RunNextStep();
    EXPECT_EQ(PlayerAt(1).turns.Count(), 0u);
  };
  EXPECT_FALSE(session->ConfirmAbort());
  EXPECT_EQ(view.errors.size(), 1u);
  EXPECT_TRUE(view.closed.empty());
  view.duringError = nullptr;
  view.RunSteps();  // the game goes on to its end
  EXPECT_EQ(view.closed, std::vector<SessionResult>{SessionResult::OK});
  EXPECT_EQ(PlayerAt(1).turns.score, 0);
}

TEST_F(Session, WithAimInputTheButtonWaitsForTheEndOfTheTurn) {
  SessionOptions options;
  options.quickCheckIn = false;
  options.aimInput = true;
  Begin<Game501DoubleOut>(options);
  Hits({"T20", "T20"});
  Aim("T20");
  Aim("T20");
  Aim("T20");
  EXPECT_FALSE(session->CheckInButtonEnabled());
  Hit("T20");
  EXPECT_TRUE(session->CheckInButtonEnabled());
}

TEST_F(MachineWaits, UndoWhileTheComputersTurnWaitsErasesItsMarks) {
  MachineTurnWaitsForTheButton();
  ASSERT_TRUE(PlayerAt(1).turns.current.IsComplete());
  view.events.clear();
  Undo();
  EXPECT_TRUE(view.Saw("clear marks"));
  EXPECT_EQ(game->currentPlayer, 0);
}

TEST_F(Session, ASaveErrorWhenTheComputerWinsReachesTheViewAndTheSessionGoesOn) {
  testing::FailingOnce failing;
  BeginAgainstTheMachine(kMachineDarts, 1);
  game->SetArchive(&failing);
  PlayerAt(1).turns.score = 160;
  Hits({"LS1", "LS1", "LS1"});
  EXPECT_EQ(view.errors, std::vector<std::string>{"Datenbankfehler: disk full"});
  EXPECT_TRUE(view.closed.empty());
  EXPECT_FALSE(session->ComputerBusy());
  EXPECT_FALSE(session->StepPending());
  EXPECT_TRUE(session->UndoButtonEnabled());
  EXPECT_EQ(PlayerAt(1).wins, 0);

  view.abortAnswer = AbortAnswer::Yes;  // closing stores the decided game after all
  EXPECT_TRUE(session->ConfirmAbort());
  ASSERT_EQ(failing.games.size(), 1u);
  EXPECT_EQ(failing.games[0].winningTurnId, PlayerAt(1).turns.Last().turnId);
  EXPECT_EQ(view.closed, std::vector<SessionResult>{SessionResult::Yes});
}

TEST_F(MachineWaits, WithoutQuickCheckInTheComputersTurnWaitsForTheButtonAndTheBoardStaysLocked) {
  MachineTurnWaitsForTheButton();
  EXPECT_TRUE(PlayerAt(1).turns.current.IsComplete());
  EXPECT_FALSE(session->StepPending());
  EXPECT_TRUE(session->CheckInButtonEnabled());
  Hit("D16");
  session->ClearLastHit();
  EXPECT_EQ(PlayerAt(1).turns.current.Hit(3).hit, "D20");
  CheckIn();
  EXPECT_EQ(PlayerAt(1).turns.score, 501 - 160);
  EXPECT_EQ(game->currentPlayer, 0);
}

TEST_F(Session, UndoAgainstTheComputerGoesBackToTheHumanAndTheComputerThrowsAgain) {
  BeginAgainstTheMachine(kMachineDarts, 1);
  Hits({"LS1", "LS1", "LS1"});
  ASSERT_EQ(PlayerAt(1).turns.Count(), 1u);
  Undo();
  EXPECT_EQ(game->currentPlayer, 0);
  EXPECT_EQ(PlayerAt(0).turns.Count(), 0u);
  EXPECT_EQ(PlayerAt(1).turns.Count(), 0u);
  EXPECT_EQ(PlayerAt(0).turns.score, 501);
  Hits({"T20", "T20", "T20"});
  ASSERT_EQ(PlayerAt(1).turns.Count(), 1u);
  EXPECT_EQ(PlayerAt(1).turns.Last().Hit(3).hit, "D20");
  EXPECT_EQ(PlayerAt(1).turns.score, 501 - 160);
  EXPECT_EQ(PlayerAt(0).turns.score, 501 - 180);
}

TEST_F(Session, TheViewIsToldOnceAfterEveryOperationWhenAllIsSettled) {
  SessionOptions options;
  options.quickCheckIn = false;
  Begin<Game501DoubleOut>(options, {"Anna"});
  PlayerAt(0).turns.score = 160;
  const auto at = [](const char* code) { return *AimPointFor(code); };
  const std::vector<std::pair<const char*, std::function<void()>>> operations{
      {"refresh", [&] { session->ClearLastHit(); }},
      {"T20", [&] { session->Click(MouseButton::Left, at("T20").x, at("T20").y); }},
      {"T20", [&] { session->Click(MouseButton::Left, at("T20").x, at("T20").y); }},
      {"right T19", [&] { session->Click(MouseButton::Right, at("T19").x, at("T19").y); }},
      {"right D20", [&] { session->Click(MouseButton::Right, at("D20").x, at("D20").y); }},
      {"D20", [&] { session->Click(MouseButton::Left, at("D20").x, at("D20").y); }},
      {"back", [&] { session->ClearLastHit(); }},
      {"D5", [&] { session->Click(MouseButton::Left, at("D5").x, at("D5").y); }},
  };
  for (const auto& [name, operation] : operations) {
    SCOPED_TRACE(name);
    const int before = view.changes;
    operation();
    EXPECT_EQ(view.changes, before + 1);
    EXPECT_EQ(view.lastShown, ShownBy(*session));
    if (std::string(name) == "T20" && Current().DartsEntered() == 2) {
      EXPECT_EQ(view.lastShown.proposal, (std::array<std::string, 3>{"", "", "D20"}));
      EXPECT_EQ(view.lastShown.doubleThrow, "Doppelwurf auf: D20");
    }
  }
  EXPECT_EQ(view.lastShown.hits, (std::array<std::string, 3>{"T20", "T20", "D5"}));
  EXPECT_TRUE(view.lastShown.checkInEnabled);  // a complete turn, 30 left
}

TEST_F(Session, TheBoardJoinsTheScoreboardAndWhatTheSessionShows) {
  SessionOptions options;
  options.quickCheckIn = false;
  Begin<Game501DoubleOut>(options);
  Hits({"T20", "T20", "T20"});
  auto board = session->Board();
  EXPECT_EQ(board.hitFields, (std::array<std::string, 3>{"T20", "T20", "T20"}));
  EXPECT_TRUE(board.checkInVisible);
  EXPECT_TRUE(board.checkInEnabled);
  EXPECT_EQ(board.countDown.remaining, "321");
  EXPECT_EQ(view.lastShown.nameOverBoard, "");
  CheckIn();
  EXPECT_EQ(view.lastShown.nameOverBoard, "Ben");  // right after the change of turn
  Hit("LS1");
  EXPECT_EQ(view.lastShown.nameOverBoard, "");
  EXPECT_EQ(session->Board().nickname, "Ben");
}

TEST_F(Session, AimsAreShownAsSoonAsTheyChange) {
  SessionOptions options;
  options.aimInput = true;
  Begin<Game501DoubleOut>(options);
  Aim("T20");
  EXPECT_EQ(view.lastShown.aims, (std::array<std::string, 3>{"T20", "", ""}));
  session->ClearAim(1);
  EXPECT_EQ(view.lastShown.aims, (std::array<std::string, 3>{"", "", ""}));
}

TEST_F(Session, NoticesOfOneOperationReachTheViewTogether) {
  Begin<Game501DoubleOut>();
  session->Click(MouseButton::Left, -10, -10);  // outside the board: a miss, with a notice
  ASSERT_EQ(view.noticeBatches.size(), 1u);
  EXPECT_EQ(view.noticeBatches[0], std::vector<std::string>{"fehler calc hit"});
  EXPECT_EQ(Current().Hit(1).hit, "0");
  Hit("T20");
  EXPECT_EQ(view.noticeBatches.size(), 1u);
}

TEST_F(Session, RemovingADartJudgesTheTurnAgain) {
  SessionOptions options;
  options.quickCheckIn = false;
  Begin<Game501DoubleOut>(options);
  PlayerAt(0).turns.score = 32;
  Hits({"LS20", "LS11"});  // 1 left: bust
  EXPECT_FALSE(Current().counts);
  EXPECT_TRUE(session->CheckInButtonEnabled());
  session->ClearLastHit();
  EXPECT_TRUE(Current().counts);
  EXPECT_FALSE(session->CheckInButtonEnabled());
  Hits({"LS4", "0"});
  CheckIn();
  EXPECT_EQ(PlayerAt(0).turns.score, 8);
}

TEST_F(Session, RemovingTheOpeningDoubleMakesThePlayerNotCheckedInAgain) {
  BeginDoubleInElimination();
  Hit("D10");
  EXPECT_TRUE(game->CurrentTurns().checkedIn);
  session->ClearLastHit();
  EXPECT_FALSE(game->CurrentTurns().checkedIn);
  Hit("T20");
  EXPECT_EQ(Current().Hit(1).hit, "0");
}

}  // namespace
}  // namespace korvanti
