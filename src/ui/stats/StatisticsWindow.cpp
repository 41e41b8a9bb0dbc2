#include "ui/stats/StatisticsWindow.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QSaveFile>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <sstream>

#include "engine/TrainingFiles.h"
#include "platform/Error.h"
#include "platform/IniFile.h"
#include "report/CsvWriter.h"
#include "report/DotColours.h"
#include "report/StatisticsDeletion.h"
#include "report/StatisticsPlayers.h"
#include "report/StatisticsReport.h"
#include "report/StatisticsTrend.h"
#include "store/Database.h"
#include "ui/board/BoardCursor.h"
#include "ui/board/BoardPicture.h"
#include "ui/board/BoardWidget.h"
#include "ui/common/Dialogs.h"
#include "ui/common/KorvantiLook.h"
#include "ui/common/OpenDialog.h"
#include "ui/common/QtDateTime.h"
#include "ui/stats/StatisticsRefresher.h"
#include "ui/stats/StatisticsTableView.h"
#include "ui/stats/TrendChart.h"

namespace korvanti {
namespace {

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

// What a frame and title bar take, as Qt guesses it before the window manager says.
const QSize kFrameAllowance(10, 40);

}  // namespace

ExportFileChooser SaveDialogChooser() {
  return [](QWidget* parent, std::function<void(const QString&)> chosen) {
    auto* dialog = new QFileDialog(parent, QStringLiteral("Exportieren"), {},
                                   QStringLiteral("CSV-Dateien (*.csv)"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("csv"));  // asks about the name it writes
    OpenDialog(dialog, [dialog, chosen = std::move(chosen)](int result) {
      const auto files = dialog->selectedFiles();
      if (result == QDialog::Accepted && !files.isEmpty() && !files.first().isEmpty()) {
        chosen(files.first());
      }
    });
  };
}

StatisticsWindow::StatisticsWindow(Database& database, StatisticsWindowSetup setup, QWidget* parent)
    : QDialog(parent),
      database_(database),
      setup_(std::move(setup)),
      ownDialogs_(setup_.dialogs ? nullptr : std::make_unique<MessageBoxDialogs>(this)),
      dialogs_(setup_.dialogs ? setup_.dialogs : ownDialogs_.get()),
      refresher_(std::make_unique<StatisticsRefresher>(database.Address(), hitMap_)) {
  setObjectName("StatisticsWindow");
  setWindowTitle(QStringLiteral("Korvanti"));
  setWindowFlag(Qt::Window);
  setFont(FiguresTextFont(9));
  KeepScreenSurface(*this);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 0, 6, 6);
  layout->setSpacing(4);
  BuildToolBar(*layout);
  auto* filters = new QHBoxLayout;
  BuildFilters(this, *filters);
  layout->addLayout(filters);
  layout->addWidget(BuildDetailPanel(), 1);
  layout->addWidget(BuildAimPanel(), 1);
  layout->addWidget(BuildDoublesPanel(), 1);

  if (!setup_.chooseExportFile) {
    setup_.chooseExportFile = SaveDialogChooser();
  }
  aimBoard_->SetPicture(BoardPicture::ForSetting(setup_.boardSetting, setup_.programFolder));
  aimBoard_->SetBoardCursor(LoadBoardCursor(setup_.programFolder));
  aimBoard_->SetColours(LoadDotColours(IniFile(setup_.programFolder / std::string(kLevelFile)),
                                       aimBoard_->Colours()));

  const auto now = DateTimeNow();
  end_->setDateTime(ToQDateTime(now));
  start_->setDateTime(ToQDateTime(IncMonth(now, -1)));
  SelectGameType(setup_.gameType);
  interval_->button(std::clamp(setup_.intervalEntry, 0, 3))->setChecked(true);
  kind_->button(1)->setChecked(true);
  FillPlayers(setup_.playerId);
  ShowPanels();
  ConnectFilters();

  connect(refresher_.get(), &StatisticsRefresher::finished, this, &StatisticsWindow::ShowTable);
  connect(refresher_.get(), &StatisticsRefresher::failed, this, &StatisticsWindow::ShowFailure);
  connect(refresher_.get(), &StatisticsRefresher::deletionFinished, this,
          &StatisticsWindow::DeletionFinished);

  // Wide enough for the widest table with its period columns; a smaller
  // screen gets a smaller window (the detailed tables then scroll), with room
  // left for the frame and title bar that the window manager adds around it.
  QSize size(1320, 728);
  if (const auto* shownOn = screen()) {  // the start window's screen
    size = size.boundedTo(shownOn->availableGeometry().size() - kFrameAllowance);
  }
  resize(size);
}

StatisticsWindow::~StatisticsWindow() = default;

void StatisticsWindow::FillPlayers(const std::string& playerId) {
  for (const auto& player : StatisticsPlayers(database_)) {
    player_->addItem(Text(player.nickname), Text(player.playerId));
  }
  player_->setCurrentIndex(player_->findData(Text(playerId)));
}

std::string StatisticsWindow::PlayerId() const {
  return player_->currentData().toString().toStdString();
}

void StatisticsWindow::SelectGameType(const GameCatalogEntry* type) {
  type_->setCurrentIndex(std::max(0, type_->findData(type != nullptr ? type->index : 0)));
}

void StatisticsWindow::ConnectFilters() {
  connect(player_, &QComboBox::currentIndexChanged, this, &StatisticsWindow::RefreshIfPlayerChosen);
  connect(type_, &QComboBox::currentIndexChanged, this, &StatisticsWindow::ChangeGameType);
  connect(interval_, &QButtonGroup::idClicked, this, &StatisticsWindow::RefreshIfPlayerChosen);
  connect(kind_, &QButtonGroup::idClicked, this, &StatisticsWindow::ChangeKind);
  connect(lastEntry_, &QCheckBox::toggled, this, &StatisticsWindow::RefreshIfPlayerChosen);
  for (auto* date : {start_, end_}) {
    connect(date, &QDateTimeEdit::editingFinished, this, &StatisticsWindow::DateEdited);
    connect(date->calendarWidget(), &QCalendarWidget::clicked, this, &StatisticsWindow::DateEdited);
  }
  connect(aimBoard_, &AimBoardPanel::selectionChanged, this, [this] {
    aimBoard_->ShowDots(nullptr);
    aimTable_->setRowCount(0);
    RefreshIfPlayerChosen();
  });
  connect(aimTable_, &QTableWidget::itemSelectionChanged, this, &StatisticsWindow::AimRowSelected);
}

void StatisticsWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!shownOnce_) {
    shownOnce_ = true;
    RefreshIfPlayerChosen();
  }
}

