#pragma once

#include <QDateTime>
#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "engine/HitMap.h"
#include "platform/Random.h"
#include "play/GameStart.h"
#include "play/GameView.h"
#include "play/PlayerEntry.h"
#include "play/ProgramOptions.h"
#include "play/TrainingDesigner.h"
#include "report/OverviewSort.h"
#include "store/DatabaseAddress.h"
#include "ui/common/Dialogs.h"
#include "ui/game/GameWindow.h"
#include "ui/start/DatabaseOpener.h"
#include "ui/start/GamesMerger.h"

class QCheckBox;
class QDateTimeEdit;
class QVBoxLayout;

namespace korvanti {

class Database;
class Dialogs;
class GamePages;
class PlayerOverviewModel;
class OverviewView;
class PreparationRunner;
class StartToolBar;

// What the program (or a test) hands the start window.
struct StartWindowSetup {
  std::filesystem::path programFolder;
  const HitMap& hitMap;
  UniformRandom& random;
  // Tests: the game screen runs its timed steps at once and answers the
  // question at the end of a series here.
  bool instantSteps = false;
  std::function<DialogAnswer(const Summary&)> askSummary;
  // Tests: the file "Spiele übernehmen…" takes the games from; without, the file dialog.
  MergeFileChooser chooseMergeFile = {};
  // The database of this run (--db); without, the one options.ini names.
  std::optional<DatabaseAddress> database = {};
  // Tests: the club server's password; without, the password dialog.
  PasswordAsker askPassword = {};
};

// The program's main window: the player overview, the game lists with their
// options, and the tool bar that starts games and opens the dialogs. It owns
// the database connection and options.ini for the whole run; the database
// changes when the settings name another one.
class StartWindow final : public QWidget {
  Q_OBJECT

 public:
  static constexpr QSize kDesignSize{1017, 732};

  // `dialogs` shows every message; it must outlive the window.
  StartWindow(StartWindowSetup setup, Dialogs& dialogs, QWidget* parent = nullptr);
  // Writes the overview's start date and the selected entry to options.ini.
  ~StartWindow() override;

  // The start: folders, options, the stored entry, the free trainings, the
  // database and the overview. A failure is shown and skips the steps that
  // need what failed. The overview may fill later, once the club server's
  // password has been asked for.
  void FormCreate();
  // Shows the window at the design's size, or smaller on a small screen, centred.
  void ShowCentred();

  void SetGame(const GameCatalogEntry* entry);
  const GameCatalogEntry* SelectedGame() const;
  void FillPlayerOverview(bool full);
  void FitCaptionColumn();
  void StartNewGame();
  void AddNewPlayer();
  void AppendPlayer(const PlayerEntry& entry);
  void DeletePlayer();
  void ShowStatsForm();
  // "Spiele übernehmen…": asks for another board's file and merges its games.
  void MergeGames();
  void MergeFile(const std::filesystem::path& source);
  void ShowSettings();
  void ShowInstructions();
  // "Erstellen..." and "...": the training designer, modal; the free
  // trainings are read anew when it closes.
  void DesignTrainings(DesignerMode mode);

  const ProgramOptions& Options() const { return options_; }
  Database* DatabaseOrNull() const { return database_.get(); }
  PlayerOverviewModel& Overview() const { return *overview_; }
  OverviewView& Table() const { return *overviewView_; }
  GamePages& Pages() const { return *pages_; }
  StartToolBar& ToolBar() const { return *toolBar_; }
  QCheckBox& AimInput() const { return *aimInput_; }
  QDateTimeEdit& StartDate() const { return *startDate_; }
  // The game screen while it is open.
  GameWindow* ShownGameWindow() const { return gameWindow_; }

 signals:
  // The game screen is up (tests wait for it).
  void gameWindowShown();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildOptionRow(QVBoxLayout& layout);
  void OpenDatabase();
  void DatabaseOpened(std::unique_ptr<Database> database);
  void LoadOptions();
  void ShowStartDate();
  void LoadTrainingPresets();
  void SelectTypeClick();
  void UpdateOwnScatter();
  void SortClick(int column);
  void StartDateEdited();
  void WriteState();
  StartRequest Request() const;
  void Prepare(std::unique_ptr<StartedGame> started);
  void OpenGameWindow(StartedGame started);
  void GameWindowFinished(SessionResult result);
  void Guarded(const std::function<void()>& act);

  StartWindowSetup setup_;
  Dialogs& dialogs_;
  ProgramOptions options_;
  bool optionsLoaded_ = false;
  std::unique_ptr<Database> database_;
  // The game whose computer prepares; the runner below may be working on it.
  std::unique_ptr<StartedGame> preparing_;
  std::unique_ptr<PreparationRunner> runner_;
  std::unique_ptr<GamesMerger> merger_;
  std::unique_ptr<DatabaseOpener> opener_;

  OverviewSortState sort_;
  // The start date of the figures shown.
  QDateTime filledDate_;

  StartToolBar* toolBar_ = nullptr;
  PlayerOverviewModel* overview_ = nullptr;
  OverviewView* overviewView_ = nullptr;
  QCheckBox* aimInput_ = nullptr;
  QCheckBox* quickCheckIn_ = nullptr;
  QDateTimeEdit* startDate_ = nullptr;
  GamePages* pages_ = nullptr;
  QPointer<GameWindow> gameWindow_;
};

}  // namespace korvanti
