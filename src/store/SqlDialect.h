#pragma once

#include <memory>
#include <string>

class QSqlDatabase;

namespace korvanti {

// What differs between the database engines the program speaks to. Every
// other statement text is shared.
class SqlDialect {
 public:
  virtual ~SqlDialect() = default;

  virtual std::string TextType() const = 0;
  virtual std::string IntegerType() const = 0;
  virtual std::string FloatType() const = 0;

  // Settings applied right after the connection has been checked.
  virtual void PrepareConnection(QSqlDatabase& connection) const = 0;
  // Lets the query planner know how the data is spread (which index fits a
  // query depends on it); quick, and done at every open.
  virtual void RefreshPlannerStatistics(QSqlDatabase& connection) const = 0;
  // Settings for loading much data at once, where durability does not matter.
  virtual void PrepareBulkLoad(QSqlDatabase& connection) const = 0;
};

// SQLite, the embedded default: one file, no server.
std::unique_ptr<SqlDialect> MakeSqliteDialect();

}  // namespace korvanti
