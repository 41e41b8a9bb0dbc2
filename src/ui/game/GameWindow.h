#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "play/GameSession.h"
#include "play/GameStart.h"
#include "play/GameView.h"
#include "ui/common/Dialogs.h"

class QLabel;
class QPushButton;

namespace korvanti {

class BoardWidget;
class CountDownPanelView;
class CricketPanelView;
class DesignCanvas;
class Dialogs;
class PlayerListView;
class PlayerPictureBox;
class PreparationRunner;
class TargetPanelView;
class PointsBanner;
class TurnAnnouncer;
class WallScoreboardWindow;

// How the start window (or a test) sets the game screen up.
struct GameWindowSetup {
  const HitMap& hitMap;
  // The sounds, pictures, board bitmaps and cursor are looked for here.
  std::filesystem::path programFolder;
  int board = 0;  // options.ini "Board"
  // Tests: every timed step runs at the next turn of the event loop.
  bool instantSteps = false;
  // The question at the end of a count-down series (Yes: another game,
  // Cancel: take the end back); the summary window when unset.
  std::function<DialogAnswer(const Summary&)> askSummary;
};

// The window in which every game is played. It paints what the loop of play
// decides, runs its steps on timers and asks its questions; the rules live
// below it. It owns the started game for the whole series.
class GameWindow : public QWidget, public GameView {
  Q_OBJECT

 public:
  static constexpr QSize kDesignSize{1017, 741};

  GameWindow(StartedGame started, GameWindowSetup setup, Dialogs& dialogs,
             QWidget* parent = nullptr);
  ~GameWindow() override;

  // Shows the window at the design's size or as much of it as the screen has.
  void ShowGame();

  GameSession& Session() { return *session_; }
  const StartedGame& Started() const { return started_; }
  std::optional<SessionResult> Result() const { return session_->Result(); }
  BoardWidget& Board() const { return *board_; }

  // GameView
  void Changed(const GameSession& session) override;
  void After(int milliseconds, std::function<void()> step) override;
  bool ShowPreparation(std::function<void()> cancel) override;
  void ShowPreparationProgress(int done, int total) override;
  void HidePreparation() override;
  void Announce(const Call& call) override;
  void ShowBanner(const std::string& text, int milliseconds) override;
  void AskContinue(const std::string& question, std::function<void(bool)> answered) override;
  void ShowSummary(const Summary& summary, std::function<void(bool)> answered) override;
  void AskAbort(const std::string& question, std::function<void(AbortAnswer)> answered) override;
  void ShowError(const std::string& text) override;
  void ShowNotices(const std::vector<std::string>& texts) override;
  void MarkComputerDart(BoardPoint point) override;
  void ClearDartMarks() override;
  void Close(SessionResult result) override;

 signals:
  void finished(korvanti::SessionResult result);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildLayout();
  void ToggleFullScreen();
  void OpenWallScoreboard();
  // The answer to the end question: Cancel takes the end back.
  void AnswerEnd(DialogAnswer answer, const std::function<void(bool)>& answered);
  void BuildToolBar();
  void BuildTurnFields();
  void BuildInfoLabels();
  void PaintBoard(const Scoreboard& board);
  void FitNameOverBoard();
  void PaintPicture(const Scoreboard& board);
  // Runs a user's act; an error never leaves the handler.
  void Guarded(const std::function<void()>& act);

  StartedGame started_;
  GameWindowSetup setup_;
  Dialogs& dialogs_;
  std::unique_ptr<GameSession> session_;
  std::unique_ptr<TurnAnnouncer> announcer_;
  std::unique_ptr<PreparationRunner> preparation_;
  bool sessionStarted_ = false;

  DesignCanvas* canvas_ = nullptr;
  BoardWidget* board_ = nullptr;
  PointsBanner* banner_ = nullptr;
  QPushButton* checkIn_ = nullptr;
  QPushButton* undo_ = nullptr;
  QPushButton* cancel_ = nullptr;
  std::array<QLabel*, 3> hitFields_{};
  std::array<QLabel*, 3> aimFields_{};
  QLabel* aimCaption_ = nullptr;
  QLabel* currentPlayer_ = nullptr;
  QLabel* pointsCaption_ = nullptr;
  QLabel* points_ = nullptr;
  QLabel* averageCaption_ = nullptr;
  QLabel* average_ = nullptr;
  QLabel* rounds_ = nullptr;
  QLabel* roundsToGo_ = nullptr;
  QLabel* doubleThrow_ = nullptr;
  QLabel* aimHint_ = nullptr;  // where the double marker stands, which only shows without aims
  PlayerPictureBox* picture_ = nullptr;
  CountDownPanelView* countDown_ = nullptr;
  CricketPanelView* cricket_ = nullptr;
  TargetPanelView* target_ = nullptr;
  PlayerListView* players_ = nullptr;
  QPointer<WallScoreboardWindow> wall_;  // "Anzeigetafel", while it is open
};

}  // namespace korvanti
