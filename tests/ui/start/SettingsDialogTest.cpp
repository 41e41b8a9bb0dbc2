#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "SettingsFixture.h"
#include "ui/common/KorvantiLook.h"

namespace korvanti {
namespace {

using SettingsDialogTest = SettingsFixture;

struct BoxCase {
  const char* name;
  const char* caption;
  const char* key;
  bool byDefault;
};

// The club server's fields, with their defaults.
struct ServerFieldCase {
  const char* name;
  const char* caption;
  const char* byDefault;
};

const ServerFieldCase kServerFields[] = {
    {"edtServer", "&Server", ""},
    {"edtPort", "&Port", "5432"},
    {"edtDatenbank", "&Datenbank", "korvanti"},
    {"edtBenutzer", "&Benutzer", "korvanti"},
};

const BoxCase kBoxes[] = {
    {"chkMasterOut", "Master out für alle DOut Spiele/Trainings zulassen", "aktivesmasterout",
     false},
    {"chkSound", "Sound verwenden (wenn Dateien vorhanden)", "aktivesound", false},
    {"chkShowPoints",
     "Punkte und Restwert nach jedem Wurf anzeigen (nur bei 501Dout etc. verfügbar)",
     "aktiveshowpoints", true},
    {"chkShowSummary", "Zusammenfassung nach Spiel anzeigen (nur bei 501Dout etc.  verfügbar)",
     "aktiveshowsummary", true},
    {"chkNoAutomatic", "Option \"Zieleingabe aktivieren\", nicht automatisch aktiviern",
     "noautomatic", false},
    {"chkCaller", "Punkte ansagen", "aktivecaller", false},
    {"chkVollbild", "Spielfenster im Vollbild öffnen", "vollbild", false},
};

TEST_F(SettingsDialogTest, AnEmptyFolderShowsTheDefaultsAndCreatesNoFile) {
  auto dialog = Open();
  EXPECT_EQ(dialog->windowTitle(), "Einstellungen");
  EXPECT_EQ(dialog->size(), QSize(554, 508));
  EXPECT_EQ(Find<QLabel>(*dialog, "lblDartscheibe")->text(), "Dartscheibe");
  auto* board = Find<QComboBox>(*dialog, "cbBoard");
  ASSERT_EQ(board->count(), 3);
  EXPECT_EQ(board->itemText(0), "Bulls");
  EXPECT_EQ(board->itemText(1), "Unicorn");
  EXPECT_EQ(board->itemText(2), "Winmau");
  EXPECT_EQ(board->currentIndex(), 0);
  for (const BoxCase& box : kBoxes) {
    auto* widget = Find<QCheckBox>(*dialog, box.name);
    EXPECT_EQ(widget->text(), QString::fromUtf8(box.caption)) << box.name;
    EXPECT_EQ(widget->isChecked(), box.byDefault) << box.name;
  }
  EXPECT_EQ(Find<QLabel>(*dialog, "lblPunkteFuer")->text(), "Punkte und Restwert für:");
  EXPECT_EQ(Find<QLabel>(*dialog, "lblSekunden")->text(), "Sekunden anzeigen");
  auto* seconds = Find<QSpinBox>(*dialog, "edtSekForPoints");
  EXPECT_EQ(seconds->value(), 1);
  EXPECT_EQ(seconds->minimum(), 1);
  EXPECT_EQ(seconds->maximum(), 5);
  EXPECT_TRUE(seconds->isEnabled());
  EXPECT_TRUE(seconds->findChild<QLineEdit*>()->isReadOnly());
  EXPECT_EQ(Find<QPushButton>(*dialog, "btnOk")->text(), "&Ok");
  EXPECT_EQ(Find<QGroupBox>(*dialog, "grpDatenbank")->title(), "Datenbank");
  EXPECT_EQ(Find<QRadioButton>(*dialog, "rbLokal")->text(), "Lokal (dart.mdb)");
  EXPECT_TRUE(Find<QRadioButton>(*dialog, "rbLokal")->isChecked());
  EXPECT_EQ(Find<QRadioButton>(*dialog, "rbVereinsserver")->text(), "Vereinsserver");
  for (const ServerFieldCase& field : kServerFields) {
    EXPECT_EQ(FieldText(*dialog, field.name), field.byDefault) << field.name;
    EXPECT_FALSE(Find<QWidget>(*dialog, field.name)->isEnabled()) << field.name;
  }
  EXPECT_FALSE(std::filesystem::exists(OptionsPath()));
}

// Each box is tied to its own key: flipping one box changes that key only.
TEST_F(SettingsDialogTest, EachBoxFlipsItsOwnKeyOnly) {
  for (const BoxCase& flipped : kBoxes) {
    SCOPED_TRACE(flipped.name);
    std::filesystem::remove(OptionsPath());
    auto dialog = Open();
    Click(*Find<QCheckBox>(*dialog, flipped.name));
    ClickOk(*dialog);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    for (const BoxCase& box : kBoxes) {
      const bool expected = &box == &flipped ? !box.byDefault : box.byDefault;
      EXPECT_EQ(Stored(box.key), expected ? "1" : "0") << box.key;
    }
    EXPECT_EQ(Stored("Board"), "0");
    EXPECT_EQ(Stored("sekforpoints"), "1");
  }
}

TEST_F(SettingsDialogTest, EveryControlChangedIsStoredAndShownAgain) {
  auto dialog = Open();
  ChooseBoard(*dialog, 2);
  SpinUp(*dialog, 3);
  for (const BoxCase& box : kBoxes) {
    Click(*Find<QCheckBox>(*dialog, box.name));
  }
  // The seconds are kept while the banner is off.
  EXPECT_FALSE(Find<QSpinBox>(*dialog, "edtSekForPoints")->isEnabled());
  ClickOk(*dialog);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Accepted);

