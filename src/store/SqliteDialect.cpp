#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

#include "platform/Error.h"
#include "store/SqlDialect.h"

namespace korvanti {
namespace {

class SqliteDialect : public SqlDialect {
 public:
  // Declared types that give SQLite's text, integer and real affinity.
  std::string TextType() const override { return "TEXT"; }
  std::string IntegerType() const override { return "INTEGER"; }
  std::string FloatType() const override { return "DOUBLE"; }

  // A rollback journal with full sync: a commit is on the disk when it
  // returns, and a process killed at any moment leaves the last committed
  // state (the journal is rolled back at the next open). One file, no
  // companions to carry along when the database is copied.
  void PrepareConnection(QSqlDatabase& connection) const override {
    Run(connection, {"PRAGMA journal_mode=DELETE", "PRAGMA synchronous=FULL"});
  }

  void PrepareBulkLoad(QSqlDatabase& connection) const override {
    Run(connection, {"PRAGMA synchronous=OFF"});
  }

 private:
  static void Run(QSqlDatabase& connection, std::initializer_list<const char*> pragmas) {
    for (const char* pragma : pragmas) {
      QSqlQuery query(connection);
      if (!query.exec(QString::fromLatin1(pragma))) {
        throw Error("Datenbankfehler: " + query.lastError().text().toStdString());
      }
    }
  }
};

}  // namespace

std::unique_ptr<SqlDialect> MakeSqliteDialect() {
  return std::make_unique<SqliteDialect>();
}

}  // namespace korvanti
