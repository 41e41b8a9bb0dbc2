#pragma once

#include <QSqlDatabase>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/Error.h"
#include "store/DatabaseAddress.h"
#include "store/SqlDialect.h"

namespace korvanti {

// How a caller means to use the database. Commands that only read open it
// ReadOnly: nothing then writes the file, whoever runs the program.
enum class DatabaseAccess { ReadWrite, ReadOnly };

// The program's one connection to its database. The recorder, the schema
// steps and the queries reach the database only through it.
class Database {
 public:
  // Opens the SQLite file, creating it when it does not exist, and lifts its
  // schema to the current version (keeping a copy of an older file beside it).
  // A file that is not a database of this program, or whose version this
  // program does not know, is refused with an Error and left as it was. A file
  // or folder that cannot be written is opened read-only; it must then be
  // a current database already.
  static std::unique_ptr<Database> OpenFile(const std::filesystem::path& path,
                                            DatabaseAccess access = DatabaseAccess::ReadWrite);
  // Opens the file or the club server the address names. On a server the
  // schema is created and lifted the same way (no copy is kept: the server's
  // own backups do that); a server database holding another program's tables
  // or a newer version is refused untouched.
  static std::unique_ptr<Database> Open(const DatabaseAddress& address,
                                        DatabaseAccess access = DatabaseAccess::ReadWrite);

  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // For filling a database with sample data: commits no longer wait for the
  // disk. A crash may then lose or damage the data being loaded.
  void RelaxDurabilityForBulkLoad();

  QSqlDatabase& Connection() { return connection_; }
  const SqlDialect& Dialect() const { return *dialect_; }
  // The file; empty on a server.
  const std::filesystem::path& Path() const { return path_; }
  // What opened it: a second connection to the same database opens this.
  const DatabaseAddress& Address() const { return address_; }
  bool OnServer() const { return address_.OnServer(); }

  // Opens the server connection anew after it broke off (temporary tables
  // are gone with the old one). Throws ConnectionLost while the server
  // cannot be reached.
  void Reconnect();
  // Whether a write transaction is open: a statement inside one cannot be
  // repeated on a new connection, the whole transaction has to be.
  bool InTransaction() const { return inTransaction_; }
  void SetInTransaction(bool open) { inTransaction_ = open; }
  // True when the file was opened read-only: asked for, or the file or its
  // folder is not writable. Nothing may be written then, not even tables
  // derived from the data (use TEMP tables).
  bool ReadOnly() const { return readOnly_; }

 private:
  Database(DatabaseAddress address, std::filesystem::path path,
           std::unique_ptr<SqlDialect> dialect);
  // Recognises, creates or lifts the schema once the connection is open.
  void FinishOpening();

  DatabaseAddress address_;
  std::filesystem::path path_;
  std::unique_ptr<SqlDialect> dialect_;
  bool readOnly_ = false;
  bool inTransaction_ = false;
  QString connectionName_;
  QSqlDatabase connection_;
};

// The club server asks for a password the program has not got (or refused it).
class PasswordNeeded : public Error {
 public:
  using Error::Error;
};

// Whether the engine's error says the server connection is gone.
bool IsConnectionGone(const QString& engineText);

// The engine's error text as the program's one exception type.
[[noreturn]] void ThrowDatabaseError(const QString& engineText);

}  // namespace korvanti
