#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <string>
#include <vector>

#include "store/Database.h"
#include "store/DialectStatements.h"
#include "store/SqlDialect.h"

namespace korvanti {
namespace {

class SqliteDialect : public SqlDialect {
 public:
  // Declared types that give SQLite's text, integer and real affinity.
  std::string TextType() const override { return "TEXT"; }
  std::string IntegerType() const override { return "INTEGER"; }
  std::string FloatType() const override { return "DOUBLE"; }

  std::string RowIdColumn() const override { return {}; }
  std::string KeyOnlyTableSuffix() const override { return " WITHOUT ROWID"; }
  std::string JoinedTexts(const std::string& expression) const override {
    return "GROUP_CONCAT(" + expression + ", '')";
  }
  std::string TemporaryTable(const std::string& name) const override { return "temp." + name; }
  std::string TemporaryIndex(const std::string& name) const override { return "temp." + name; }

  bool HasObject(QSqlDatabase& connection, const std::string& kind,
                 const std::string& name) const override {
    QSqlQuery query(connection);
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = ? AND name = ?"));
    query.addBindValue(QString::fromStdString(kind));
    query.addBindValue(QString::fromStdString(name));
    if (!query.exec()) {
      ThrowDatabaseError(query.lastError().text());
    }
    return query.next() && query.value(0).toLongLong() > 0;
  }

  std::vector<std::string> CreateTrigger(const std::string& name, const std::string& event,
                                         const std::string& body) const override {
    return {"CREATE TRIGGER " + name + " " + event + " BEGIN " + body + " END"};
  }

  void DropTriggers(QSqlDatabase& connection, const std::string& prefix) const override {
    const auto names = NamesStartingWith(
        connection,
        QStringLiteral(
            "SELECT name FROM sqlite_master WHERE type = 'trigger' AND substr(name, 1, ?) = ?"),
        prefix);
    for (const auto& name : names) {
      const auto statement = "DROP TRIGGER \"" + name + "\"";
      Run(connection, {statement.c_str()});
    }
  }

  QString ConnectOptions(bool readOnly) const override {
    return readOnly ? QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000;QSQLITE_OPEN_READONLY")
                    : QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000");
  }

  // A rollback journal with full sync: a commit is on the disk when it
  // returns, and a process killed at any moment leaves the last committed
  // state (the journal is rolled back at the next open). One file, no
  // companions to carry along when the database is copied.
  // 64 MiB of pages: a statistics refresh reads a year of one player's turns
  // from all over the file; the next refresh finds most of them here.
  void TuneReading(QSqlDatabase& connection) const override {
    Run(connection, {"PRAGMA cache_size=-65536"});
  }

  void PrepareConnection(QSqlDatabase& connection) const override {
    Run(connection, {"PRAGMA journal_mode=DELETE", "PRAGMA synchronous=FULL"});
  }

  // IMMEDIATE takes the write lock at the start (waiting up to the busy
  // timeout), so two programs never both read "no such row" and then both add it.
  void BeginWriteTransaction(QSqlDatabase& connection) const override {
    Run(connection, {"BEGIN IMMEDIATE"});
  }

  long long SchemaObjectCount(QSqlDatabase& connection) const override {
    return Checked(connection, "SELECT COUNT(*) FROM sqlite_master");
  }

  long long ApplicationId(QSqlDatabase& connection) const override {
    return Checked(connection, "PRAGMA application_id");
  }

  void SetApplicationId(QSqlDatabase& connection, long long id) const override {
    const auto statement = "PRAGMA application_id=" + std::to_string(id);
    Run(connection, {statement.c_str()});
  }

  // A sampled ANALYZE (a few hundred rows per index: milliseconds even on
  // years of play), run when the turns have grown or shrunk a lot since the
  // last one. The sample's row count is only an estimate (it may be half the
  // real one), so it is replaced by the highest row id, the very figure the
  // next open compares with; otherwise every open would find the statistics
  // stale and write the file again.
  void RefreshPlannerStatistics(QSqlDatabase& connection) const override {
    const auto turns = Number(connection, "SELECT COALESCE(MAX(rowid), 0) FROM throw");
    const auto analysed = Number(connection,
                                 "SELECT CAST(stat AS INTEGER) FROM sqlite_stat1 "
                                 "WHERE idx = 'idx_throw_player'");
    const bool stale =
        analysed <= 0 ? turns >= kWorthAnalysing : turns > 2 * analysed || 2 * turns < analysed;
    if (!stale) {
      return;
    }
    BeginWriteTransaction(connection);
    try {
      Run(connection, {"PRAGMA analysis_limit=400", "ANALYZE"});
      QSqlQuery recount(connection);
      recount.prepare(QStringLiteral(
          "UPDATE sqlite_stat1 SET stat = CAST(? AS TEXT) || "
          "CASE WHEN instr(stat, ' ') > 0 THEN substr(stat, instr(stat, ' ')) ELSE '' END "
          "WHERE tbl = 'throw' AND idx IS NOT NULL"));
      recount.addBindValue(turns);
      if (!recount.exec()) {
        ThrowDatabaseError(recount.lastError().text());
      }
      Run(connection, {"COMMIT"});
    } catch (...) {
      QSqlQuery(connection).exec(QStringLiteral("ROLLBACK"));
      throw;
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

  // The first value of a query that must succeed.
  static long long Checked(QSqlDatabase& connection, const char* statement) {
    return FirstValue(connection, QString::fromLatin1(statement));
  }

  static void Run(QSqlDatabase& connection, std::initializer_list<const char*> pragmas) {
    for (const char* pragma : pragmas) {
      RunStatement(connection, QString::fromLatin1(pragma));
    }
  }
};

}  // namespace

std::unique_ptr<SqlDialect> MakeSqliteDialect() {
  return std::make_unique<SqliteDialect>();
}

}  // namespace korvanti