int StatisticsWindow::IntervalEntry() const {
  return interval_->checkedId();
}

const GameCatalogEntry* StatisticsWindow::GameType() const {
  return FindCatalogEntry(type_->currentData().toInt());
}

StatisticsView StatisticsWindow::View() const {
  switch (kind_->checkedId()) {
    case 0:
      return StatisticsView::Detail;
    case 2:
      return StatisticsView::Doubles;
    default:
      break;
  }
  return StatisticsView::AimAndHit;
}

bool StatisticsWindow::Refreshing() const {
  return refresher_->Busy();
}

void StatisticsWindow::RefreshIfPlayerChosen() {
  if (player_->currentIndex() >= 0) {
    RefreshStatistics();
  }
}

void StatisticsWindow::ChangeGameType() {
  if (GameType() == nullptr && View() == StatisticsView::Detail) {
    kind_->button(1)->setChecked(true);
  }
  if (View() == StatisticsView::AimAndHit) {
    aimBoard_->SetSelectionQuietly(QStringLiteral("Alle"));
  }
  ShowPanels();
  RefreshIfPlayerChosen();
}

void StatisticsWindow::ChangeKind() {
  if (View() == StatisticsView::Detail && GameType() == nullptr) {
    const QSignalBlocker blocker(type_);
    SelectGameType(StatisticsTypes().front());
  }
  ShowPanels();
  RefreshIfPlayerChosen();
}

void StatisticsWindow::ShowPanels() {
  // Hide before showing: with two shown for a moment the window would grow
  // to hold both panels, past the bottom of a small screen.
  const auto view = View();
  auto* shown = view == StatisticsView::Detail    ? detailPanel_
                : view == StatisticsView::Doubles ? doublesPanel_
                                                  : aimPanel_;
  for (auto* panel : {detailPanel_, aimPanel_, doublesPanel_}) {
    if (panel != shown) {
      panel->setVisible(false);
    }
  }
  shown->setVisible(true);
}

void StatisticsWindow::DateEdited() {
  const auto from = FromQDateTime(start_->dateTime());
  const auto to = FromQDateTime(end_->dateTime());
  if (from != refreshedFrom_ || to != refreshedTo_) {
    RefreshIfPlayerChosen();
  }
}

void StatisticsWindow::ClearTables() {
  shown_ = {};
  detailTable_->setRowCount(0);
  aimTable_->setRowCount(0);
  doublesTable_->setRowCount(0);
  trend_->Clear();
  aimBoard_->ShowDots(nullptr);
  aimBoard_->ShowThrow(nullptr);
}

void StatisticsWindow::RefreshStatistics() {
  if (player_->currentIndex() < 0) {
    return;
  }
  const auto* type = GameType();
  StatisticsRequest request;
  request.playerId = PlayerId();
  request.gameTypeKey = type != nullptr ? std::string(type->gameTypeKey) : std::string();
  request.from = FromQDateTime(start_->dateTime());
  request.to = FromQDateTime(end_->dateTime());
  request.interval = static_cast<StatisticsInterval>(interval_->checkedId());
  request.lastEntry = lastEntry_->isChecked();
  request.view = View();
  request.field = aimBoard_->Selection().toStdString();
  refreshedFrom_ = request.from;
  refreshedTo_ = request.to;
  exportHeading_ = {player_->currentText().toStdString(), type_->currentText().toStdString(),
                    interval_->checkedButton()->text().toStdString(), request.field};
  ClearTables();
  ShowPanels();
  setCursor(Qt::WaitCursor);
  refresher_->Request(request);
}

