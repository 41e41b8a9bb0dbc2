#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <string>
#include <vector>

#include "store/Database.h"

namespace korvanti {

// The dialects' own statements, which run below the statement class.

// The first value of a query that must succeed; 0 when it returns no row.
inline long long FirstValue(QSqlQuery& query) {
  if (!query.exec()) {
    ThrowDatabaseError(query.lastError().text());
  }
  return query.next() ? query.value(0).toLongLong() : 0;
}

inline long long FirstValue(QSqlDatabase& connection, const QString& statement) {
  QSqlQuery query(connection);
  if (!query.prepare(statement)) {
    ThrowDatabaseError(query.lastError().text());
  }
  return FirstValue(query);
}

// The names a query finds whose first characters are `prefix`; the query's
// two parameters are the prefix's length and the prefix.
inline std::vector<std::string> NamesStartingWith(QSqlDatabase& connection,
                                                  const QString& statement,
                                                  const std::string& prefix) {
  QSqlQuery query(connection);
  query.prepare(statement);
  query.addBindValue(static_cast<int>(prefix.size()));
  query.addBindValue(QString::fromStdString(prefix));
  if (!query.exec()) {
    ThrowDatabaseError(query.lastError().text());
  }
  std::vector<std::string> names;
  while (query.next()) {
    names.push_back(query.value(0).toString().toStdString());
  }
  return names;
}

// A statement without parameters and rows that must succeed.
inline void RunStatement(QSqlDatabase& connection, const QString& statement) {
  QSqlQuery query(connection);
  if (!query.exec(statement)) {
    ThrowDatabaseError(query.lastError().text());
  }
}

}  // namespace korvanti
