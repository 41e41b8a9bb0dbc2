// The controls of the statistics window and where they sit.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSplitter>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "engine/GameCatalog.h"
#include "ui/common/Icons.h"
#include "ui/stats/StatisticsTableView.h"
#include "ui/stats/StatisticsWindow.h"
#include "ui/stats/TrendChart.h"

namespace korvanti {
namespace {

QGroupBox* RadioGroup(QWidget* parent, const QString& title, const QStringList& captions,
                      QButtonGroup*& group) {
  auto* box = new QGroupBox(title, parent);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(4, 2, 4, 2);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(0);
  group = new QButtonGroup(box);
  for (int i = 0; i < captions.size(); ++i) {
    auto* button = new QRadioButton(captions[i], box);
    group->addButton(button, i);
    grid->addWidget(button, i / 2, i % 2);  // two columns
  }
  return box;
}

}  // namespace

void StatisticsWindow::BuildToolBar(QVBoxLayout& layout) {
  auto* bar = new QToolBar(this);
  bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  bar->setIconSize(QSize(24, 24));
  auto* close = bar->addAction(KorvantiIcon(IconRole::Close), QStringLiteral("Beenden"));
  close->setObjectName("btnclose");
  connect(close, &QAction::triggered, this, &QDialog::reject);
  auto* refresh = bar->addAction(KorvantiIcon(IconRole::Refresh), QStringLiteral("Aktualisieren"));
  refresh->setObjectName("btnRefresh");
  connect(refresh, &QAction::triggered, this, &StatisticsWindow::RefreshStatistics);
  auto* remove = bar->addAction(KorvantiIcon(IconRole::Delete), QStringLiteral("Löschen"));
  remove->setObjectName("btnDelete");
  connect(remove, &QAction::triggered, this, &StatisticsWindow::DeleteStatistics);
  auto* save = bar->addAction(KorvantiIcon(IconRole::Save), QStringLiteral("Exportieren…"));
  save->setObjectName("btnExport");
  connect(save, &QAction::triggered, this, &StatisticsWindow::ExportTable);
  layout.addWidget(bar);
}

void StatisticsWindow::BuildFilters(QWidget* parent, QHBoxLayout& row) {
  auto* typeBox = new QVBoxLayout;
  typeBox->addWidget(new QLabel(QStringLiteral("Spiel/Training:"), parent));
  type_ = new QComboBox(parent);
  type_->setObjectName("cmbStatsType");
  type_->setAccessibleName(QStringLiteral("Spiel/Training"));
  // An item's data is its entry's game index, 0 for "Alle".
  type_->addItem(QStringLiteral("Alle"), 0);
  for (const auto* entry : StatisticsTypes()) {
    const auto& label = entry->statisticsLabel;
    type_->addItem(QString::fromUtf8(label.data(), static_cast<int>(label.size())), entry->index);
  }
  type_->setMaxVisibleItems(30);
  type_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  type_->setMinimumContentsLength(14);
  typeBox->addWidget(type_);

  auto* selection = new QGroupBox(QStringLiteral("Auswahl Spieler, Start- und Endedatum"), parent);
  selection->setToolTip(
      QStringLiteral("Zeitraum für die Statistik wird über das Start- /Endedatum bestimmt"));
  auto* grid = new QGridLayout(selection);
  grid->setContentsMargins(6, 2, 6, 2);
  player_ = new QComboBox(selection);
  player_->setObjectName("cmbPlayer");
  player_->setAccessibleName(QStringLiteral("Spieler"));
  player_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  player_->setMinimumContentsLength(12);
  start_ = new QDateTimeEdit(selection);
  start_->setObjectName("dtpStartDate");
  end_ = new QDateTimeEdit(selection);
  end_->setObjectName("dtpEndDate");
  start_->setAccessibleName(QStringLiteral("Datum ab"));
  end_->setAccessibleName(QStringLiteral("Datum bis"));
  for (auto* date : {start_, end_}) {
    date->setCalendarPopup(true);
    date->setDisplayFormat(QStringLiteral("dd.MM.yy HH:mm"));
  }
  grid->setVerticalSpacing(2);
  grid->addWidget(player_, 0, 0);
  grid->addWidget(start_, 1, 0);
  grid->addWidget(end_, 2, 0);
  row.addWidget(selection);

  lastEntry_ = new QCheckBox(QStringLiteral("Extra Eintrag für letztes Spiel"), parent);
  lastEntry_->setObjectName("chklastentry");
  lastEntry_->setToolTip(QStringLiteral(
      "Wenn ausgewählt wird für das letzte Training/Spiel ein extra Eintrag in der Statistik "
      "erstellt"));
  lastEntry_->setChecked(true);
  typeBox->addStretch();
  row.insertLayout(0, typeBox);

  auto* intervals = RadioGroup(parent, QStringLiteral("Intervall"),
                               {QStringLiteral("täglich"), QStringLiteral("pro Woche"),
                                QStringLiteral("monatlich"), QStringLiteral("jedes Spiel einzeln")},
                               interval_);
  intervals->setObjectName("rdgIntervall");
  intervals->setToolTip(QStringLiteral("Statistik wird über das gewählt Intervall gruppiert"));
  // The box sits under the intervals, not under the type list, where it would
  // widen the row past a 150 % laptop screen.
  auto* rows = new QVBoxLayout;
  rows->addWidget(intervals);
  rows->addWidget(lastEntry_);
  rows->addStretch();
  row.addLayout(rows);
  auto* kinds = RadioGroup(
      parent, QStringLiteral("Statistik Art"),
      {QStringLiteral("Detailiert"), QStringLiteral("Ziel u. Treffer"), QStringLiteral("Doppel")},
      kind_);
  kinds->setObjectName("rdgStatsKind");
  row.addWidget(kinds);
  // The box reads after the intervals above it.
  setTabOrder(interval_->buttons().constLast(), lastEntry_);
  row.addStretch();
}

QWidget* StatisticsWindow::BuildDetailPanel() {
  auto* splitter = new QSplitter(Qt::Vertical, this);
  splitter->setObjectName("pnlDetailed");
  detailTable_ = NewReportTable(splitter, "lstStatsDetailed");
  detailTable_->setAccessibleName(QStringLiteral("Statistik je Zeitraum"));
  trend_ = new TrendChart(splitter);
  splitter->addWidget(detailTable_);
  splitter->addWidget(trend_);
  trend_->setMinimumHeight(200);
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 1);
  splitter->setChildrenCollapsible(false);
  detailPanel_ = splitter;
  return splitter;
}