  EXPECT_EQ(Stored("Board"), "2");
  EXPECT_EQ(Stored("sekforpoints"), "4");
  for (const BoxCase& box : kBoxes) {
    EXPECT_EQ(Stored(box.key), box.byDefault ? "0" : "1") << box.key;
  }

  auto again = Open();
  EXPECT_EQ(Find<QComboBox>(*again, "cbBoard")->currentText(), "Winmau");
  EXPECT_EQ(Find<QSpinBox>(*again, "edtSekForPoints")->value(), 4);
  EXPECT_FALSE(Find<QSpinBox>(*again, "edtSekForPoints")->isEnabled());
  for (const BoxCase& box : kBoxes) {
    EXPECT_EQ(Find<QCheckBox>(*again, box.name)->isChecked(), !box.byDefault) << box.name;
  }
}

// The colour scheme as the file has it ("hell" for anything unknown), and as
// chosen: stored on "&Ok" and shown again.
TEST_F(SettingsDialogTest, TheColourSchemeIsShownAndStored) {
  const struct {
    const char* file;
    const char* shown;
    int chosen;
    const char* stored;
  } cases[] = {
      {"", "Hell", 1, "dunkel"},
      {"[settings]\nfarbschema=dunkel\n", "Dunkel", 0, "hell"},
      {"[settings]\nfarbschema=grau\n", "Hell", 1, "dunkel"},
      {"[settings]\nfarbschema=dunkel\n", "Dunkel", 1, "dunkel"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    WriteOptions(c.file);
    auto dialog = Open();
    EXPECT_EQ(Find<QLabel>(*dialog, "lblFarbschema")->text(), "Farbschema");
    auto* scheme = Find<QComboBox>(*dialog, "cbFarbschema");
    ASSERT_EQ(scheme->count(), 2);
    EXPECT_EQ(scheme->itemText(0), "Hell");
    EXPECT_EQ(scheme->itemText(1), "Dunkel");
    EXPECT_EQ(scheme->currentText(), c.shown);
    Choose(*dialog, "cbFarbschema", c.chosen);
    ClickOk(*dialog);
    EXPECT_EQ(Stored("farbschema"), c.stored);
    EXPECT_EQ(Open()->findChild<QComboBox*>("cbFarbschema")->currentIndex(), c.chosen);
  }
}

TEST_F(SettingsDialogTest, ThePointsBoxEnablesTheSecondsField) {
  auto dialog = Open();
  auto* points = Find<QCheckBox>(*dialog, "chkShowPoints");
  auto* seconds = Find<QSpinBox>(*dialog, "edtSekForPoints");
  Click(*points);
  EXPECT_FALSE(seconds->isEnabled());
  Click(*points);
  EXPECT_TRUE(seconds->isEnabled());
}

TEST_F(SettingsDialogTest, ClosingWithoutOkWritesNothing) {
  const std::string text =
      "; eigene Notiz\r\n[settings]\r\nBoard=1\r\naktivesound=1\r\nsekforpoints=3\r\n"
      "startdate=01.02.2024 10:11:12\r\n[andere]\r\nx=y\r\n";
  for (const char* how : {"close box", "Esc"}) {
    SCOPED_TRACE(how);
    WriteOptions(text);
    auto dialog = Open();
    ChooseBoard(*dialog, 2);
    SpinUp(*dialog, 1);
    for (const BoxCase& box : kBoxes) {
      Click(*Find<QCheckBox>(*dialog, box.name));
    }
    if (std::string(how) == "Esc") {
      QTest::keyClick(dialog.get(), Qt::Key_Escape);
    } else {
      EXPECT_TRUE(dialog->close());
    }
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(FileText(), text);
  }
}

TEST_F(SettingsDialogTest, AnUnknownBoardShowsAndSavesAsBulls) {
  WriteOptions("[settings]\nBoard=7\n");
  auto dialog = Open();
  EXPECT_EQ(Find<QComboBox>(*dialog, "cbBoard")->currentText(), "Bulls");
  ClickOk(*dialog);
  EXPECT_EQ(Stored("Board"), "0");
}

TEST_F(SettingsDialogTest, OkLeavesTheOtherKeysAndSectionsAlone) {
  WriteOptions(
      "[settings]\nstartdate=01.02.2024 10:11:12\ngameindex=12\nstatsintervall=2\n"
      "statsgametype=17\nBoard=1\n[andere]\nx=y\n");
  auto dialog = Open();
  Click(*Find<QCheckBox>(*dialog, "chkSound"));
  ClickOk(*dialog);
  EXPECT_EQ(Stored("aktivesound"), "1");
  EXPECT_EQ(Stored("Board"), "1");
  EXPECT_EQ(Stored("startdate"), "01.02.2024 10:11:12");
  EXPECT_EQ(Stored("gameindex"), "12");
  EXPECT_EQ(Stored("statsintervall"), "2");
  EXPECT_EQ(Stored("statsgametype"), "17");
  EXPECT_EQ(IniFile(OptionsPath()).ReadString("andere", "x", ""), "y");
}

// A folder the program may not write to: the user is told, the dialog stays
// open and can still be closed without saving.
TEST_F(SettingsDialogTest, AFileThatCannotBeWrittenIsReportedAndTheDialogStaysOpen) {
  std::filesystem::create_directory(OptionsPath());  // a folder where the file should be
  auto dialog = Open();
  Click(*Find<QCheckBox>(*dialog, "chkSound"));
  ClickOk(*dialog);
  EXPECT_TRUE(dialog->isVisible());
  ASSERT_EQ(dialogs_.shown().size(), 1u);
  EXPECT_EQ(dialogs_.shown()[0].kind, ScriptedDialogs::Kind::Error);
  // The folder is found before anything is written.
  EXPECT_TRUE(dialogs_.shown()[0].text.contains("kann nicht gelesen werden und bleibt unverändert"))
      << dialogs_.shown()[0].text.toStdString();
  EXPECT_TRUE(dialog->close());
}

// "Vereinsserver" opens the fields; "&Ok" stores the server's URI, shown
// again next time; "Lokal" empties the key again.
TEST_F(SettingsDialogTest, AClubServerIsStoredAsItsUriAndShownAgain) {
  auto dialog = Open();
  Click(*Find<QRadioButton>(*dialog, "rbVereinsserver"));
  for (const ServerFieldCase& field : kServerFields) {
    EXPECT_TRUE(Find<QWidget>(*dialog, field.name)->isEnabled()) << field.name;
  }
  Type(*dialog, "edtServer", "vereinsheim");
  Type(*dialog, "edtPort", "6543");
  Type(*dialog, "edtBenutzer", "anna");
  ClickOk(*dialog);
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_TRUE(dialogs_.shown().empty());
  EXPECT_EQ(Stored("datenbank"), "postgresql://anna@vereinsheim:6543/korvanti");

  auto again = Open();
  EXPECT_TRUE(Find<QRadioButton>(*again, "rbVereinsserver")->isChecked());
  EXPECT_EQ(FieldText(*again, "edtServer"), "vereinsheim");
  EXPECT_EQ(FieldText(*again, "edtPort"), "6543");
  EXPECT_EQ(FieldText(*again, "edtDatenbank"), "korvanti");
  EXPECT_EQ(FieldText(*again, "edtBenutzer"), "anna");
  Click(*Find<QRadioButton>(*again, "rbLokal"));
  EXPECT_FALSE(Find<QWidget>(*again, "edtServer")->isEnabled());
  ClickOk(*again);
  EXPECT_EQ(Stored("datenbank"), "");
}

// A server the fields cannot name: the user is told which field to correct,
// the dialog stays open on it and nothing is written.
TEST_F(SettingsDialogTest, AServerWithoutHostOrNameIsRefusedAndTheDialogStaysOpen) {
  const struct {
    const char* field;
    const char* typed;
    const char* message;
  } cases[] = {
      {"edtServer", "", "Bitte den Vereinsserver angeben"},
      {"edtServer", "verein heim", "ist kein Name und keine Adresse eines Rechners"},
      {"edtDatenbank", " ", "Bitte den Namen der Datenbank"},
      {"edtBenutzer", "", "Bitte den Benutzer"},
  };
  const std::string text = "[settings]\nBoard=1\n";
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.field) + " \"" + c.typed + "\"");
    WriteOptions(text);
    const auto before = dialogs_.shown().size();
    auto dialog = Open();
    Click(*Find<QRadioButton>(*dialog, "rbVereinsserver"));
    Type(*dialog, "edtServer", "vereinsheim");
    Type(*dialog, c.field, c.typed);
    ClickOk(*dialog);
    EXPECT_TRUE(dialog->isVisible());
    ASSERT_EQ(dialogs_.shown().size(), before + 1);
    const auto& shown = dialogs_.shown().back();
    EXPECT_EQ(shown.kind, ScriptedDialogs::Kind::Error);
    EXPECT_TRUE(shown.text.contains(QString::fromUtf8(c.message))) << shown.text.toStdString();
    EXPECT_EQ(QApplication::focusWidget(), Find<QWidget>(*dialog, c.field));
    EXPECT_EQ(FileText(), text);
  }
}

