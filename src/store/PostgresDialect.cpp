#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <string>
#include <vector>

#include "store/Database.h"
#include "store/DialectStatements.h"
#include "store/SqlDialect.h"

namespace korvanti {
namespace {

// Every writer of the club database takes this lock first: writes of all
// boards follow each other as on the single file, so a look-up inside a write
// transaction still holds when it writes (a new nickname, a game's id).
constexpr long long kWriterLock = 0x4B6F7276;

class PostgresDialect : public SqlDialect {
 public:
  std::string TextType() const override { return "TEXT"; }
  std::string IntegerType() const override { return "BIGINT"; }
  std::string FloatType() const override { return "DOUBLE PRECISION"; }

  // SQLite numbers rows by itself; the statements that keep the order of
  // turns read that number as "rowid", so here every table carries one.
  std::string RowIdColumn() const override { return "rowid BIGSERIAL"; }
  std::string KeyOnlyTableSuffix() const override { return {}; }
  std::string JoinedTexts(const std::string& expression) const override {
    return "STRING_AGG(" + expression + ", '')";
  }
  std::string TemporaryTable(const std::string& name) const override { return "pg_temp." + name; }
  // An index lives where its table lives; its name takes no schema.
  std::string TemporaryIndex(const std::string& name) const override { return name; }

  bool HasObject(QSqlDatabase& connection, const std::string& kind,
                 const std::string& name) const override {
    const bool trigger = kind == "trigger";
    QSqlQuery query(connection);
    query.prepare(trigger
                      ? QStringLiteral(
                            "SELECT COUNT(*) FROM pg_trigger t JOIN pg_class c ON c.oid = "
                            "t.tgrelid WHERE c.relnamespace = current_schema()::text::regnamespace "
                            "AND t.tgname = ?")
                      : QStringLiteral("SELECT COUNT(*) FROM pg_class WHERE relnamespace = "
                                       "current_schema()::text::regnamespace AND relname = ?"));
    query.addBindValue(QString::fromStdString(name));
    return Checked(query) > 0;
  }

  // A row trigger runs a function; both carry the trigger's name.
  std::vector<std::string> CreateTrigger(const std::string& name, const std::string& event,
                                         const std::string& body) const override {
    return {
        "CREATE FUNCTION " + name + "() RETURNS trigger LANGUAGE plpgsql AS $body$ BEGIN " + body +
            " RETURN NULL; END $body$",
        "CREATE TRIGGER " + name + " " + event + " FOR EACH ROW EXECUTE FUNCTION " + name + "()"};
  }

  // Dropping the function drops its trigger.
  void DropTriggers(QSqlDatabase& connection, const std::string& prefix) const override {
    const auto names = NamesStartingWith(
        connection,
        QStringLiteral(
            "SELECT proname FROM pg_proc WHERE pronamespace = current_schema()::text::regnamespace "
            "AND left(proname, ?) = ?"),
        prefix);
    for (const auto& name : names) {
      Run(connection, "DROP FUNCTION \"" + name + "\"() CASCADE");
    }
  }

  QString ConnectOptions(bool) const override { return {}; }
  void TuneReading(QSqlDatabase&) const override {}
  void PrepareConnection(QSqlDatabase&) const override {}

  void BeginWriteTransaction(QSqlDatabase& connection) const override {
    Run(connection, "BEGIN");
    Run(connection, "SELECT pg_advisory_xact_lock(" + std::to_string(kWriterLock) + ")");
  }

  // Tables, sequences, indexes, views and functions of the schema.
  long long SchemaObjectCount(QSqlDatabase& connection) const override {
    QSqlQuery query(connection);
    query.prepare(QStringLiteral(
        "SELECT (SELECT COUNT(*) FROM pg_class WHERE relnamespace = "
        "current_schema()::text::regnamespace) + (SELECT COUNT(*) FROM pg_proc WHERE "
        "pronamespace = current_schema()::text::regnamespace)"));
    return Checked(query);
  }

  // The mark is the comment of the version table.
  long long ApplicationId(QSqlDatabase& connection) const override {
    QSqlQuery query(connection);
    query.prepare(QStringLiteral(
        "SELECT COALESCE(substring(obj_description(to_regclass('version'), 'pg_class') "
        "FROM 'application_id=([0-9]+)'), '0')"));
    return Checked(query);
  }

  void SetApplicationId(QSqlDatabase& connection, long long id) const override {
    Run(connection,
        "COMMENT ON TABLE version IS 'Korvanti application_id=" + std::to_string(id) + "'");
  }

  // The server's own statistics follow the data (autovacuum); only tables
  // never analysed yet, after a first bulk load, are analysed here.
  void RefreshPlannerStatistics(QSqlDatabase& connection) const override {
    QSqlQuery query(connection);
    query.prepare(QStringLiteral(
        "SELECT COUNT(*) FROM pg_stat_user_tables WHERE relname = 'throw' AND n_live_tup > 5000 "
        "AND last_analyze IS NULL AND last_autoanalyze IS NULL"));
    if (Checked(query) > 0) {
      Run(connection, "ANALYZE");
    }
  }

  void PrepareBulkLoad(QSqlDatabase& connection) const override {
    Run(connection, "SET synchronous_commit = off");
  }

 private:
  static long long Checked(QSqlQuery& query) { return FirstValue(query); }
  static void Run(QSqlDatabase& connection, const std::string& statement) {
    RunStatement(connection, QString::fromStdString(statement));
  }
};

}  // namespace

std::unique_ptr<SqlDialect> MakePostgresDialect() {
  return std::make_unique<PostgresDialect>();
}

}  // namespace korvanti
