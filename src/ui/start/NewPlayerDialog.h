#pragma once

#include <QDialog>
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "play/PlayerEntry.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace korvanti {

class Dialogs;

// The dialog "Spieler anlegen": first name, last name, nickname and an
// optional picture, shown once chosen. "OK" checks the names (CheckPlayerEntry) and writes the
// chosen picture as "pictures/<nickname>.jpg" in the program folder; a refusal
// or an unreadable picture is reported and the dialog stays open. Storing the
// player is the caller's; cancelling changes nothing.
class NewPlayerDialog final : public QDialog {
  Q_OBJECT

 public:
  // `dialogs` shows the refusals; it must outlive the dialog.
  NewPlayerDialog(std::filesystem::path programFolder, std::vector<std::string> existingNicknames,
                  Dialogs& dialogs, QWidget* parent = nullptr);

  // The picture to use, as if chosen with "Spielerbild auswählen".
  void SetPicturePath(const QString& path);
  const QString& PicturePath() const { return picturePath_; }

  // The checked entry once the dialog was closed with "OK", else nothing.
  const std::optional<PlayerEntry>& Result() const { return result_; }

 private:
  void ChoosePicture();
  void ShowPreview();
  void TakeEntry();
  bool WritePicture(const std::string& nickname);

  std::filesystem::path programFolder_;
  std::vector<std::string> existingNicknames_;
  Dialogs& dialogs_;
  QLineEdit* firstName_;
  QLineEdit* lastName_;
  QLineEdit* nickname_;
  QPushButton* picture_;
  QLabel* preview_;
  QString picturePath_;
  std::optional<PlayerEntry> result_;
};

// Opens the dialog over `parent`, centred on the screen, and returns at once;
// `done` gets the entry once "&Ok" takes it, nothing when it is cancelled.
void AskNewPlayer(QWidget* parent, const std::filesystem::path& programFolder,
                  std::vector<std::string> existingNicknames, Dialogs& dialogs,
                  std::function<void(std::optional<PlayerEntry>)> done);

}  // namespace korvanti
