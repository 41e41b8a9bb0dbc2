#pragma once

#include <QDialog>
#include <filesystem>
#include <functional>

#include "play/ProgramOptions.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;

namespace korvanti {

class DatabaseGroup;
class Dialogs;

// The settings dialog: edits the user's settings in options.ini. It reads the
// file when it is made and writes its own keys in one write on "&Ok"; closing
// it any other way writes nothing.
class SettingsDialog final : public QDialog {
  Q_OBJECT

 public:
  // `dialogs` shows the error when the file cannot be written; it must
  // outlive the dialog.
  SettingsDialog(std::filesystem::path optionsFile, Dialogs& dialogs, QWidget* parent = nullptr);

  // The options as the file had them, with the dialog's keys as shown now
  // ("datenbank" as stored: the fields become a URI only on "&Ok").
  ProgramOptions Shown() const;

 private:
  void Load();
  void Save();

  std::filesystem::path optionsFile_;
  Dialogs& dialogs_;
  ProgramOptions loaded_;
  QComboBox* board_;
  QCheckBox* masterOut_;
  QCheckBox* sound_;
  QCheckBox* showPoints_;
  QSpinBox* seconds_;
  QCheckBox* showSummary_;
  QCheckBox* noAutomatic_;
  QCheckBox* caller_;
  QCheckBox* fullScreen_;
  QComboBox* scheme_;
  DatabaseGroup* database_;
  QPushButton* ok_;
};

// `current` with the dialog's keys ("Board", "farbschema", the boxes,
// "sekforpoints", "noautomatic", "aktivecaller", "datenbank") taken from `stored`; everything else,
// such as the overview's start date and the selected entry, stays as in `current`.
ProgramOptions WithDialogSettings(ProgramOptions current, const ProgramOptions& stored);

// Gives the application the palette of the scheme; every open window follows.
void ApplyColourScheme(ColourScheme scheme);

// Opens the settings dialog and returns at once. When it closes, with "&Ok" or
// not, the dialog's keys are read again from the file, their colour scheme is
// applied and `done` gets `current` with those keys replaced.
void EditSettings(QWidget* parent, const std::filesystem::path& optionsFile, Dialogs& dialogs,
                  const ProgramOptions& current, std::function<void(ProgramOptions)> done);

}  // namespace korvanti
