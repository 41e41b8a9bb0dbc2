#include "ui/start/StartWindow.h"

#include "ui/stats/StatisticsWindow.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "engine/TrainingFiles.h"
#include "platform/DateTime.h"
#include "platform/IniFile.h"
#include "play/DatabaseSetting.h"
#include "play/OwnScatter.h"
#include "report/PlayerOverview.h"
#include "store/Database.h"
#include "store/Recorder.h"
#include "store/StatisticsQuery.h"
#include "ui/common/Dialogs.h"
#include "ui/common/Icons.h"
#include "ui/common/InfoImage.h"
#include "ui/common/KorvantiLook.h"
#include "ui/common/QtDateTime.h"
#include "ui/game/GameWindow.h"
#include "ui/game/PreparationRunner.h"
#include "ui/game/WaitDialog.h"
#include "ui/start/GamePages.h"
#include "ui/start/InstructionsWindow.h"
#include "ui/start/NewPlayerDialog.h"
#include "ui/start/OverviewView.h"
#include "ui/start/PlayerOverviewModel.h"
#include "ui/start/SettingsDialog.h"
#include "ui/start/StartToolBar.h"
#include "ui/start/TrainingDesignerDialog.h"
#include "ui/stats/StatisticsWindow.h"

namespace korvanti {
namespace {

constexpr int kCaptionColumnWidth = 280;
// Narrower than this the names are cut rather than the figures' captions.
constexpr int kNarrowestCaptionColumn = 160;

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

StartWindow::StartWindow(StartWindowSetup setup, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      setup_(std::move(setup)),
      dialogs_(dialogs),
      runner_(std::make_unique<PreparationRunner>(this)),
      merger_(std::make_unique<GamesMerger>(this)),
      opener_(std::make_unique<DatabaseOpener>(this, dialogs, setup_.askPassword)) {
  setObjectName("StartWindow");
  setWindowTitle(QStringLiteral("Korvanti"));
  setWindowIcon(ApplicationIcon());
  KeepScreenSurface(*this);
  setFont(FiguresTextFont(10));

  auto* layout = new QVBoxLayout(this);
  toolBar_ = new StartToolBar(this);
  layout->addWidget(toolBar_);
  connect(&toolBar_->Action(ToolButton::Start), &QAction::triggered, this,
          &StartWindow::StartNewGame);
  connect(&toolBar_->Action(ToolButton::NewPlayer), &QAction::triggered, this,
          &StartWindow::AddNewPlayer);
  connect(&toolBar_->Action(ToolButton::DeletePlayer), &QAction::triggered, this,
          &StartWindow::DeletePlayer);
  connect(&toolBar_->Action(ToolButton::Statistics), &QAction::triggered, this,
          &StartWindow::ShowStatsForm);
  connect(&toolBar_->Action(ToolButton::MergeGames), &QAction::triggered, this,
          &StartWindow::MergeGames);
  connect(&toolBar_->Action(ToolButton::Settings), &QAction::triggered, this,
          &StartWindow::ShowSettings);
  connect(&toolBar_->Action(ToolButton::Instructions), &QAction::triggered, this,
          &StartWindow::ShowInstructions);

  overview_ = new PlayerOverviewModel(this);
  overviewView_ = new OverviewView(*overview_, this);
  overviewView_->setMinimumHeight(120);
  layout->addWidget(overviewView_, 1);
  connect(overviewView_->horizontalHeader(), &QHeaderView::sectionClicked, this,
          &StartWindow::SortClick);

  BuildOptionRow(*layout);

  pages_ = new GamePages(this);
  pages_->setMinimumHeight(230);
  layout->addWidget(pages_);
  connect(pages_, &GamePages::selectionChanged, this, &StartWindow::SelectTypeClick);
  // Ticks, order and refills change who plays against the computer.
  const auto updateOwnScatter = [this] { UpdateOwnScatter(); };
  connect(overview_, &QAbstractItemModel::dataChanged, this, updateOwnScatter);
  connect(overview_, &QAbstractItemModel::rowsMoved, this, updateOwnScatter);
  connect(overview_, &QAbstractItemModel::layoutChanged, this, updateOwnScatter);
  connect(overview_, &QAbstractItemModel::modelReset, this, updateOwnScatter);
  connect(pages_, &GamePages::designTrainings, this,
          [this] { DesignTrainings(DesignerMode::FreeTrainings); });
  connect(pages_, &GamePages::designLevels, this,
          [this] { DesignTrainings(DesignerMode::PirmelLevels); });
}

StartWindow::~StartWindow() {
  WriteState();
  // Gone while this window is still whole: its end re-enables "Start".
  delete gameWindow_.data();
  // The focus leaving the date field as the window goes must not refill the overview.
  startDate_->disconnect(this);
}

void StartWindow::BuildOptionRow(QVBoxLayout& layout) {
  auto* row = new QHBoxLayout;
  aimInput_ = new QCheckBox(QStringLiteral("Zieleingabe aktivieren"), this);
  aimInput_->setObjectName("chkAimInput");
  aimInput_->setToolTip(QStringLiteral("Wenn gewählt, können die Ziele pro Dart erfasst werden"));
  quickCheckIn_ = new QCheckBox(QStringLiteral("Schnelles Einchecken"), this);
  quickCheckIn_->setObjectName("chkQuickCheckIn");
  quickCheckIn_->setChecked(true);
  startDate_ = new QDateTimeEdit(this);
  startDate_->setObjectName("dtpStartDate");
  startDate_->setAccessibleName(QStringLiteral("Start der Übersichtsstatistik"));
  startDate_->setCalendarPopup(true);
  startDate_->setDisplayFormat(QStringLiteral("dd.MM.yyyy HH:mm"));
  startDate_->setDateTime(ToQDateTime(DateTimeNow()));
  row->addWidget(aimInput_);
  row->addWidget(new InfoImage(
      QStringLiteral("Wenn aktiviert, muss über die rechte Maustaste der Zielpunkt eingegeben "
                     "werden, dies erlaubt später eine etwas detailliertere Auswertung."),
      this));
  row->addSpacing(24);
  row->addWidget(quickCheckIn_);
  row->addWidget(new InfoImage(
      QStringLiteral("Wenn aktiviert, wird nach dem dritten Treffer automatisch eingecheckt, wenn "
                     "die Zieleingabe aktiv ist, dann müssen natürlich noch die Ziele (rechte "
                     "Maustaste) eingegeben werden."),
      this));
  row->addStretch();
  row->addWidget(new QLabel(QStringLiteral("Start der Übersichtsstatistik:"), this));
  row->addWidget(startDate_);
  layout.addLayout(row);
  // A date the user sets is his choice from then on; the figures follow it
  // once he has finished with it.
  connect(startDate_, &QDateTimeEdit::dateTimeChanged, this,
          [this](const QDateTime& value) { options_.startDate = FromQDateTime(value); });
  connect(startDate_, &QDateTimeEdit::editingFinished, this, &StartWindow::StartDateEdited);
  connect(startDate_->calendarWidget(), &QCalendarWidget::clicked, this,
          [this] { QTimer::singleShot(0, this, &StartWindow::StartDateEdited); });
}

void StartWindow::Guarded(const std::function<void()>& act) {
  try {
    act();
  } catch (const std::exception& error) {
    dialogs_.Error(QString::fromUtf8(error.what()));
  }
}

void StartWindow::FormCreate() {
  Guarded([&] {
    for (const char* folder : {"sounds", "pictures"}) {
      std::filesystem::create_directories(setup_.programFolder / folder);
    }
  });
  Guarded([&] { LoadOptions(); });
  optionsLoaded_ = true;
  ApplyColourScheme(options_.colourScheme);
  SetGame(FindCatalogEntry(options_.gameIndex));
  pages_->ShowMatch({options_.legs, options_.sets}, options_.bullOff);
  Guarded([&] { LoadTrainingPresets(); });
  OpenDatabase();
}

// The database of this run (--db), else the one the settings name. Whatever
// was open is closed first, and the overview shows nobody until the new one
// is open: no game starts for players of the database that went.
void StartWindow::OpenDatabase() {
  database_.reset();
  FillPlayerOverview(true);
  const auto localFile = setup_.programFolder / kDatabaseFile;
  const auto opened = [this](std::unique_ptr<Database> database) {
    DatabaseOpened(std::move(database));
  };
  DatabaseAddress address;
  try {
    address = setup_.database ? *setup_.database
                              : DatabaseOfSetting(options_.database, setup_.programFolder);
  } catch (const std::exception& error) {
    opener_->Refuse(QString::fromUtf8(error.what()), localFile, opened);
    return;
  }
  opener_->Open(std::move(address), localFile, opened);
}

// Without a database the window still works: what needs one says so.
void StartWindow::DatabaseOpened(std::unique_ptr<Database> database) {
  database_ = std::move(database);
  Guarded([&] { ShowStartDate(); });
  FillPlayerOverview(true);
}

void StartWindow::ShowCentred() {
  const auto* screen = QGuiApplication::primaryScreen();
  const auto available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1366, 768);
  // Room for the title bar and the frame that the window manager adds.
  const QSize size(std::min(kDesignSize.width(), available.width() - 16),
                   std::min(kDesignSize.height(), available.height() - 48));
  resize(size.expandedTo(minimumSizeHint()));
  move(available.center() - QPoint(width() / 2, height() / 2));
  show();
}

void StartWindow::LoadOptions() {
  options_ = ReadProgramOptions(IniFile(setup_.programFolder / kOptionsFile));
}

// Without a date of the user's the figures start with the stored games, so
// that a new or imported file does not open on zeros.
void StartWindow::ShowStartDate() {
  std::optional<DateTimeNumber> oldestGame;
  if (database_ && !options_.startDate) {
    oldestGame = StatisticsQuery(*database_).OldestGameDate();
  }
  const QSignalBlocker quiet(startDate_);
  startDate_->setDateTime(ToQDateTime(OverviewStartDate(options_, oldestGame, DateTimeNow())));
}

void StartWindow::LoadTrainingPresets() {
  const auto file = setup_.programFolder / kSettingsFile;
  if (std::filesystem::exists(file)) {
    pages_->SetTrainings(IniFile(file).SectionNames());
  }
}

void StartWindow::WriteState() {
  if (!optionsLoaded_) {
    return;
  }
  try {
    const auto* game = SelectedGame();
    options_.gameIndex = game != nullptr ? game->index : -1;
    const auto choices = pages_->Choices(options_.masterOut);
    options_.legs = choices.match.legs;
    options_.sets = choices.match.sets;
    options_.bullOff = choices.bullOff;
    IniFile file(setup_.programFolder / kOptionsFile);
    WriteStartWindowState(file, options_);
  } catch (const std::exception& error) {
    dialogs_.Error(QString::fromUtf8(error.what()));
  }
}

void StartWindow::SetGame(const GameCatalogEntry* entry) {
  pages_->Select(entry);
}

const GameCatalogEntry* StartWindow::SelectedGame() const {
  return pages_->SelectedEntry();
}

void StartWindow::SelectTypeClick() {
  if (!DefaultAimInput(SelectedGame())) {
    aimInput_->setChecked(false);
  } else if (!options_.noAutoAimInput) {
    aimInput_->setChecked(true);
  }
  FillPlayerOverview(false);
  UpdateOwnScatter();
}

// "Streuung aus meinen Würfen" for the player the computer would measure
// itself against; a failing look-up only disables the box.
void StartWindow::UpdateOwnScatter() {
  const auto request = Request();
  const auto* reference = ComputerReference(request);
  try {
    pages_->SetOwnScatterUnavailable(
        OwnScatterUnavailable(SelectedGame(), database_.get(),
                              reference != nullptr ? reference->playerId : std::string()));
  } catch (const std::exception& error) {
    pages_->SetOwnScatterUnavailable(error.what());
  }
}

void StartWindow::StartDateEdited() {
  if (startDate_->dateTime() != filledDate_) {
    FillPlayerOverview(false);
  }
}

void StartWindow::FillPlayerOverview(bool full) {
  Guarded([&] {
    const auto* entry = SelectedGame();
    const auto columns = OverviewColumns(entry);
    filledDate_ = startDate_->dateTime();
    std::vector<OverviewRow> rows;
    if (database_) {
      rows = PlayerOverview(*database_, entry, FromQDateTime(filledDate_), DateTimeNow());
    }
    if (full) {
      overview_->Replace(columns, rows);
      overviewView_->horizontalHeader()->setSortIndicatorShown(false);
    } else {
      overview_->Refigure(columns, rows);
    }
    auto* header = overviewView_->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Stretch);
    header->setSectionResizeMode(0, QHeaderView::Interactive);
    FitCaptionColumn();
  });
}

// The names give up room while the figures' captions would be cut. The
// figures' columns share the rest equally: each needs the widest caption.
void StartWindow::FitCaptionColumn() {
  auto* header = overviewView_->horizontalHeader();
  int widest = 0;
  for (int column = 1; column < header->count(); ++column) {
    widest = std::max(widest, header->sectionSizeHint(column));
  }
  const int room = overviewView_->viewport()->width() - (header->count() - 1) * widest;
  header->resizeSection(0, std::clamp(room, kNarrowestCaptionColumn, kCaptionColumnWidth));
}

void StartWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FitCaptionColumn();
}

