#include "ui/start/SettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <utility>

#include "platform/Error.h"
#include "platform/IniFile.h"
#include "ui/common/Dialogs.h"
#include "ui/common/KorvantiLook.h"
#include "ui/common/OpenDialog.h"
#include "ui/start/DatabaseGroup.h"

namespace korvanti {
namespace {

using Limits = ProgramOptionLimits;

constexpr QSize kClientSize{554, 508};
constexpr int kPointSize = 10;
constexpr int kFiguresPixelSize = 14;
constexpr int kLeft = 24;
constexpr int kBoxWidth = kClientSize.width() - 2 * kLeft;
constexpr int kRowHeight = 24;

constexpr QRect kBoardCaptionRect{kLeft, 20, 110, kRowHeight};
constexpr QRect kBoardRect{140, 20, 180, kRowHeight};
constexpr QRect kSchemeCaptionRect{344, 20, 90, kRowHeight};
constexpr QRect kSchemeRect{kClientSize.width() - kLeft - 96, 20, 96, kRowHeight};
constexpr int kFirstBoxTop = 64;
constexpr int kBoxStep = 32;
constexpr QRect kSecondsCaptionRect{kLeft + 24, 0, 170, kRowHeight};  // top set per row
constexpr QSize kSecondsSize{56, kRowHeight};
constexpr QRect kDatabaseRect{kLeft, 324, kBoxWidth, 124};
constexpr QRect kOkRect{kClientSize.width() - 120, kClientSize.height() - 46, 96, 30};

// Row `row` of the check boxes and the seconds line below the board choice.
QRect Row(int row, int left = kLeft, int width = kBoxWidth) {
  return {left, kFirstBoxTop + row * kBoxStep, width, kRowHeight};
}

QCheckBox* MakeBox(QWidget* parent, const char* name, const QString& caption, int row) {
  auto* box = new QCheckBox(caption, parent);  // the dialog owns it
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(Row(row));
  return box;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, const QRect& rect) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(rect);
  return label;
}

}  // namespace

SettingsDialog::SettingsDialog(std::filesystem::path optionsFile, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent),
      optionsFile_(std::move(optionsFile)),
      dialogs_(dialogs),
      board_(new QComboBox(this)),
      masterOut_(MakeBox(this, "chkMasterOut",
                         QStringLiteral("Master out für alle DOut Spiele/Trainings zulassen"), 0)),
      sound_(
          MakeBox(this, "chkSound", QStringLiteral("Sound verwenden (wenn Dateien vorhanden)"), 1)),
      showPoints_(MakeBox(
          this, "chkShowPoints",
          QStringLiteral("Punkte und Restwert nach jedem Wurf anzeigen (nur bei 501Dout etc. "
                         "verfügbar)"),
          2)),
      seconds_(new QSpinBox(this)),
      showSummary_(MakeBox(
          this, "chkShowSummary",
          QStringLiteral("Zusammenfassung nach Spiel anzeigen (nur bei 501Dout etc.  verfügbar)"),
          4)),
      noAutomatic_(MakeBox(
          this, "chkNoAutomatic",
          QStringLiteral("Option \"Zieleingabe aktivieren\", nicht automatisch aktiviern"), 5)),
      caller_(MakeBox(this, "chkCaller", QStringLiteral("Punkte ansagen"), 6)),
      fullScreen_(
          MakeBox(this, "chkVollbild", QStringLiteral("Spielfenster im Vollbild öffnen"), 7)),
      scheme_(new QComboBox(this)),
      database_(new DatabaseGroup(this)),
      ok_(new QPushButton(QStringLiteral("&Ok"), this)) {
  setObjectName(QStringLiteral("frmEinstellungen"));
  setWindowTitle(QStringLiteral("Einstellungen"));
  setFixedSize(kClientSize);
  setFont(TextFont(kPointSize));

  MakeLabel(this, "lblDartscheibe", QStringLiteral("Dartscheibe"), kBoardCaptionRect);
  board_->setObjectName(QStringLiteral("cbBoard"));
  board_->setAccessibleName(QStringLiteral("Dartscheibe"));
  board_->setGeometry(kBoardRect);
  board_->addItems({QStringLiteral("Bulls"), QStringLiteral("Unicorn"), QStringLiteral("Winmau")});

  MakeLabel(this, "lblFarbschema", QStringLiteral("Farbschema"), kSchemeCaptionRect);
  scheme_->setObjectName(QStringLiteral("cbFarbschema"));
  scheme_->setAccessibleName(QStringLiteral("Farbschema"));
  scheme_->setGeometry(kSchemeRect);
  // In the order of ColourScheme.
  scheme_->addItems({QStringLiteral("Hell"), QStringLiteral("Dunkel")});

  const QRect secondsRow = Row(3);
  MakeLabel(this, "lblPunkteFuer", QStringLiteral("Punkte und Restwert für:"),
            kSecondsCaptionRect.translated(0, secondsRow.top()));
  seconds_->setObjectName(QStringLiteral("edtSekForPoints"));
  seconds_->setAccessibleName(QStringLiteral("Sekunden für Punkte und Restwert"));
  seconds_->setGeometry(
      QRect(QPoint(kSecondsCaptionRect.right() + 8, secondsRow.top()), kSecondsSize));
  seconds_->setRange(Limits::kFewestSecondsForPoints, Limits::kMostSecondsForPoints);
  // A lone old-style "1" reads as a capital I.
  seconds_->setFont(FiguresFont(kFiguresPixelSize));
  // The number is changed only with the spin buttons or the arrow keys.
  if (auto* edit = seconds_->findChild<QLineEdit*>()) {
    edit->setReadOnly(true);
  }
  MakeLabel(this, "lblSekunden", QStringLiteral("Sekunden anzeigen"),
            QRect(seconds_->geometry().right() + 8, secondsRow.top(), 160, kRowHeight));
  connect(showPoints_, &QCheckBox::toggled, seconds_, &QWidget::setEnabled);

  database_->setGeometry(kDatabaseRect);

  ok_->setObjectName(QStringLiteral("btnOk"));
  ok_->setGeometry(kOkRect);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &SettingsDialog::Save);
  // The colour scheme sits beside the board, on the first row.
  setTabOrder(board_, scheme_);
  setTabOrder(scheme_, masterOut_);
  QWidget* previous = fullScreen_;
  for (QWidget* stop : database_->TabStops()) {
    setTabOrder(previous, stop);
    previous = stop;
  }
  setTabOrder(previous, ok_);

  Load();
}

