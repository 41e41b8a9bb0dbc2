#pragma once

#include <QSqlQuery>
#include <QVariant>
#include <string>
#include <string_view>
#include <vector>

namespace korvanti {

class Database;

// One prepared statement with positional parameters. Values always travel as
// bound parameters, never inside the statement text. Failures throw Error.
class SqlStatement {
 public:
  SqlStatement(Database& database, std::string_view text);

  SqlStatement& Bind(const QVariant& value);
  SqlStatement& Bind(std::string_view text);
  SqlStatement& Bind(const std::string& text) { return Bind(std::string_view(text)); }
  SqlStatement& Bind(const char* text) { return Bind(std::string_view(text)); }
  SqlStatement& Bind(int value) { return Bind(QVariant(value)); }
  SqlStatement& Bind(double value) { return Bind(QVariant(value)); }

  SqlStatement& Execute();
  bool Next() { return query_.next(); }

  QVariant Value(int column) const { return query_.value(column); }
  int ColumnCount() const;
  std::string Text(int column) const;
  long long Integer(int column) const;  // an empty value reads as 0
  double Float(int column) const;       // an empty value reads as 0
  int RowsAffected() const { return query_.numRowsAffected(); }

 private:
  bool Run();

  Database& database_;
  QSqlQuery query_;
  std::string text_;
  std::vector<QVariant> values_;
};

// Runs a statement without parameters that returns no rows.
void ExecuteStatement(Database& database, std::string_view text);

}  // namespace korvanti
