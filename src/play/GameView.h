#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/AimPoints.h"
#include "play/CallerTexts.h"

namespace korvanti {

class GameSession;

struct SummaryRow {
  std::string player;   // nickname and wins
  std::string average;  // mean and the single games
  std::string doubles;  // double rate over the series and per game
};

// The figures of a match just won: its result and a table, a row a player.
struct MatchSummary {
  std::string result;  // "Match an Anna (2:1)"
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;
};

struct Summary {
  std::string caption;  // "<n> Spiele durchgeführt"
  std::vector<SummaryRow> rows;
  std::string gameOverText;
  std::optional<MatchSummary> match;  // at the end of a match of legs
};

enum class AbortAnswer { Yes, No, Cancel };

// How the game ended for the window: OK (finished, saved), Yes (aborted,
// saved), No (aborted, nothing saved).
enum class SessionResult { OK, Yes, No };

// What the loop of play needs of whoever shows it: the game screen, the
// command-line tool, a test. The session decides; the view shows and asks.
// The session never waits: every pause is a step the view runs later.
class GameView {
 public:
  virtual ~GameView() = default;

  // Called once at the end of every operation, when everything is settled.
  virtual void Changed(const GameSession& session) = 0;
  // Runs `step` after the pause (a timer in a window; the tool and the tests
  // run the steps at once, in order). The session has at most one step
  // pending and ignores a step it has withdrawn.
  virtual void After(int milliseconds, std::function<void()> step) = 0;
  // The computer prepares its darts on a worker: the view shows that it waits,
  // offers "Abbrechen" (which calls `cancel`) and returns true. A view whose
  // thread runs no event loop to take the outcome back (the tool, a test)
  // returns false, and the session prepares at once on its own thread.
  virtual bool ShowPreparation(std::function<void()> /*cancel*/) { return false; }
  // How far the preparation shown has come.
  virtual void ShowPreparationProgress(int /*done*/, int /*total*/) {}
  // The preparation shown is over: done, failed or cancelled.
  virtual void HidePreparation() {}

  // A call: its file of the sounds folder when it is there (the session
  // leaves the file out with sounds off), else its words when the caller is
  // on. Calls are heard in order, one after the other; never waits for them.
  virtual void Announce(const Call& call) = 0;
  // Shows the points banner for that long; the session books the turn after it.
  virtual void ShowBanner(const std::string& text, int milliseconds) = 0;

  // The questions never wait: each returns at once and hands its answer to
  // `answered` later (or at once, in the tool and the tests), exactly once.
  // The plain question at the end of a game: true continues.
  virtual void AskContinue(const std::string& question, std::function<void(bool)> answered) = 0;
  // The summary window at the end of a count-down game: true continues.
  virtual void ShowSummary(const Summary& summary, std::function<void(bool)> answered) = 0;
  virtual void AskAbort(const std::string& question, std::function<void(AbortAnswer)> answered) = 0;
  // Something failed (a save, a preparation); the text says what.
  virtual void ShowError(const std::string& text) = 0;
  // The short notices the game logic raised during one operation, together.
  virtual void ShowNotices(const std::vector<std::string>& texts) = 0;

  // A computer dart landed here; marks stay until ClearDartMarks.
  virtual void MarkComputerDart(BoardPoint) {}
  virtual void ClearDartMarks() {}
  // The next game of the series has started.
  virtual void NewGameStarted() {}
  // The window closes with this result; called once.
  virtual void Close(SessionResult result) = 0;
};

}  // namespace korvanti
