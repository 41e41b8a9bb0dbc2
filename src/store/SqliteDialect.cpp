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

  // A sampled ANALYZE (a few hundred rows per index: milliseconds even on
  // years of play), run when the turns have grown or shrunk a lot since the
  // last one. Small databases need none, and an unchanged file stays unchanged.
  void RefreshPlannerStatistics(QSqlDatabase& connection) const override {
    const auto turns = Number(connection, "SELECT COALESCE(MAX(rowid), 0) FROM throw");
    const auto analysed = Number(connection,
                                 "SELECT CAST(stat AS INTEGER) FROM sqlite_stat1 "
                                 "WHERE idx = 'idx_throw_player'");
    const bool stale =
        analysed <= 0 ? turns >= kWorthAnalysing : turns > 2 * analysed || 2 * turns < analysed;
    if (stale) {
      Run(connection, {"PRAGMA analysis_limit=400", "ANALYZE"});
    }
  }

  void PrepareBulkLoad(QSqlDatabase& connection) const override {
    Run(connection, {"PRAGMA synchronous=OFF"});
  }

 private:
  static constexpr long long kWorthAnalysing = 5000;

  // The first value of a query, 0 when it fails (no statistics table yet) or is empty.
  static long long Number(QSqlDatabase& connection, const char* statement) {
    QSqlQuery query(connection);
    if (!query.exec(QString::fromLatin1(statement)) || !query.next()) {
      return 0;
    }
    return query.value(0).toLongLong();
  }

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