void StatisticsWindow::ShowTable(const StatisticsTable& table,
                                 const std::shared_ptr<const ThrowView>& throwView) {
  unsetCursor();
  shown_ = table;
  aimBoard_->ShowThrow(throwView);
  const bool aim = table.kind == StatisticsTableKind::AimAndHit;
  const bool doubles = table.kind == StatisticsTableKind::Doubles;
  auto& widget = aim ? *aimTable_ : doubles ? *doublesTable_ : *detailTable_;
  {
    const QSignalBlocker blocker(aimTable_);
    FillReportTable(widget, table);
  }
  if (doubles) {
    doublesTable_->setFixedWidth(WidthOfAllColumns(*doublesTable_));  // four narrow columns
  } else if (!aim) {
    trend_->Show(TrendOf(table));
  } else {
    // The board beside it gives way: the period columns are read, not scrolled to.
    aimTable_->setMinimumWidth(WidthOfAllColumns(*aimTable_));
  }
  if (widget.rowCount() > 0 && !doubles) {
    widget.selectRow(widget.rowCount() - 1);  // the last row is focused and drawn
    widget.scrollToBottom();
  }
  emit refreshed();
}

void StatisticsWindow::ShowFailure(const QString& text) {
  unsetCursor();
  dialogs_->Error(text);
  emit refreshed();
}

void StatisticsWindow::AimRowSelected() {
  const int row = aimTable_->currentRow();
  const auto rows = aimTable_->selectionModel()->selectedRows();
  if (rows.isEmpty() || row < 0 || shown_.kind != StatisticsTableKind::AimAndHit ||
      row >= static_cast<int>(shown_.rows.size())) {
    aimBoard_->ShowDots(nullptr);
    return;
  }
  aimBoard_->ShowDots(&shown_.rows[static_cast<std::size_t>(row)].row.dots);
}

void StatisticsWindow::DeleteStatistics() {
  if (player_->currentIndex() < 0) {
    return;
  }
  const auto* type = GameType();
  StatisticsSelection selection;
  selection.playerId = PlayerId();
  selection.nickname = player_->currentText().toStdString();
  selection.gameTypeKey = type != nullptr ? std::string(type->gameTypeKey) : std::string();
  // What goes is what the table counts.
  selection.from = CountedFrom(static_cast<StatisticsInterval>(interval_->checkedId()),
                               FromQDateTime(start_->dateTime()));
  selection.to = FromQDateTime(end_->dateTime());
  QString question;
  try {
    question = Text(DeletionQuestion(database_, selection));
  } catch (const std::exception& error) {
    dialogs_->Error(Text(error.what()));
    return;
  }
  dialogs_->YesNo(question, [self = QPointer(this), selection](bool yes) {
    if (self && yes) {
      self->DeleteSelection(selection);
    }
  });
}

// Where the reads run: a refresh at work there stops first, and no read lock
// of it can hold the deletion up.
void StatisticsWindow::DeleteSelection(const StatisticsSelection& selection) {
  setCursor(Qt::WaitCursor);
  refresher_->Delete(selection);
}

void StatisticsWindow::DeletionFinished(const QString& error) {
  unsetCursor();
  if (!error.isEmpty()) {
    dialogs_->Error(error);
  }
  RefreshStatistics();  // the tables show what is left
}

void StatisticsWindow::ExportTable() {
  setup_.chooseExportFile(this, [self = QPointer(this)](const QString& file) {
    if (self) {
      self->ExportTableTo(file);
    }
  });
}

void StatisticsWindow::ExportTableTo(const QString& chosen) {
  // A name typed without an extension would give a file nothing opens as a table.
  const auto file = QFileInfo(chosen).suffix().isEmpty()
                        ? chosen + (chosen.endsWith('.') ? "csv" : ".csv")
                        : chosen;
  std::ostringstream csv;
  WriteStatisticsCsv(csv, shown_, exportHeading_);
  const auto bytes = csv.str();
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly) ||
      out.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size()) ||
      !out.commit()) {
    dialogs_->Error(QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden: %2")
                        .arg(file, out.errorString()));
    return;
  }
  dialogs_->Information(QStringLiteral("Die Tabelle wurde in \"%1\" gespeichert.")
                            .arg(QDir::toNativeSeparators(file)));
}

void StatisticsWindow::StoreColours() {
  try {
    IniFile file(setup_.programFolder / std::string(kLevelFile));
    StoreDotColours(file, aimBoard_->Colours());
  } catch (const std::exception& error) {
    dialogs_->Error(Text(error.what()));
  }
}

void StatisticsWindow::done(int result) {
  refresher_->Cancel();
  unsetCursor();
  StoreColours();
  QDialog::done(result);
}

void ShowStatistics(QWidget* parent, Database& database, const StatisticsWindowSetup& setup,
                    std::function<void(StatisticsWindowChoice)> closed) {
  auto* window = new StatisticsWindow(database, setup, parent);
  OpenDialog(window, [window, closed = std::move(closed)](int) {
    closed({window->IntervalEntry(), window->GameType()});
  });
}

}  // namespace korvanti