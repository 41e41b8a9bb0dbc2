#include "ui/start/DatabaseOpener.h"

#include <QInputDialog>
#include <QLineEdit>
#include <exception>
#include <utility>

#include "store/Database.h"
#include "ui/common/Dialogs.h"
#include "ui/common/OpenDialog.h"

namespace korvanti {
namespace {

QString Text(const char* text) {
  return QString::fromUtf8(text);
}

}  // namespace

PasswordAsker PasswordDialogAsker() {
  return [](QWidget* parent, const QString& text,
            std::function<void(std::optional<std::string>)> answered) {
    auto* dialog = new QInputDialog(parent);
    dialog->setObjectName(QStringLiteral("dlgPasswort"));
    dialog->setWindowTitle(QStringLiteral("Passwort für den Vereinsserver"));
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setTextEchoMode(QLineEdit::Password);
    dialog->setLabelText(text);
    dialog->setOkButtonText(QStringLiteral("&Ok"));
    dialog->setCancelButtonText(QStringLiteral("Abbrechen"));
    OpenDialog(dialog, [dialog, answered = std::move(answered)](int result) {
      answered(result == QDialog::Accepted ? std::optional(dialog->textValue().toStdString())
                                           : std::nullopt);
    });
  };
}

DatabaseOpener::DatabaseOpener(QWidget* window, Dialogs& dialogs, PasswordAsker askPassword,
                               OpenFunction open)
    : window_(window),
      dialogs_(dialogs),
      askPassword_(askPassword ? std::move(askPassword) : PasswordDialogAsker()),
      open_(open ? std::move(open)
                 : [](const DatabaseAddress& address) { return Database::Open(address); }) {}

void DatabaseOpener::Open(DatabaseAddress address, std::filesystem::path localFile, Opened opened) {
  ++attempt_;
  localFile_ = std::move(localFile);
  opened_ = std::move(opened);
  Try(attempt_, std::move(address));
}

void DatabaseOpener::Refuse(const QString& why, std::filesystem::path localFile, Opened opened) {
  ++attempt_;
  localFile_ = std::move(localFile);
  opened_ = std::move(opened);
  OfferLocalFile(attempt_, why);
}

void DatabaseOpener::Try(int attempt, DatabaseAddress address) {
  try {
    Finish(attempt, open_(address));
  } catch (const PasswordNeeded& refused) {
    const auto text =
        QString::fromUtf8(refused.what()) +
        Text(
            "\n\nKorvanti behält das Passwort nur bis zum Programmende; gespeichert wird es "
            "nirgends.");
    askPassword_(window_, text,
                 [this, alive = std::weak_ptr(alive_), attempt,
                  address = std::move(address)](std::optional<std::string> password) mutable {
                   if (alive.expired() || attempt != attempt_) {
                     return;
                   }
                   if (!password) {
                     OfferLocalFile(
                         attempt,
                         Text("Ohne Passwort kann Korvanti den Vereinsserver nicht benutzen."));
                     return;
                   }
                   address.password = std::move(*password);
                   Try(attempt, std::move(address));
                 });
  } catch (const ConnectionLost& lost) {
    OfferLocalFile(attempt, Text("Der Vereinsserver ist nicht erreichbar.\n") +
                                QString::fromUtf8(lost.what()));
  } catch (const std::exception& error) {
    if (address.OnServer()) {
      OfferLocalFile(attempt, Text("Die Datenbank auf dem Vereinsserver kann nicht benutzt "
                                   "werden:\n") +
                                  QString::fromUtf8(error.what()));
      return;
    }
    dialogs_.Error(QString::fromUtf8(error.what()));
    Finish(attempt, nullptr);
  }
}

void DatabaseOpener::OfferLocalFile(int attempt, const QString& why) {
  dialogs_.YesNo(why + Text("\n\nFür diese Sitzung die lokale Datenbank (dart.mdb) verwenden? Die "
                            "Einstellung bleibt, wie sie ist."),
                 [this, alive = std::weak_ptr(alive_), attempt](bool yes) {
                   if (alive.expired() || attempt != attempt_) {
                     return;
                   }
                   if (!yes) {
                     Finish(attempt, nullptr);
                     return;
                   }
                   std::unique_ptr<Database> local;
                   try {
                     local = open_(DatabaseAddress::File(localFile_));
                   } catch (const std::exception& error) {
                     dialogs_.Error(QString::fromUtf8(error.what()));
                   }
                   Finish(attempt, std::move(local));
                 });
}

void DatabaseOpener::Finish(int attempt, std::unique_ptr<Database> database) {
  if (attempt == attempt_ && opened_) {
    const auto opened = opened_;  // it may open again
    opened(std::move(database));
  }
}

}  // namespace korvanti