void SettingsDialog::Load() {
  loaded_ = ReadProgramOptions(IniFile(optionsFile_));
  // The model reads a board it does not know as Bulls, so the choice always has an entry.
  board_->setCurrentIndex(loaded_.board);
  sound_->setChecked(loaded_.playSounds);
  showPoints_->setChecked(loaded_.showPoints);
  showSummary_->setChecked(loaded_.showSummary);
  masterOut_->setChecked(loaded_.masterOut);
  noAutomatic_->setChecked(loaded_.noAutoAimInput);
  caller_->setChecked(loaded_.announcePoints);
  fullScreen_->setChecked(loaded_.fullScreen);
  scheme_->setCurrentIndex(static_cast<int>(loaded_.colourScheme));
  seconds_->setEnabled(loaded_.showPoints);
  seconds_->setValue(loaded_.secondsForPoints);
  database_->Show(loaded_.database);
}

ProgramOptions SettingsDialog::Shown() const {
  ProgramOptions shown = loaded_;
  shown.board = board_->currentIndex();
  shown.playSounds = sound_->isChecked();
  shown.showPoints = showPoints_->isChecked();
  shown.showSummary = showSummary_->isChecked();
  shown.masterOut = masterOut_->isChecked();
  shown.secondsForPoints = seconds_->value();
  shown.noAutoAimInput = noAutomatic_->isChecked();
  shown.announcePoints = caller_->isChecked();
  shown.fullScreen = fullScreen_->isChecked();
  shown.colourScheme = scheme_->currentIndex() == 1 ? ColourScheme::Dark : ColourScheme::Light;
  return shown;
}

void SettingsDialog::Save() {
  auto shown = Shown();
  const auto database = database_->Chosen();
  if (const auto* problem = std::get_if<ServerFieldProblem>(&database)) {
    // The dialog stays open on the field to correct.
    dialogs_.Error(QString::fromStdString(problem->text));
    database_->FocusField(problem->field);
    return;
  }
  shown.database = std::get<std::string>(database);
  try {
    IniFile file(optionsFile_);
    WriteSettings(file, shown);
  } catch (const Error& error) {
    // The dialog stays open: the user may fix the folder or close without saving.
    dialogs_.Error(QString::fromStdString(error.what()));
    return;
  }
  accept();
}

ProgramOptions WithDialogSettings(ProgramOptions current, const ProgramOptions& stored) {
  current.board = stored.board;
  current.playSounds = stored.playSounds;
  current.showPoints = stored.showPoints;
  current.showSummary = stored.showSummary;
  current.masterOut = stored.masterOut;
  current.secondsForPoints = stored.secondsForPoints;
  current.noAutoAimInput = stored.noAutoAimInput;
  current.announcePoints = stored.announcePoints;
  current.colourScheme = stored.colourScheme;
  current.fullScreen = stored.fullScreen;
  current.database = stored.database;
  return current;
}

void ApplyColourScheme(ColourScheme scheme) {
  ApplyLookScheme(scheme == ColourScheme::Dark ? LookScheme::Dark : LookScheme::Light);
}

void EditSettings(QWidget* parent, const std::filesystem::path& optionsFile, Dialogs& dialogs,
                  const ProgramOptions& current, std::function<void(ProgramOptions)> done) {
  auto* dialog = new SettingsDialog(optionsFile, dialogs, parent);
  QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
  if (screen != nullptr) {
    dialog->move(screen->availableGeometry().center() - dialog->rect().center());
  }
  OpenDialog(dialog, [optionsFile, current, done = std::move(done)](int) {
    auto edited = WithDialogSettings(current, ReadProgramOptions(IniFile(optionsFile)));
    ApplyColourScheme(edited.colourScheme);
    done(std::move(edited));
  });
}

}  // namespace korvanti