QWidget* StatisticsWindow::BuildAimPanel() {
  aimPanel_ = new QWidget(this);
  aimPanel_->setObjectName("pnlAimandHits");
  aimTable_ = NewReportTable(aimPanel_, "lstStatsAim_and_Hit");
  aimTable_->setAccessibleName(QStringLiteral("Ziel und Treffer"));
  aimBoard_ = new AimBoardPanel(
      hitMap_, setup_.chooseColour ? setup_.chooseColour : ColourDialogChooser(), aimPanel_);
  auto* layout = new QHBoxLayout(aimPanel_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(aimTable_);
  layout->addWidget(aimBoard_, 1);
  return aimPanel_;
}

QWidget* StatisticsWindow::BuildDoublesPanel() {
  doublesPanel_ = new QWidget(this);
  doublesPanel_->setObjectName("pnlDoubles");
  doublesTable_ = NewReportTable(doublesPanel_, "lstStatsDoubles");
  doublesTable_->setAccessibleName(QStringLiteral("Doppel"));
  auto* rule = new QLabel(
      QStringLiteral("Ein Dart zählt auf das Doppel, auf das er gezielt war. Ohne Doppel als Ziel "
                     "zählt er im Double-Out-Spiel auf das Doppel, das den Rest mit einem Dart "
                     "beendet hätte (2 bis 40 gerade, 50 für Bull). Treffer: der Dart landete "
                     "auf diesem Doppel."),
      doublesPanel_);
  rule->setObjectName("lblDoublesRule");
  rule->setWordWrap(true);
  rule->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  auto* layout = new QHBoxLayout(doublesPanel_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(12);
  layout->addWidget(doublesTable_);
  layout->addWidget(rule, 1);
  return doublesPanel_;
}

}  // namespace korvanti
