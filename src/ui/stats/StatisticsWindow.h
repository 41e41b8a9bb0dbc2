#pragma once

#include <QDialog>
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "engine/GameCatalog.h"
#include "engine/HitMap.h"
#include "report/CsvWriter.h"
#include "report/StatisticsDeletion.h"
#include "report/StatisticsReport.h"
#include "ui/stats/AimBoardPanel.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QTableWidget;
class QAction;
class QHBoxLayout;
class QVBoxLayout;

namespace korvanti {

class Database;
class Dialogs;
class StatisticsRefresher;
class TrendChart;

// Asks where the table goes and returns at once; `chosen` runs with the file
// once one is chosen, never when the choice is cancelled.
using ExportFileChooser =
    std::function<void(QWidget* parent, std::function<void(const QString& file)> chosen)>;
ExportFileChooser SaveDialogChooser();

// What the start window hands the statistics window.
struct StatisticsWindowSetup {
  std::filesystem::path programFolder;         // Korvanti.ini, crosscursor.cur, board bitmaps
  int boardSetting = 0;                        // options.ini "Board"
  int intervalEntry = 0;                       // remembered between openings
  const GameCatalogEntry* gameType = nullptr;  // null: "Alle"
  std::string playerId;                // the player of the overview's current row, when listed
  Dialogs* dialogs = nullptr;          // null: the real message boxes
  ColourChooser chooseColour;          // empty: the colour dialog
  ExportFileChooser chooseExportFile;  // empty: the save dialog
};

// The statistics window: the player's figures per period for a game type,
// where his darts landed when he aimed at a field, or his darts at each double. The tables are
// built on a worker thread with its own connection, and so does the deletion (with a connection of
// its own opened for writing), so it never waits for a read. Closing the window stops a refresh at
// work and drops its result.
class StatisticsWindow : public QDialog {
  Q_OBJECT

 public:
  StatisticsWindow(Database& database, StatisticsWindowSetup setup, QWidget* parent = nullptr);
  ~StatisticsWindow() override;

  int IntervalEntry() const;
  const GameCatalogEntry* GameType() const;  // null: "Alle"

  // Builds the tables again (the "Aktualisieren" button); nothing without a player.
  void RefreshStatistics();
  bool Refreshing() const;

  // What is shown, for the export and for tests.
  const StatisticsTable& ShownTable() const { return shown_; }
  QTableWidget& DetailTable() { return *detailTable_; }
  QTableWidget& AimTable() { return *aimTable_; }
  QTableWidget& DoublesTable() { return *doublesTable_; }
  AimBoardPanel& AimBoard() { return *aimBoard_; }
  TrendChart& Trend() { return *trend_; }

  void done(int result) override;

 signals:
  // A refresh has put its rows on the screen (or failed).
  void refreshed();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildFilters(QWidget* parent, QHBoxLayout& row);
  void BuildToolBar(QVBoxLayout& layout);
  QWidget* BuildDetailPanel();
  QWidget* BuildAimPanel();
  QWidget* BuildDoublesPanel();
  void FillPlayers(const std::string& playerId);
  void SelectGameType(const GameCatalogEntry* type);
  std::string PlayerId() const;
  void ConnectFilters();

  void RefreshIfPlayerChosen();
  void ChangeGameType();
  void ChangeKind();
  void ShowPanels();
  void ClearTables();
  void DateEdited();
  void ShowTable(const StatisticsTable& table, const std::shared_ptr<const ThrowView>& throwView);
  void ShowFailure(const QString& text);
  void AimRowSelected();
  void DeleteStatistics();
  void DeleteSelection(const StatisticsSelection& selection);
  void ExportTableTo(const QString& chosen);
  void DeletionFinished(const QString& error);
  void ExportTable();
  StatisticsView View() const;
  void StoreColours();

  Database& database_;
  StatisticsWindowSetup setup_;
  std::unique_ptr<Dialogs> ownDialogs_;
  Dialogs* dialogs_;
  HitMap hitMap_;
  std::unique_ptr<StatisticsRefresher> refresher_;
  StatisticsTable shown_;
  bool shownOnce_ = false;
  DateTimeNumber refreshedFrom_ = 0;
  DateTimeNumber refreshedTo_ = 0;
  StatisticsCsvHeading exportHeading_;  // the choices the shown table was made for

  QComboBox* type_ = nullptr;
  QComboBox* player_ = nullptr;
  QDateTimeEdit* start_ = nullptr;
  QDateTimeEdit* end_ = nullptr;
  QCheckBox* lastEntry_ = nullptr;
  QButtonGroup* interval_ = nullptr;
  QButtonGroup* kind_ = nullptr;
  QWidget* detailPanel_ = nullptr;
  QWidget* aimPanel_ = nullptr;
  QTableWidget* detailTable_ = nullptr;
  QTableWidget* aimTable_ = nullptr;
  QWidget* doublesPanel_ = nullptr;
  QTableWidget* doublesTable_ = nullptr;
  AimBoardPanel* aimBoard_ = nullptr;
  TrendChart* trend_ = nullptr;
};

struct StatisticsWindowChoice {
  int intervalEntry = 0;
  const GameCatalogEntry* gameType = nullptr;
};

// Opens the statistics window over `parent` and returns at once; `closed`
// gets the interval entry and the type chosen, for the start window to remember.
void ShowStatistics(QWidget* parent, Database& database, const StatisticsWindowSetup& setup,
                    std::function<void(StatisticsWindowChoice)> closed);

}  // namespace korvanti