// Pictures for a person to look at: as a new program folder shows the dialog,
// and with a club server chosen. The test checks that they were written, that
// no caption is cut off or reaches out of its frame, and that the dialog with
// a window frame fits a screen of 1366 x 768.
TEST_F(SettingsDialogTest, Screenshot) {
  InstallFontSubstitutions();
  auto dialog = Open();
  const auto save = [&](const char* name) {
    const QString path = QDir(KORVANTI_START_SHOTS).filePath(QString::fromLatin1(name));
    EXPECT_TRUE(dialog->grab().save(path)) << path.toStdString();
  };
  save("settings.png");
  Click(*Find<QRadioButton>(*dialog, "rbVereinsserver"));
  Type(*dialog, "edtServer", "vereinsheim");
  save("settings-database.png");
  EXPECT_LE(dialog->width(), 1366 - 16);
  EXPECT_LE(dialog->height(), 768 - 48);
  for (QWidget* widget : dialog->findChildren<QWidget*>()) {
    if (qobject_cast<QLabel*>(widget) != nullptr ||
        qobject_cast<QAbstractButton*>(widget) != nullptr) {
      const auto name = widget->objectName().toStdString();
      EXPECT_LE(widget->sizeHint().width(), widget->width()) << name;
      EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry())) << name;
    }
  }
}

}  // namespace
}  // namespace korvanti
