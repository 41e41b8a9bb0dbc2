#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Guid.h"

namespace korvanti::testing {

// A connection of the test's own, beside the program's, to prepare files of
// older versions and to look at what the program wrote.
class RawDatabase {
 public:
  explicit RawDatabase(const std::filesystem::path& path)
      : name_(QString::fromStdString("raw-" + NewGuidString())) {
    auto connection = QSqlDatabase::addDatabase("QSQLITE", name_);
    connection.setDatabaseName(QString::fromStdString(path.string()));
    connection.open();
  }
  // Any driver, set up by `configure` before opening (a club server's database).
  template <typename Configure>
  RawDatabase(const QString& driver, Configure configure)
      : name_(QString::fromStdString("raw-" + NewGuidString())) {
    auto connection = QSqlDatabase::addDatabase(driver, name_);
    configure(connection);
    if (!connection.open()) {
      ADD_FAILURE() << connection.lastError().text().toStdString();
    }
  }
  RawDatabase(const RawDatabase&) = delete;
  RawDatabase& operator=(const RawDatabase&) = delete;
  ~RawDatabase() {
    QSqlDatabase::database(name_, false).close();
    QSqlDatabase::removeDatabase(name_);
  }

  void Exec(const std::string& text) {
    QSqlQuery query(QSqlDatabase::database(name_));
    if (!query.exec(QString::fromStdString(text))) {
      ADD_FAILURE() << text << ": " << query.lastError().text().toStdString();
    }
  }

  std::vector<std::vector<QVariant>> Rows(const std::string& text) {
    QSqlQuery query(QSqlDatabase::database(name_));
    std::vector<std::vector<QVariant>> rows;
    if (!query.exec(QString::fromStdString(text))) {
      ADD_FAILURE() << text << ": " << query.lastError().text().toStdString();
      return rows;
    }
    while (query.next()) {
      std::vector<QVariant> row;
      for (int i = 0; i < query.record().count(); ++i) {
        row.push_back(query.value(i));
      }
      rows.push_back(std::move(row));
    }
    return rows;
  }

  long long Count(const std::string& tableAndCondition) {
    const auto rows = Rows("SELECT COUNT(*) FROM " + tableAndCondition);
    return rows.empty() ? -1 : rows[0][0].toLongLong();
  }

  std::vector<std::string> Columns(const std::string& table) {
    const auto record = QSqlDatabase::database(name_).record(QString::fromStdString(table));
    std::vector<std::string> names;
    for (int i = 0; i < record.count(); ++i) {
      names.push_back(record.fieldName(i).toStdString());
    }
    return names;
  }

  std::vector<std::string> Tables() {
    std::vector<std::string> names;
    for (const auto& table : QSqlDatabase::database(name_).tables()) {
      names.push_back(table.toStdString());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  QString name_;
};

}  // namespace korvanti::testing
