// The session's timed steps, the end of a game and the abort question.
#include <algorithm>
#include <utility>

#include "computer/ComputerPlayer.h"
#include "play/Announcements.h"
#include "play/GameSession.h"
#include "play/PreparationWorker.h"
#include "play/SessionOperation.h"

namespace korvanti {
namespace {

constexpr char kContinueQuestion[] = "Spiel fortsetzten?";
constexpr char kAbortQuestion[] =
    "Spiel Abbrechen. Bei Ja wird das Spiel für die Statistik gespeichert.\n"
    "Nein für Abruch ohne Speichern, Abbrechen setzt das Spiel fort.";

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

// Counts the win, asks whether to go on and stores the game. A game that
// could not be stored is not given up: the error goes to the view, the series
// figures are taken back, and closing asks again so that "Ja" retries the save.
void GameSession::GameOver() {
  auto& winner = game_.players.At(static_cast<std::size_t>(game_.LeaderIndex()));
  ++winner.wins;
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
    game_.SaveGame(true);
  } catch (const std::exception& error) {
    --winner.wins;
    if (countDown) {
      for (auto& player : game_.players) {
        player->legDoubleHits.pop_back();
        player->legDoubleThrows.pop_back();
        player->legAverages.pop_back();
      }
    }
    gameDecided_ = false;
    view_.ShowError(error.what());
    return;
  }
  finishedUnsaved_ = false;
  // Asked once the game is stored: an answer is never lost to a failed save.
  const auto gameOverText = game_.GameOverText();
  questionOpen_ = true;
  auto answered = [this, token = ++questionToken_](bool goOn) { ContinueAnswered(token, goOn); };
  if (countDown && options_.showSummary) {
    view_.ShowSummary(BuildSummary(game_.players, gameOverText, options_.numbers),
                      std::move(answered));
  } else {
    view_.AskContinue(gameOverText + "\n" + kContinueQuestion, std::move(answered));
  }
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
      StartNextGame();
    } else {
      CloseWith(SessionResult::OK);
    }
  });
}

// The next game of the series, with the players rotated; a computer
// prepares its darts first, away from the window.
void GameSession::StartNextGame() {
  view_.ClearDartMarks();
  game_.NewGame();
  game_.players.Rotate();
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
          // Stored as it stands; only a game whose deciding turn is booked has a winner.
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