void StartWindow::SortClick(int column) {
  sort_.Click(column);
  auto* header = overviewView_->horizontalHeader();
  header->setSortIndicatorShown(true);
  header->setSortIndicator(column, sort_.Descending() ? Qt::DescendingOrder : Qt::AscendingOrder);
  overview_->SortBy(column, sort_.Descending());
}

StartRequest StartWindow::Request() const {
  StartRequest request;
  request.game = SelectedGame();
  for (const auto& row : overview_->Rows()) {
    if (row.ticked) {
      request.players.push_back({row.playerId, {}, row.referenceAverage, row.referenceAverage501});
    }
  }
  request.options = pages_->Choices(options_.masterOut);
  request.computer = pages_->ComputerChoices();
  request.aimInput = aimInput_->isChecked();
  request.quickCheckIn = quickCheckIn_->isChecked();
  return request;
}

void StartWindow::StartNewGame() {
  if (gameWindow_ != nullptr || preparing_ != nullptr) {
    return;
  }
  Guarded([&] {
    const StartEnvironment environment{setup_.hitMap, setup_.random, setup_.programFolder,
                                       database_.get(), nullptr};
    auto result = BuildGame(Request(), options_, environment);
    if (const auto* refusal = std::get_if<StartRefusal>(&result)) {
      if (refusal->reason == StartRefusal::Reason::Storage) {
        dialogs_.Error(Text(refusal->message));
      } else {
        dialogs_.Information(Text(refusal->message));
      }
      return;
    }
    Prepare(std::make_unique<StartedGame>(std::move(std::get<StartedGame>(result))));
  });
}

