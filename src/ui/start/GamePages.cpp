#include "ui/start/GamePages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <algorithm>
#include <utility>

#include "ui/common/InfoImage.h"
#include "ui/start/GameList.h"
#include "ui/start/MatchFields.h"

namespace korvanti {
namespace {

QString Label(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QSpinBox* SpinField(QWidget* parent, const char* name, int lowest, int highest, int value,
                    const QString& tooltip = {}) {
  auto* field = new QSpinBox(parent);
  field->setObjectName(name);
  field->setRange(lowest, highest);
  field->setValue(value);
  field->setToolTip(tooltip);
  field->setMinimumWidth(64);
  return field;
}

QCheckBox* Box(QWidget* parent, const char* name, const QString& text, bool on) {
  auto* box = new QCheckBox(text, parent);
  box->setObjectName(name);
  box->setChecked(on);
  return box;
}

QComboBox* Choice(QWidget* parent, const char* name, const QStringList& items) {
  auto* choice = new QComboBox(parent);
  choice->setObjectName(name);
  choice->addItems(items);
  return choice;
}

// A page: its list on the left, its options on the right, sharing the width
// as `listShare` to `optionsShare`.
QWidget* Page(GameList* list, QLayout* options, int listShare, int optionsShare) {
  auto* page = new QWidget;
  auto* layout = new QHBoxLayout(page);
  layout->addWidget(list, listShare);
  layout->addLayout(options, optionsShare);
  list->setParent(page);
  return page;
}

}  // namespace

GamePages::GamePages(QWidget* parent) : QTabWidget(parent) {
  setObjectName("GamePages");
  addTab(BuildGamesPage(), Label(GamePageLabel(GamePage::Games)));
  addTab(BuildTrainingGamesPage(), Label(GamePageLabel(GamePage::TrainingGames)));
  addTab(BuildSpecialTrainingsPage(), Label(GamePageLabel(GamePage::SpecialTrainings)));
  setCurrentWidget(List(GamePage::TrainingGames).parentWidget());
  connect(this, &QTabWidget::currentChanged, this, &GamePages::selectionChanged);
  // A mouse press moves the current row before the selection: only the
  // selection's own signal sees the entry that was clicked.
  for (auto* list : lists_) {
    connect(list, &QListWidget::itemSelectionChanged, this, &GamePages::selectionChanged);
  }
  connect(this, &GamePages::selectionChanged, this, &GamePages::EnableMatchFields);
  EnableMatchFields();
}

MatchFields* GamePages::AddMatchFields() {
  auto* fields = new MatchFields;
  fields->OnChange([this, fields] {
    for (auto* other : matchFields_) {
      if (other != fields) {
        other->Show(fields->Format(), fields->BullOff());
      }
    }
  });
  matchFields_.push_back(fields);
  return fields;
}

void GamePages::EnableMatchFields() {
  const auto* entry = SelectedEntry();
  for (auto* fields : matchFields_) {
    fields->setEnabled(entry != nullptr && entry->PlaysMatches());
  }
}

void GamePages::ShowMatch(MatchFormat format, bool bullOff) {
  for (auto* fields : matchFields_) {
    fields->Show(format, bullOff);
  }
}

QWidget* GamePages::BuildGamesPage() {
  auto* list = new GameList(GamePage::Games, 3);
  list->setObjectName("lstGames");
  lists_[static_cast<int>(GamePage::Games)] = list;
  auto* options = new QFormLayout;
  options->addRow(QStringLiteral("Match"), AddMatchFields());
  doubleOut_ = Box(nullptr, "chkDoubleOut", QStringLiteral("Double Out"), false);
  doubleIn_ = Box(nullptr, "chkDoubleIn", QStringLiteral("Double In"), false);
  // Each option beside the name of the game it belongs to: the boxes are the
  // elimination game's, the hint explains the scoring of the master cricket.
  options->addRow(Label(FindCatalogEntryByKey("constelimination")->label), doubleOut_);
  options->addRow(QString(), doubleIn_);
  options->addRow(Label(FindCatalogEntry(6)->label),
                  new InfoImage(QStringLiteral(
                      "Punkte nur wenn a) Feld wird mit dem 2/3 Dart getroffen und "
                      "vorangegangener Dart war im gleichen Feld oder b) alle Felder sind schon "
                      "geschlossen. In beiden Fällen muss das Feld insgesamt noch offen und der "
                      "Treffer in einem double/tripple Feld sein.")));
  return Page(list, options, 5, 2);
}

QWidget* GamePages::BuildTrainingGamesPage() {
  auto* list = new GameList(GamePage::TrainingGames, 2);
  list->setObjectName("lstTrainingGames");
  lists_[static_cast<int>(GamePage::TrainingGames)] = list;
  const ComputerOptions defaults;
  using Limits = ComputerOptionLimits;
  auto* options = new QFormLayout;
  computerAverage_ = SpinField(nullptr, "spnComputerAverage", Limits::kLowestAverage,
                               Limits::kHighestAverage, defaults.chosenAverage);
  secondsPerDart_ = SpinField(nullptr, "spnSecondsPerDart", 1, Limits::kMostSecondsPerDart,
                              defaults.secondsPerDart);
  averageMode_ = Choice(
      nullptr, "cmbAverageMode",
      {QStringLiteral("Schnitt über 1000 Spiele"), QStringLiteral("Schnitt mögl. exakt treffen")});
  averageMode_->setToolTip(QStringLiteral(
      "Eingestellter Schnitt entspricht entweder dem Schnitt von 1000 simulierten Spielen oder "
      "aber der Schnitt wird in jedem Spiel exakt erreicht"));
  toleranceUp_ = SpinField(nullptr, "spnToleranceUp", Limits::kLeastTolerance,
                           Limits::kMostTolerance, defaults.toleranceUp);
  toleranceDown_ = SpinField(nullptr, "spnToleranceDown", Limits::kLeastTolerance,
                             Limits::kMostTolerance, defaults.toleranceDown);
  options->addRow(QStringLiteral("Match"), AddMatchFields());
  options->addRow(QStringLiteral("Computerschnitt (3 Dart)"), computerAverage_);
  options->addRow(QStringLiteral("ca. Sekunden pro Dart"), secondsPerDart_);
  options->addRow(QStringLiteral("Computer Schnitt"), averageMode_);
  ownScatter_ = Box(nullptr, "chkOwnScatter", QStringLiteral("Streuung aus meinen Würfen"), false);
  ownScatter_->setEnabled(false);
  options->addRow(QString(), ownScatter_);
  options->addRow(QStringLiteral("Abweichung +"), toleranceUp_);
  options->addRow(QStringLiteral("Abweichung -"), toleranceDown_);
  options->addRow(Label(FindCatalogEntryByKey("constpractice_rounddouble_bull")->label),
                  new InfoImage(QStringLiteral(
                      "Ziel ist es abwechselnd ein Doppelfeld und das Bulls zu treffen.")));
  options->setRowVisible(toleranceUp_, false);
  options->setRowVisible(toleranceDown_, false);
  return Page(list, options, 3, 2);
}

QWidget* GamePages::BuildSpecialTrainingsPage() {
  auto* list = new GameList(GamePage::SpecialTrainings, 3);
  list->setObjectName("lstSpecialTrainings");
  lists_[static_cast<int>(GamePage::SpecialTrainings)] = list;
  const StartOptions defaults;
  using Limits = StartOptionLimits;
  checkoutStart_ =
      SpinField(nullptr, "spnCheckoutStart", Limits::kLowestCheckout, Limits::kHighestCheckout,
                defaults.checkoutStart, QStringLiteral("Startwert"));
  stepUp_ = SpinField(nullptr, "spnStepUp", 1, Limits::kMostStepUp, defaults.stepUp,
                      QStringLiteral("Wert um den der Checkout hochgesetzt wird wenn mit 3 Darts "
                                     "ausgecheckt wurde"));
  stepDown_ = SpinField(nullptr, "spnStepDown", 1, Limits::kMostStepDown, defaults.stepDown,
                        QStringLiteral("Wert um den der Checkout runtergesetzt wird wenn nicht "
                                       "mit 3 Darts ausgecheckt wurde"));
  alwaysZero_ = Box(nullptr, "chkAlwaysZero", QStringLiteral("Immer auf 0"), defaults.alwaysZero);
  startLevel_ = SpinField(nullptr, "spnStartLevel", 1, defaults.maxLevel, defaults.startLevel,
                          QStringLiteral("Startstufe mit der begonnen wird"));
  maxLevel_ =
      SpinField(nullptr, "spnMaxLevel", defaults.startLevel, Limits::kHighestLevel,
                defaults.maxLevel, QStringLiteral("Maximale Stufe bis zu der gespielt wird"));
  // The start level never passes the highest level.
  connect(maxLevel_, &QSpinBox::valueChanged, startLevel_, &QSpinBox::setMaximum);
  connect(startLevel_, &QSpinBox::valueChanged, maxLevel_, &QSpinBox::setMinimum);
  QStringList doubles;
  for (int number = 20; number >= 1; --number) {
    doubles << QStringLiteral("D%1").arg(number);
  }
  chosenDouble_ = Choice(nullptr, "cmbDouble", doubles);
  training_ = Choice(nullptr, "cmbTraining", {});
  rounds_ = SpinField(nullptr, "spnRounds", Limits::kFewestRounds, Limits::kMostRounds,
                      defaults.trainingRounds);
  // The grid's captions name a row, not each of its fields.
  const std::array<std::pair<QWidget*, const char*>, 8> names{{
      {checkoutStart_, "Checkout Startwert"},
      {stepUp_, "Checkout hochsetzen um"},
      {stepDown_, "Checkout runtersetzen um"},
      {startLevel_, "Startstufe"},
      {maxLevel_, "Maximale Stufe"},
      {chosenDouble_, "Doppel"},
      {training_, "Freies Training"},
      {rounds_, "Runden pro Zahl"},
  }};
  for (const auto& [field, name] : names) {
    field->setAccessibleName(QString::fromUtf8(name));
  }

  auto* options = new QGridLayout;
  const auto caption = [](std::string_view key) {
    return new QLabel(Label(FindCatalogEntryByKey(key)->label));
  };
  options->addWidget(caption("constpractice_checkoutgame"), 0, 0);
  options->addWidget(checkoutStart_, 0, 1);
  options->addWidget(stepUp_, 0, 2);
  options->addWidget(stepDown_, 0, 3);
  options->addWidget(alwaysZero_, 1, 1, 1, 3);
  options->addWidget(caption("constpractice_pirmel"), 2, 0);
  options->addWidget(startLevel_, 2, 1);
  options->addWidget(maxLevel_, 2, 2);
  auto* levels = new QPushButton(QStringLiteral("..."));
  levels->setObjectName("btnLevels");
  levels->setMaximumWidth(32);
  connect(levels, &QPushButton::clicked, this, &GamePages::designLevels);
  options->addWidget(levels, 2, 3);
  options->addWidget(new InfoImage(QStringLiteral(
                         "Bei diesem Training wird die Schwierigkeit mit jedem Abschnitt erhöht "
                         "wenn die gesetzte Trefferquote erreicht wurde.")),
                     2, 4);
  options->addWidget(caption("constpractice_double"), 3, 0);
  options->addWidget(chosenDouble_, 3, 1, 1, 2);
  options->addWidget(caption("constpractice_free1"), 4, 0);
  options->addWidget(training_, 4, 1, 1, 2);
  auto* create = new QPushButton(QStringLiteral("Erstellen..."));
  create->setObjectName("btnCreateTraining");
  connect(create, &QPushButton::clicked, this, &GamePages::designTrainings);
  options->addWidget(create, 4, 3);
  options->addWidget(
      new InfoImage(QStringLiteral(
          "Hier können beliebige Abfolgen als eigenes Trainingsspiel angelegt werden")),
      4, 4);
  options->addWidget(new QLabel(QStringLiteral("* Runden pro Zahl")), 5, 0);
  options->addWidget(rounds_, 5, 1);
  options->addWidget(
      new InfoImage(QStringLiteral("Legt die Anzahl der Wiederholungen pro Nummer fest.")), 5, 2);
  options->setRowStretch(6, 1);
  return Page(list, options, 3, 2);
}

GameList& GamePages::List(GamePage page) const {
  return *lists_[static_cast<std::size_t>(page)];
}

const GameCatalogEntry* GamePages::SelectedEntry() const {
  const auto* page = currentWidget();
  const auto* list = page != nullptr ? page->findChild<GameList*>() : nullptr;
  return list != nullptr ? list->SelectedEntry() : nullptr;
}

void GamePages::Select(const GameCatalogEntry* entry) {
  {
    const QSignalBlocker blockPages(this);
    for (auto* list : lists_) {
      const QSignalBlocker blockList(list);
      list->SelectFirst();
    }
    if (entry != nullptr) {
      auto& list = List(entry->page);
      const QSignalBlocker blockList(&list);
      list.Select(*entry);
      setCurrentWidget(list.parentWidget());
    }
  }
  emit selectionChanged();
}

StartOptions GamePages::Choices(bool masterOut) const {
  StartOptions options;
  options.masterOut = masterOut;
  options.doubleOut = doubleOut_->isChecked();
  options.doubleIn = doubleIn_->isChecked();
  options.trainingRounds = rounds_->value();
  options.chosenDouble = chosenDouble_->currentText().toStdString();
  options.checkoutStart = checkoutStart_->value();
  options.stepUp = stepUp_->value();
  options.stepDown = stepDown_->value();
  options.alwaysZero = alwaysZero_->isChecked();
  options.startLevel = startLevel_->value();
  options.maxLevel = maxLevel_->value();
  options.training = training_->currentText().toStdString();
  options.match = matchFields_.front()->Format();
  options.bullOff = matchFields_.front()->BullOff();
  return options;
}

ComputerOptions GamePages::ComputerChoices() const {
  ComputerOptions options;
  options.chosenAverage = computerAverage_->value();
  options.exact = averageMode_->currentIndex() == 1;
  options.secondsPerDart = secondsPerDart_->value();
  options.toleranceUp = toleranceUp_->value();
  options.toleranceDown = toleranceDown_->value();
  options.scatterFromOwnDarts = ownScatter_->isEnabled() && ownScatter_->isChecked();
  return options;
}

void GamePages::SetOwnScatterUnavailable(const std::optional<std::string>& reason) {
  ownScatter_->setEnabled(!reason.has_value());
  ownScatter_->setToolTip(reason ? QString::fromStdString(*reason) : QString());
}

void GamePages::SetTrainings(const std::vector<std::string>& names) {
  const auto chosen = training_->currentText();
  training_->clear();
  for (const auto& name : names) {
    training_->addItem(QString::fromStdString(name));
  }
  if (!names.empty()) {
    training_->setCurrentIndex(std::max(0, training_->findText(chosen, Qt::MatchFixedString)));
  }
}

}  // namespace korvanti
