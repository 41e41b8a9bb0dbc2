#include "store/SqlStatement.h"

#include <QSqlError>
#include <QSqlRecord>

#include "store/Database.h"

namespace korvanti {

SqlStatement::SqlStatement(Database& database, std::string_view text)
    : database_(database), query_(database.Connection()), text_(text) {
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
bool SqlStatement::Run() {
  const auto text = QString::fromStdString(text_);
  if (values_.empty()) {
    return query_.exec(text);
  }
  if (!query_.prepare(text)) {
    return false;
  }
  for (const auto& value : values_) {
    query_.addBindValue(value);
  }
  return query_.exec();
}

// Outside a transaction a statement is repeated once on a new connection when
// the server connection broke off since the last one.
SqlStatement& SqlStatement::Execute() {
  if (Run()) {
    return *this;
  }
  const auto error = query_.lastError().text();
  if (database_.OnServer() && !database_.InTransaction() && IsConnectionGone(error)) {
    database_.Reconnect();
    query_ = QSqlQuery(database_.Connection());
    query_.setForwardOnly(true);
    if (Run()) {
      return *this;
    }
    ThrowDatabaseError(query_.lastError().text());
  }
  ThrowDatabaseError(error);
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
