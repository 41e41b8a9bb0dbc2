// The session's timed steps, the end of a game and the abort question.
#include <algorithm>
#include <utility>

#include "computer/ComputerPlayer.h"
#include "engine/FieldCode.h"
#include "platform/DateTime.h"
#include "platform/Error.h"
#include "play/Announcements.h"
#include "play/GameSession.h"
#include "play/PersonalBestText.h"
#include "play/PreparationWorker.h"
#include "play/SessionOperation.h"

namespace korvanti {
namespace {

constexpr char kContinueQuestion[] = "Spiel fortsetzten?";
constexpr char kAbortQuestion[] =
    "Spiel Abbrechen. Bei Ja wird das Spiel für die Statistik gespeichert.\n"
    "Nein für Abruch ohne Speichern, Abbrechen setzt das Spiel fort.";
constexpr char kKeptForServer[] =
    " Das Spiel bleibt hier und wird gespeichert, sobald der Vereinsserver wieder antwortet.";
// How often a game waiting for the club server is saved again.
constexpr int kRetrySaveMilliseconds = 5000;

}  // namespace

GameSession::~GameSession() = default;

void GameSession::Schedule(Step step, int milliseconds) {
  pending_ = step;
  const unsigned token = ++stepToken_;
  view_.After(milliseconds, [this, token] { StepDue(token); });
}

// A step the session has withdrawn (abort, close) is ignored; one that comes
// due while a question or a message box of an operation is open waits until
// that operation is over.
void GameSession::StepDue(unsigned token) {
  if (token != stepToken_ || !pending_) {
    return;
  }
  if (suspended_ || operationDepth_ > 0) {
    dueWhileSuspended_ = true;
    return;
  }
  Operation operation(*this);
  operation.Run([&] {
    const auto step = *std::exchange(pending_, std::nullopt);
    RunStep(step);
  });
}

void GameSession::RunStep(Step step) {
  switch (step) {
    case Step::ComputerDart:
      ThrowComputerDart();
      break;
    case Step::ComputerCheckIn:
      CheckInTurn();
      break;
    case Step::Book:
      Book();
      break;
    case Step::Preparation:
      FinishNextGame(std::exchange(preparationFailure_, std::nullopt));
      break;
    case Step::BullOffShown:
      BullOffShown();
      break;
    case Step::NextLeg:
      StartNextGame(true);
      break;
    case Step::RetrySave:
      GameOver();
      break;
  }
}

void GameSession::CancelSteps() {
  pending_.reset();
  ++stepToken_;
  dueWhileSuspended_ = false;
}

void GameSession::Resume() {
  suspended_ = false;  // a held-back step goes on when the operation is over
}

void GameSession::Finish() {
  if (!suspended_ && std::exchange(dueWhileSuspended_, false) && pending_) {
    Schedule(*pending_, 0);
  }
  ContinueComputer();
  view_.Changed(*this);
  playerChanged_ = false;  // the name over the board shows right after a change of turn only
  // Over a board that already shows what raised them.
  if (!notices_.empty()) {
    view_.ShowNotices(std::exchange(notices_, {}));
  }
}

void GameSession::Failed(const std::string& text) {
  view_.ShowError(text);
  suspended_ = false;  // a held-back step goes on when the operation is over
}

// Counts the leg, stores the game and goes on with the next leg, or asks
// whether to play another once the match is over. A game that could not be
// stored is not given up: the error goes to the view, the series and match
// figures are taken back, and closing asks again so that "Ja" retries the save.
// When the club server is unreachable the session also retries by itself
// every few seconds, telling the view once, until the game is stored.
void GameSession::GameOver() {
  auto& winner = game_.players.At(static_cast<std::size_t>(game_.LeaderIndex()));
  const auto matchBefore = match_;
  match_.CountLeg(game_.players, game_.doubleOut, winner);
  const auto outcome = match_.WinLeg(winner);
  const bool matchOver = outcome == LegOutcome::Match;
  winner.wins += matchOver ? 1 : 0;
  const bool countDown = panel_ == ModePanel::CountDown;
  if (countDown) {
    for (auto& player : game_.players) {
      player->legDoubleHits.push_back(std::to_string(player->doubleHits));
      player->legDoubleThrows.push_back(std::to_string(player->doubleThrows));
      player->legAverages.push_back(
          FormatSignificant(player->turns.Average(), 1, options_.numbers));
    }
  }
  finishedUnsaved_ = true;
  try {
    game_.match = CurrentMatchRecord(false);
    game_.SaveGame(true);
  } catch (const ConnectionLost& error) {
    UncountLeg(matchBefore, winner, matchOver);
    gameDecided_ = false;
    if (!std::exchange(awaitingServer_, true)) {
      view_.ShowError(error.what() + std::string(kKeptForServer));
    }
    Schedule(Step::RetrySave, kRetrySaveMilliseconds);
    return;
  } catch (const std::exception& error) {
    UncountLeg(matchBefore, winner, matchOver);
    gameDecided_ = false;
    awaitingServer_ = false;
    view_.ShowError(error.what());
    return;
  }
  finishedUnsaved_ = false;
  awaitingServer_ = false;
  // A winning dart of a human may be taken back where turns may be undone.
  endTakeBack_.reset();
  if (matchOver && game_.undoAllowed && !winner.IsComputer()) {
    endTakeBack_ =
        EndTakeBack{matchBefore, static_cast<std::size_t>(game_.LeaderIndex()), matchOver};
  }
  if (!matchOver) {
    // The next leg starts by itself once its banner has been seen.
    const int milliseconds = BannerMilliseconds();
    view_.ShowBanner(match_.LegBanner(outcome, winner), milliseconds);
    Schedule(Step::NextLeg, milliseconds);
    return;
  }
  AskAfterMatch();
}

void GameSession::UncountLeg(const MatchPlay& matchBefore, Player& winner, bool matchOver) {
  winner.wins -= matchOver ? 1 : 0;
  match_ = matchBefore;
  if (panel_ == ModePanel::CountDown) {
    for (auto& player : game_.players) {
      player->legDoubleHits.pop_back();
      player->legDoubleThrows.pop_back();
      player->legAverages.pop_back();
    }
  }
}

void GameSession::TakeBackEnd() {
  if (!TakeBackOffered()) {
    return;
  }
  Operation operation(*this);
  operation.Run([&] {
    const auto back = *endTakeBack_;
    const Turn winningTurn = game_.players.At(back.winner).turns.Last();
    TakeAnswer(questionToken_);  // the question is answered: its box's answer comes to nothing
    endTakeBack_.reset();
    try {
      game_.RemoveSavedGame(back.matchBefore.IsMatch()
                                ? std::optional(back.matchBefore.Record(DateTimeNow()))
                                : std::nullopt);
    } catch (const std::exception& error) {
      // Nothing was removed: the game stays over and is asked about again.
      view_.ShowError(error.what());
      endTakeBack_ = back;
      AskAfterMatch();
      return;
    }
    UncountLeg(back.matchBefore, game_.players.At(back.winner), back.matchOver);
    ReopenLastTurn(winningTurn);
    Settle();
  });
}

void GameSession::ReopenLastTurn(const Turn& undone) {
  // The deciding check-in leaves the winner on turn; undo takes back the turn
  // before the one on turn.
  game_.NextPlayer();
  UndoOneCheckIn();
  auto& turns = game_.CurrentTurns();
  // Its thrown darts but the last (a booked turn fills the darts not thrown with "na").
  int thrown = 0;
  for (int n = 1; n <= 3; ++n) {
    const auto& dart = undone.Hit(n);
    thrown = dart.HasHit() && dart.hit != kNotThrownCode ? n : thrown;
  }
  for (int n = 1; n < thrown; ++n) {
    turns.current.Hit(n) = undone.Hit(n);
  }
  turns.current.counts = true;
  doubles_.DropCurrent();
  doubles_.Apply(game_.players, game_.CurrentPlayer());
  playerChanged_ = true;
  gameDecided_ = false;
  doubleTarget_.clear();
  proposalFields_ = {};
  UpdateCheckedIn();
}

// Asked once the game is stored: an answer is never lost to a failed save.
void GameSession::AskAfterMatch() {
  const bool countDown = panel_ == ModePanel::CountDown;
  auto gameOverText = game_.GameOverText();
  try {
    const auto outcomes = TrainingOutcomes(game_);
    if (const auto bests = PersonalBestLines(outcomes); !bests.empty()) {
      gameOverText += "\n" + bests;
    }
    if (const auto call = ResultCall(outcomes)) {
      Announce(*call);
    }
  } catch (const std::exception&) {
    // The game is stored; without its earlier bests the message just leaves them out.
  }
  questionOpen_ = true;
  auto answered = [this, token = ++questionToken_](bool goOn) { ContinueAnswered(token, goOn); };
  if (countDown && options_.showSummary) {
    auto summary = BuildSummary(game_.players, gameOverText, options_.numbers);
    if (match_.IsMatch()) {
      summary.match = match_.Summary(options_.numbers);
    }
    view_.ShowSummary(summary, std::move(answered));
    return;
  }
  if (match_.IsMatch()) {
    gameOverText = match_.MatchResultText() + "\n" + gameOverText;
  }
  view_.AskContinue(gameOverText + "\n" + kContinueQuestion, std::move(answered));
}

std::optional<MatchRecord> GameSession::CurrentMatchRecord(bool ended) const {
  if (!match_.IsMatch()) {
    return std::nullopt;
  }
  return match_.Record(DateTimeNow(), ended);
}

int GameSession::BannerMilliseconds() const {
  constexpr int kShortestSeconds = 2;  // long enough to read a name and a distance
  return std::max(options_.secondsForPoints, kShortestSeconds) * 1000;
}

void GameSession::BeginMatch(std::size_t starter) {
  match_.Begin(game_.players, starter, DateTimeNow());
  ArrangePlayers();
}

void GameSession::ArrangePlayers() {
  if (const auto* thrower = match_.BullOffThrower()) {
    int index = 0;
    for (const auto* player : game_.players) {
      if (player == thrower) {
        game_.currentPlayer = index;
      }
      ++index;
    }
  } else {
    match_.ArrangeForLeg(game_.players);
    game_.currentPlayer = 0;
  }
  playerChanged_ = true;
}

// Every bull-off dart stays on the board until the first leg starts.
void GameSession::ThrowBullOff(int x, int y) {
  view_.MarkComputerDart({x, y});
  const auto banner = match_.ThrowBullOff(x, y, options_.numbers);
  const int milliseconds = BannerMilliseconds();
  view_.ShowBanner(banner, milliseconds);
  Schedule(Step::BullOffShown, milliseconds);
}

void GameSession::BullOffShown() {
  if (!BullOffRunning()) {
    view_.ClearDartMarks();
  }
  ArrangePlayers();
  ResetDisplay();
  CallRequiredPoints();
  Settle();
}

bool GameSession::TakeAnswer(unsigned token) {
  if (!questionOpen_ || token != questionToken_) {
    return false;
  }
  questionOpen_ = false;
  return true;
}

void GameSession::ContinueAnswered(unsigned token, bool goOn) {
  if (!TakeAnswer(token)) {
    return;
  }
  Operation operation(*this);
  operation.Run([&] {
    if (goOn) {
      StartNextGame(false);
    } else {
      CloseWith(SessionResult::OK);
    }
  });
}

// The next leg, or the next match of the series with the next player to
// start (or its bull-off); a computer prepares its darts first, away from the window.
void GameSession::StartNextGame(bool nextLeg) {
  view_.ClearDartMarks();
  game_.NewGame();
  if (nextLeg) {
    ArrangePlayers();
  } else {
    BeginMatch(match_.NextMatchStarter());
  }
  doubles_.Clear();
  gameDecided_ = false;
  ResetDisplay();
  hitFields_ = {};
  aimFields_ = {};
  playerChanged_ = true;
  std::vector<ComputerPlayer*> machines;
  for (auto* player : game_.players) {
    if (auto* machine = dynamic_cast<ComputerPlayer*>(player)) {
      machines.push_back(machine);
    }
  }
  if (machines.empty()) {
    FinishNextGame(std::nullopt);
    return;
  }
  pending_ = Step::Preparation;
  const unsigned token = ++stepToken_;
  auto work = [machines](const PreparationProgress& progress,
                         std::stop_token stop) -> std::optional<std::string> {
    for (auto* machine : machines) {
      if (auto failure = machine->PrepareNextGame(progress, stop)) {
        return failure;
      }
    }
    return std::nullopt;
  };
  auto done = [this, token](std::optional<std::string> failure) {
    if (token == stepToken_) {
      preparationFailure_ = std::move(failure);
      StepDue(token);
    }
  };
  // The replay of the best game reads the database, whose connection belongs
  // to this thread (and is quick); the simulation runs on the worker.
  const bool readsDatabase = std::any_of(machines.begin(), machines.end(), [](const auto* machine) {
    return machine->replayBestGame;
  });
  if (readsDatabase || !view_.ShowPreparation([this] { CancelPreparation(); })) {
    done(work({}, {}));
    return;
  }
  if (!preparation_) {
    preparation_ = std::make_unique<PreparationWorker>();
  }
  preparation_->Start(
      std::move(work),
      [this, done = std::move(done)](std::optional<std::string> failure) {
        view_.HidePreparation();
        done(std::move(failure));
      },
      [this](int played, int most) { view_.ShowPreparationProgress(played, most); });
}

// "Abbrechen" while the computer prepares: no next game; the last one is stored.
void GameSession::CancelPreparation() {
  if (pending_ != Step::Preparation) {
    return;
  }
  if (preparation_) {
    preparation_->Cancel();
  }
  view_.HidePreparation();
  Operation operation(*this);
  operation.Run([&] { CloseWith(SessionResult::OK); });
}

// Without darts for the computer there is no next game; the last one is stored.
void GameSession::FinishNextGame(const std::optional<std::string>& failure) {
  if (failure) {
    view_.ShowError(*failure);
    CloseWith(SessionResult::OK);
    return;
  }
  view_.NewGameStarted();
  ResetDisplay();
  playerChanged_ = true;
  CallRequiredPoints();
  Settle();
}

bool GameSession::ConfirmAbort() {
  if (result_) {
    return true;
  }
  if (questionOpen_) {
    return false;
  }
  Operation operation(*this);
  operation.Run([&] {
    suspended_ = true;
    questionOpen_ = true;
    view_.AskAbort(kAbortQuestion, [this, token = ++questionToken_](AbortAnswer answer) {
      AbortAnswered(token, answer);
    });
  });
  return result_.has_value();
}

void GameSession::AbortAnswered(unsigned token, AbortAnswer answer) {
  if (!TakeAnswer(token)) {
    return;
  }
  Operation operation(*this);
  operation.Run([&] {
    switch (answer) {
      case AbortAnswer::Yes:
        try {
          // Stored as it stands; only a game whose deciding turn is booked has a
          // winner. The legs a match finished are stored already.
          game_.match = CurrentMatchRecord(true);
          game_.SaveGame(finishedUnsaved_);
        } catch (const std::exception& error) {
          view_.ShowError(error.what());
          Resume();
          return;
        }
        finishedUnsaved_ = false;
        suspended_ = false;
        gameDecided_ = true;
        CloseWith(SessionResult::Yes);
        return;
      case AbortAnswer::No:
        suspended_ = false;
        gameDecided_ = true;
        CloseWith(SessionResult::No);
        return;
      case AbortAnswer::Cancel:
        Resume();
        return;
    }
  });
}

}  // namespace korvanti
