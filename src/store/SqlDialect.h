#pragma once

#include <memory>
#include <string>
#include <vector>

class QSqlDatabase;
class QString;

namespace korvanti {

// What differs between the database engines the program speaks to. Every
// other statement text is shared.
class SqlDialect {
 public:
  virtual ~SqlDialect() = default;

  virtual std::string TextType() const = 0;
  virtual std::string IntegerType() const = 0;
  virtual std::string FloatType() const = 0;

  // Added to every table's columns: a number that grows with every row added,
  // read as "rowid" (SQLite has it built in, so there it adds nothing).
  virtual std::string RowIdColumn() const = 0;
  // Ends a table definition whose rows are found by their key only.
  virtual std::string KeyOnlyTableSuffix() const = 0;
  // The aggregate joining the texts of a group without a separator.
  virtual std::string JoinedTexts(const std::string& expression) const = 0;
  // Names a temporary table, and the index of one, of the connection.
  virtual std::string TemporaryTable(const std::string& name) const = 0;
  virtual std::string TemporaryIndex(const std::string& name) const = 0;
  // Whether the schema holds a table, index or trigger of that name.
  virtual bool HasObject(QSqlDatabase& connection, const std::string& kind,
                         const std::string& name) const = 0;
  // The statements that make a trigger running `body` (statements each ended
  // by ';', reading NEW and OLD) after every row of `event` ("AFTER INSERT ON throw").
  virtual std::vector<std::string> CreateTrigger(const std::string& name, const std::string& event,
                                                 const std::string& body) const = 0;
  // Drops every trigger whose name starts with `prefix`.
  virtual void DropTriggers(QSqlDatabase& connection, const std::string& prefix) const = 0;

  // Connection options given to the driver before opening.
  virtual QString ConnectOptions(bool readOnly) const = 0;
  // The connection's own settings for reading (its page cache); they change
  // nothing in the file and apply to every connection.
  virtual void TuneReading(QSqlDatabase& connection) const = 0;
  // Settings applied right after the file has been recognised as ours; they
  // write nothing and are only applied to a writable file.
  virtual void PrepareConnection(QSqlDatabase& connection) const = 0;
  // Starts a transaction that writes: it waits for other writers first, so a
  // look-up inside it still holds when the transaction writes.
  virtual void BeginWriteTransaction(QSqlDatabase& connection) const = 0;
  // Schema objects of any kind (tables, views, triggers, indexes); 0 for a
  // file that holds nothing yet.
  virtual long long SchemaObjectCount(QSqlDatabase& connection) const = 0;
  // The number marking a database file as made by a given program; 0 unset.
  virtual long long ApplicationId(QSqlDatabase& connection) const = 0;
  virtual void SetApplicationId(QSqlDatabase& connection, long long id) const = 0;
  // Lets the query planner know how the data is spread (which index fits a
  // query depends on it). Writes only when the turns have grown or shrunk a
  // lot since the last time, so a file opened again unchanged stays unchanged.
  virtual void RefreshPlannerStatistics(QSqlDatabase& connection) const = 0;
  // Settings for loading much data at once, where durability does not matter.
  virtual void PrepareBulkLoad(QSqlDatabase& connection) const = 0;
};

// SQLite, the embedded default: one file, no server.
std::unique_ptr<SqlDialect> MakeSqliteDialect();
// PostgreSQL, the club server every board writes to.
std::unique_ptr<SqlDialect> MakePostgresDialect();

}  // namespace korvanti