void StartWindow::Prepare(std::unique_ptr<StartedGame> started) {
  if (started->Computer() == nullptr) {
    OpenGameWindow(std::move(*started));
    return;
  }
  if (started->PreparationReadsDatabase()) {
    // The replay reads the database, whose connection belongs to this thread; it is quick.
    if (const auto failure = started->PrepareComputer()) {
      dialogs_.Information(Text(*failure));
      return;
    }
    OpenGameWindow(std::move(*started));
    return;
  }
  preparing_ = std::move(started);
  toolBar_->Action(ToolButton::Start).setEnabled(false);
  auto* game = preparing_.get();
  runner_->Run(
      [game](const PreparationProgress& progress, std::stop_token stop) {
        return game->PrepareComputer(progress, std::move(stop));
      },
      [this](std::optional<std::string> failure) {
        auto started = std::move(preparing_);
        if (failure) {
          toolBar_->Action(ToolButton::Start).setEnabled(true);
          dialogs_.Information(Text(*failure));
          return;
        }
        Guarded([&] { OpenGameWindow(std::move(*started)); });
      },
      [this] {
        // "Abbrechen": the work has stopped; no game starts.
        preparing_.reset();
        toolBar_->Action(ToolButton::Start).setEnabled(true);
      });
}

void StartWindow::OpenGameWindow(StartedGame started) {
  auto& start = toolBar_->Action(ToolButton::Start);
  start.setEnabled(false);
  GameWindowSetup setup{setup_.hitMap, setup_.programFolder, options_.board, setup_.instantSteps,
                        setup_.askSummary};
  auto* window = new GameWindow(std::move(started), std::move(setup), dialogs_, this);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowModality(Qt::ApplicationModal);
  connect(window, &GameWindow::finished, this, &StartWindow::GameWindowFinished);
  connect(window, &QObject::destroyed, this,
          [this] { toolBar_->Action(ToolButton::Start).setEnabled(true); });
  gameWindow_ = window;
  window->ShowGame();
  emit gameWindowShown();
}

