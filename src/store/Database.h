#pragma once

#include <QSqlDatabase>
#include <filesystem>
#include <memory>
#include <string>

#include "store/SqlDialect.h"

namespace korvanti {

// The program's one connection to its database. The recorder, the schema
// steps and the queries reach the database only through it.
class Database {
 public:
  // Opens the SQLite file, creating it when it does not exist, and lifts its
  // schema to the current version (keeping a copy of an older file beside it).
  // A file that is not a database of this program is refused with an Error
  // and left as it was.
  static std::unique_ptr<Database> OpenFile(const std::filesystem::path& path);

  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // For filling a database with sample data: commits no longer wait for the
  // disk. A crash may then lose or damage the data being loaded.
  void RelaxDurabilityForBulkLoad();

  QSqlDatabase& Connection() { return connection_; }
  const SqlDialect& Dialect() const { return *dialect_; }
  const std::filesystem::path& Path() const { return path_; }

 private:
  Database(std::filesystem::path path, std::unique_ptr<SqlDialect> dialect);

  std::filesystem::path path_;
  std::unique_ptr<SqlDialect> dialect_;
  QString connectionName_;
  QSqlDatabase connection_;
};

// The engine's error text as the program's one exception type.
[[noreturn]] void ThrowDatabaseError(const QString& engineText);

}  // namespace korvanti
