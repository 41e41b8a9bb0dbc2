#include "store/Database.h"

#include <QSqlError>
#include <QStringList>
#include <array>
#include <fstream>
#include <system_error>

#include "platform/Error.h"
#include "platform/Guid.h"
#include "store/DatabaseSchema.h"

namespace korvanti {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kSqliteHeader{"SQLite format 3\0", 16};
constexpr std::string_view kAccessMarker = "Standard Jet DB";
constexpr std::string_view kAccess2007Marker = "Standard ACE DB";

enum class FileKind { Missing, Sqlite, Access, Other };

FileKind KindOfFile(const fs::path& path) {
  std::error_code error;
  if (!fs::exists(path, error)) {
    return FileKind::Missing;
  }
  if (fs::is_regular_file(path, error) && fs::file_size(path, error) == 0 && !error) {
    return FileKind::Missing;  // nothing to lose: SQLite makes it a database
  }
  std::array<char, 32> head{};
  std::ifstream in(path, std::ios::binary);
  in.read(head.data(), head.size());
  const std::string_view bytes(head.data(), static_cast<std::size_t>(in.gcount()));
  if (bytes.starts_with(kSqliteHeader)) {
    return FileKind::Sqlite;
  }
  if (bytes.find(kAccessMarker) != std::string_view::npos ||
      bytes.find(kAccess2007Marker) != std::string_view::npos) {
    return FileKind::Access;
  }
  return FileKind::Other;
}

[[noreturn]] void Refuse(const fs::path& path, const std::string& why) {
  throw Error("Die Datei \"" + path.string() + "\" " + why +
              " Korvanti kann sie nicht öffnen; die Datei bleibt unverändert.");
}

// A copy beside the file before the upgrade touches it, kept if one exists
// from an earlier attempt at the same version.
void KeepCopyBeforeUpgrade(const fs::path& path, int version) {
  fs::path copy = path;
  copy += ".v" + std::to_string(version) + ".bak";
  std::error_code error;
  fs::copy_file(path, copy, fs::copy_options::skip_existing, error);
  if (error) {
    throw Error("Vor der Aktualisierung der Datenbank konnte keine Sicherungskopie \"" +
                copy.string() + "\" angelegt werden: " + error.message() +
                ". Die Datenbank bleibt unverändert.");
  }
}

}  // namespace

void ThrowDatabaseError(const QString& engineText) {
  throw Error("Datenbankfehler: " + engineText.toStdString());
}

Database::Database(fs::path path, std::unique_ptr<SqlDialect> dialect)
    : path_(std::move(path)),
      dialect_(std::move(dialect)),
      connectionName_(QString::fromStdString("korvanti-" + NewGuidString())) {}

Database::~Database() {
  connection_.close();
  connection_ = QSqlDatabase();
  QSqlDatabase::removeDatabase(connectionName_);
}

void Database::RelaxDurabilityForBulkLoad() {
  dialect_->PrepareBulkLoad(connection_);
}

std::unique_ptr<Database> Database::OpenFile(const fs::path& path) {
  const auto kind = KindOfFile(path);
  if (kind == FileKind::Access) {
    Refuse(path, "ist eine Access-Datenbank.");
  }
  if (kind == FileKind::Other) {
    Refuse(path, "ist keine Datenbank.");
  }

  std::unique_ptr<Database> database(new Database(path, MakeSqliteDialect()));
  database->connection_ = QSqlDatabase::addDatabase("QSQLITE", database->connectionName_);
  if (!database->connection_.isValid()) {
    throw Error("Der SQLite-Treiber von Qt fehlt (Paket libqt6sql6-sqlite).");
  }
  database->connection_.setDatabaseName(QString::fromStdString(path.string()));
  database->connection_.setConnectOptions("QSQLITE_BUSY_TIMEOUT=5000");
  if (!database->connection_.open()) {
    ThrowDatabaseError(database->connection_.lastError().text());
  }

  DatabaseSchema schema(*database);
  const auto tables = database->connection_.tables();
  const bool created = tables.isEmpty();
  if (created) {
    database->dialect_->PrepareConnection(database->connection_);
    schema.CreateShippedDatabase();
  } else if (!tables.contains("version") || !tables.contains("throw")) {
    Refuse(path, "ist keine Datenbank von Korvanti.");
  } else {
    database->dialect_->PrepareConnection(database->connection_);
  }

  const int version = schema.DatabaseVersion();
  if (version >= 1 && version < DatabaseSchema::kCurrentVersion) {
    if (!created) {
      KeepCopyBeforeUpgrade(path, version);
    }
    schema.UpgradeDatabase();
  }
  if (schema.DatabaseVersion() == DatabaseSchema::kCurrentVersion) {
    schema.EnsureIndexes();
  }
  return database;
}

}  // namespace korvanti