void StartWindow::GameWindowFinished(SessionResult /*result*/) {
  // Every game of a series is stored as it ends, so even a screen closed
  // without saving its last game may have changed the figures.
  FillPlayerOverview(false);
}

void StartWindow::AddNewPlayer() {
  Guarded([&] {
    if (!database_) {
      dialogs_.Error(QStringLiteral("Die Datenbank ist nicht geöffnet."));
      return;
    }
    StatisticsQuery query(*database_);
    std::vector<std::string> nicknames;
    for (const auto& id : query.PlayerIdsByNickname()) {
      if (const auto names = query.GetPlayerNames(id)) {
        nicknames.push_back(names->nickname);
      }
    }
    AskNewPlayer(this, setup_.programFolder, std::move(nicknames), dialogs_,
                 [this](std::optional<PlayerEntry> entry) {
                   if (entry) {
                     Guarded([&] { AppendPlayer(*entry); });
                   }
                 });
  });
}

void StartWindow::AppendPlayer(const PlayerEntry& entry) {
  if (!database_) {
    return;
  }
  const auto id =
      Recorder(*database_).AppendPlayer(entry.firstName, entry.lastName, entry.nickname);
  FillPlayerOverview(true);
  if (const auto row = overview_->RowOf(id)) {
    overviewView_->SelectRow(*row);
  }
}

