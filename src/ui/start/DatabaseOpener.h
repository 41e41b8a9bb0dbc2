#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "store/DatabaseAddress.h"

namespace korvanti {

class Database;
class Dialogs;

// Asks for the club server's password over `parent`, saying `text` first, and
// hands it to `answered`, or nothing when the user cancels. It opens and returns at once.
using PasswordAsker = std::function<void(QWidget* parent, const QString& text,
                                         std::function<void(std::optional<std::string>)> answered)>;

// The dialog with a password field, over `parent`.
PasswordAsker PasswordDialogAsker();

// Opens the start window's database: the file or the club server the address
// names. A server that wants a password gets it from the user (kept in the
// address, in memory only), who is asked again while the server refuses it.
// A server that cannot be used, or a question cancelled, is told, and the
// program folder's dart.mdb is offered for the rest of the run.
class DatabaseOpener final {
 public:
  using Opened = std::function<void(std::unique_ptr<Database>)>;
  using OpenFunction = std::function<std::unique_ptr<Database>(const DatabaseAddress&)>;

  // `dialogs` must outlive the opener. `open` opens an address for reading and
  // writing (tests stand in for a server with it).
  DatabaseOpener(QWidget* window, Dialogs& dialogs, PasswordAsker askPassword,
                 OpenFunction open = {});

  // `opened` gets the database, or null when there is none (the reason has
  // been shown). It comes at once unless a question is asked. A later Open
  // makes an earlier one's answers count for nothing.
  void Open(DatabaseAddress address, std::filesystem::path localFile, Opened opened);
  // The same for a database that cannot even be named (a setting edited by
  // hand): says why and offers the local file.
  void Refuse(const QString& why, std::filesystem::path localFile, Opened opened);

 private:
  void Try(int attempt, DatabaseAddress address);
  void OfferLocalFile(int attempt, const QString& why);
  void Finish(int attempt, std::unique_ptr<Database> database);

  QPointer<QWidget> window_;
  Dialogs& dialogs_;
  PasswordAsker askPassword_;
  OpenFunction open_;
  int attempt_ = 0;
  std::filesystem::path localFile_;
  Opened opened_;
  // Answers that come once the opener has gone find it expired.
  std::shared_ptr<const bool> alive_ = std::make_shared<const bool>(true);
};

}  // namespace korvanti
