#include "store/SqlStatement.h"

#include <QSqlError>
#include <QSqlRecord>

#include "store/Database.h"

namespace korvanti {

SqlStatement::SqlStatement(Database& database, std::string_view text)
    : query_(database.Connection()), text_(text) {
  query_.setForwardOnly(true);
  if (!query_.prepare(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())))) {
    ThrowDatabaseError(query_.lastError().text());
  }
}

SqlStatement& SqlStatement::Bind(const QVariant& value) {
  query_.addBindValue(value);
  return *this;
}

SqlStatement& SqlStatement::Bind(std::string_view text) {
  return Bind(QVariant(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))));
}

SqlStatement& SqlStatement::Execute() {
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
