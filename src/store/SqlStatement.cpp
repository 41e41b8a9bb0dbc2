#include "store/SqlStatement.h"

#include <QSqlError>
#include <QSqlRecord>

#include "store/Database.h"

namespace korvanti {

SqlStatement::SqlStatement(Database& database, std::string_view text)
    : query_(database.Connection()), text_(text) {
  query_.setForwardOnly(true);
}

SqlStatement& SqlStatement::Bind(const QVariant& value) {
  values_.push_back(value);
  return *this;
}

SqlStatement& SqlStatement::Bind(std::string_view text) {
  return Bind(QVariant(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))));
}

// A statement without values runs as it is: the server cannot prepare every
// statement (a table's definition, a trigger's function).
SqlStatement& SqlStatement::Execute() {
  const auto text = QString::fromStdString(text_);
  if (values_.empty()) {
    if (!query_.exec(text)) {
      ThrowDatabaseError(query_.lastError().text());
    }
    return *this;
  }
  if (!query_.prepare(text)) {
    ThrowDatabaseError(query_.lastError().text());
  }
  for (const auto& value : values_) {
    query_.addBindValue(value);
  }
  if (!query_.exec()) {
    ThrowDatabaseError(query_.lastError().text());
  }
  return *this;
}

std::string SqlStatement::Text(int column) const {
  return query_.value(column).toString().toStdString();
}

int SqlStatement::ColumnCount() const {
  return query_.record().count();
}

long long SqlStatement::Integer(int column) const {
  return query_.value(column).toLongLong();
}

double SqlStatement::Float(int column) const {
  return query_.value(column).toDouble();
}

void ExecuteStatement(Database& database, std::string_view text) {
  SqlStatement(database, text).Execute();
}

}  // namespace korvanti