void StartWindow::DeletePlayer() {
  const int row = overviewView_->SelectedRow();
  if (row < 0 || !database_) {
    return;
  }
  const auto playerId = overview_->Rows()[static_cast<std::size_t>(row)].playerId;
  dialogs_.YesNo(QStringLiteral("Soll der ausgewählte Spieler tatsächlich gelöscht werden?"),
                 [this, playerId](bool yes) {
                   if (!yes || !database_) {
                     return;
                   }
                   Guarded([&] {
                     Recorder(*database_).DeletePlayerAndThrows(playerId);
                     FillPlayerOverview(true);
                   });
                 });
}

// The statistics window opens on the player of the selected row; its last
// interval and type are kept in options.ini. A deletion there may change the
// overview's figures.
void StartWindow::ShowStatsForm() {
  if (!database_) {
    dialogs_.Error(QStringLiteral("Die Datenbank ist nicht geöffnet."));
    return;
  }
  Guarded([&] {
    StatisticsWindowSetup setup;
    setup.programFolder = setup_.programFolder;
    setup.boardSetting = options_.board;
    setup.intervalEntry = options_.statisticsInterval;
    setup.gameType = StatisticsTypeOfNumber(options_.statisticsGameType);
    setup.dialogs = &dialogs_;
    if (const int row = overviewView_->SelectedRow(); row >= 0) {
      setup.playerId = overview_->Rows()[static_cast<std::size_t>(row)].playerId;
    }
    ShowStatistics(this, *database_, setup, [this](StatisticsWindowChoice choice) {
      Guarded([&] {
        options_.statisticsInterval = choice.intervalEntry;
        options_.statisticsGameType = StatisticsTypeNumber(choice.gameType);
        IniFile file(setup_.programFolder / kOptionsFile);
        WriteStatisticsChoice(file, options_);
        FillPlayerOverview(false);
      });
    });
  });
}

void StartWindow::MergeGames() {
  if (!database_) {
    dialogs_.Error(QStringLiteral("Die Datenbank ist nicht geöffnet."));
    return;
  }
  if (merger_->IsRunning()) {
    return;
  }
  const auto choose = setup_.chooseMergeFile ? setup_.chooseMergeFile : MergeDialogChooser();
  choose(this, [this](const std::filesystem::path& source) { MergeFile(source); });
}

// The new players and their figures show at once; without a date of the
// user's, the figures start with the oldest game, which may now be older.
void StartWindow::MergeFile(const std::filesystem::path& source) {
  if (!database_ || merger_->IsRunning()) {
    return;
  }
  merger_->Run(database_->Address(), source, [this](const MergeOutcome& outcome) {
    if (outcome.failed) {
      dialogs_.Error(outcome.text);
      return;
    }
    Guarded([&] { ShowStartDate(); });
    FillPlayerOverview(true);
    dialogs_.Information(outcome.text);
  });
}

void StartWindow::ShowSettings() {
  Guarded([&] {
    EditSettings(this, setup_.programFolder / kOptionsFile, dialogs_, options_,
                 [this](ProgramOptions edited) {
                   const bool otherDatabase = edited.database != options_.database;
                   options_ = std::move(edited);
                   if (otherDatabase) {
                     // The user's choice now counts for this run too, --db or not.
                     setup_.database.reset();
                     OpenDatabase();
                   }
                 });
  });
}

void StartWindow::DesignTrainings(DesignerMode mode) {
  Guarded([&] {
    korvanti::DesignTrainings(mode, setup_.programFolder, options_.board, setup_.hitMap, dialogs_,
                              this, [this, mode] {
                                if (mode == DesignerMode::FreeTrainings) {
                                  Guarded([&] { LoadTrainingPresets(); });
                                }
                              });
  });
}

void StartWindow::ShowInstructions() {
  korvanti::ShowInstructions(this);
}

}  // namespace korvanti
