#pragma once

#include <string>
#include <vector>

#include "engine/AimPoints.h"
#include "platform/Waiting.h"

namespace korvanti {

class GameSession;

struct SummaryRow {
  std::string player;   // nickname and wins
  std::string average;  // mean and the single games
  std::string doubles;  // double rate over the series and per game
};

struct Summary {
  std::string caption;  // "<n> Spiele durchgeführt"
  std::vector<SummaryRow> rows;
  std::string gameOverText;
};

enum class AbortAnswer { Yes, No, Cancel };

// How the game ended for the window: OK (finished, saved), Yes (aborted,
// saved), No (aborted, nothing saved).
enum class SessionResult { OK, Yes, No };

// What the loop of play needs of whoever shows it: the game screen, the
// command-line tool, a test. The session decides; the view shows, asks and waits.
class GameView : public WaitingFacade {
 public:
  // Redraw everything from the session and its game.
  virtual void Refresh(const GameSession& session) = 0;
  // Let pending window events run.
  virtual void ProcessEvents() {}

  // Plays a file of the sounds folder when it is there; never waits for it.
  virtual void PlaySound(const std::string& file) = 0;
  // Shows the points banner and returns when it has closed.
  virtual void ShowBanner(const std::string& text, int milliseconds) = 0;

  // The plain question at the end of a game: true continues.
  virtual bool AskContinue(const std::string& question) = 0;
  // The summary window at the end of a count-down game: true continues.
  virtual bool ShowSummary(const Summary& summary) = 0;
  virtual AbortAnswer AskAbort(const std::string& question) = 0;

  // A computer dart landed here; marks stay until ClearDartMarks.
  virtual void MarkComputerDart(BoardPoint) {}
  virtual void ClearDartMarks() {}
  // The next game of the series has started.
  virtual void NewGameStarted() {}
  // The window closes with this result.
  virtual void Close(SessionResult result) = 0;
};

}  // namespace korvanti
