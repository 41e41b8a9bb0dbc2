#include "store/Database.h"

#include <QSqlError>
#include <QStringList>
#include <array>
#include <fstream>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/Error.h"
#include "platform/Guid.h"
#include "platform/Notice.h"
#include "store/DatabaseSchema.h"
#include "store/GameTotals.h"
#include "store/ServerConnection.h"

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

// Marks the files this program makes ("Korv").
constexpr long long kApplicationId = 0x4B6F7276;

// Writable for this process, and not marked read-only for everybody: a file
// or folder without any write permission is left alone even by root.
bool Writable(const fs::path& path) {
  struct stat status {};
  return ::access(path.c_str(), W_OK) == 0 && ::stat(path.c_str(), &status) == 0 &&
         (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

fs::path FolderOf(const fs::path& path) {
  const auto folder = path.parent_path();
  return folder.empty() ? fs::path(".") : folder;
}

[[noreturn]] void Refuse(const std::string& location, const std::string& why) {
  if (DatabaseAddress::IsServerLocation(location)) {
    throw Error("Die Datenbank \"" + location + "\" " + why +
                " Korvanti kann sie nicht benutzen; sie bleibt unverändert.");
  }
  throw Error("Die Datei \"" + location + "\" " + why +
              " Korvanti kann sie nicht öffnen; die Datei bleibt unverändert.");
}

// A copy beside the file before a change of its layout touches it, kept if
// one exists from an earlier attempt.
void KeepCopy(const fs::path& path, const std::string& suffix) {
  fs::path copy = path;
  copy += suffix;
  std::error_code error;
  fs::copy_file(path, copy, fs::copy_options::skip_existing, error);
  if (error) {
    throw Error("Vor der Aktualisierung der Datenbank konnte keine Sicherungskopie \"" +
                copy.string() + "\" angelegt werden: " + error.message() +
                ". Die Datenbank bleibt unverändert.");
  }
}

}  // namespace

bool IsConnectionGone(const QString& engineText) {
  static constexpr const char* kConnectionGone[] = {"server closed the connection",
                                                    "no connection to the server",
                                                    "could not connect",
                                                    "connection to server",
                                                    "terminating connection",
                                                    "could not receive data from server",
                                                    "could not send data to server",
                                                    "Connection refused",
                                                    "could not translate host name",
                                                    "timeout expired",
                                                    "EOF detected",
                                                    "connection is bad"};
  for (const char* gone : kConnectionGone) {
    if (engineText.contains(QLatin1String(gone), Qt::CaseInsensitive)) {
      return true;
    }
  }
  return false;
}

void ThrowDatabaseError(const QString& engineText) {
  struct Known {
    const char* engine;
    const char* german;
  };
  static constexpr Known kKnown[] = {
      {"database is locked",
       "Die Datenbank wird gerade von einem anderen Programm benutzt. Bitte später noch einmal "
       "versuchen."},
      {"database table is locked",
       "Die Datenbank wird gerade von einem anderen Programm benutzt. Bitte später noch einmal "
       "versuchen."},
      {"readonly database",
       "Die Datenbank ist schreibgeschützt; es kann nichts gespeichert werden."},
      {"disk is full", "Auf dem Datenträger ist kein Platz mehr; es wurde nichts gespeichert."},
      {"unable to open database file", "Die Datenbankdatei kann nicht geöffnet werden."},
  };
  if (IsConnectionGone(engineText)) {
    throw ConnectionLost("Die Verbindung zum Vereinsserver ist unterbrochen (" +
                         engineText.trimmed().toStdString() + ").");
  }
  for (const auto& known : kKnown) {
    if (engineText.contains(QLatin1String(known.engine), Qt::CaseInsensitive)) {
      throw Error(known.german);
    }
  }
  throw Error("Datenbankfehler: " + engineText.toStdString());
}

Database::Database(DatabaseAddress address, fs::path path, std::unique_ptr<SqlDialect> dialect)
    : address_(std::move(address)),
      path_(std::move(path)),
      dialect_(std::move(dialect)),
      connectionName_(QString::fromStdString("korvanti-" + NewGuidString())) {}

Database::~Database() {
  connection_.close();
  connection_ = QSqlDatabase();
  QSqlDatabase::removeDatabase(connectionName_);
}

void Database::Reconnect() {
  connection_.close();
  inTransaction_ = false;
  if (!connection_.open()) {
    ThrowDatabaseError(connection_.lastError().text());
  }
}

void Database::RelaxDurabilityForBulkLoad() {
  dialect_->PrepareBulkLoad(connection_);
}

std::unique_ptr<Database> Database::OpenFile(const fs::path& path, DatabaseAccess access) {
  return Open(DatabaseAddress::File(path), access);
}

std::unique_ptr<Database> Database::Open(const DatabaseAddress& address, DatabaseAccess access) {
  if (address.OnServer()) {
    std::unique_ptr<Database> database(new Database(address, {}, MakePostgresDialect()));
    database->readOnly_ = access == DatabaseAccess::ReadOnly;
    database->connection_ = QSqlDatabase::addDatabase("QPSQL", database->connectionName_);
    if (!database->connection_.isValid()) {
      throw Error(
          "Der PostgreSQL-Treiber von Qt fehlt (Paket libqt6sql6-psql); ohne ihn erreicht "
          "Korvanti keinen Vereinsserver.");
    }
    ConnectToServer(database->connection_, address);
    database->FinishOpening();
    return database;
  }
  const fs::path path(address.location);
  const auto kind = KindOfFile(path);
  if (kind == FileKind::Access) {
    Refuse(path.string(), "ist eine Access-Datenbank.");
  }
  if (kind == FileKind::Other) {
    Refuse(path.string(), "ist keine Datenbank.");
  }
  std::error_code error;
  const bool exists = fs::exists(path, error);
  const bool readOnly = access == DatabaseAccess::ReadOnly || !Writable(FolderOf(path)) ||
                        (exists && !Writable(path));
  if (readOnly && !exists) {
    throw Error(access == DatabaseAccess::ReadOnly
                    ? "Die Datenbank \"" + path.string() + "\" gibt es nicht."
                    : "Die Datenbank \"" + path.string() +
                          "\" kann nicht angelegt werden, weil ihr Ordner schreibgeschützt ist.");
  }

  std::unique_ptr<Database> database(new Database(address, path, MakeSqliteDialect()));
  database->readOnly_ = readOnly;
  auto& connection = database->connection_;
  connection = QSqlDatabase::addDatabase("QSQLITE", database->connectionName_);
  if (!connection.isValid()) {
    throw Error("Der SQLite-Treiber von Qt fehlt (Paket libqt6sql6-sqlite).");
  }
  connection.setDatabaseName(QString::fromStdString(path.string()));
  connection.setConnectOptions(database->dialect_->ConnectOptions(readOnly));
  if (!connection.open()) {
    ThrowDatabaseError(connection.lastError().text());
  }
  database->FinishOpening();
  return database;
}

// Nothing is written before the database is known to be ours, or empty.
void Database::FinishOpening() {
  auto& connection = connection_;
  const auto& dialect = *dialect_;
  const auto& name = address_.location;
  dialect.TuneReading(connection);
  DatabaseSchema schema(*this);
  bool created = false;
  if (dialect.SchemaObjectCount(connection) == 0) {
    if (readOnly_) {
      Refuse(name, "ist leer und schreibgeschützt.");
    }
    dialect.PrepareConnection(connection);
    // False when another program created the database meanwhile.
    created = schema.CreateShippedDatabase(kApplicationId);
  }
  const auto mark = dialect.ApplicationId(connection);
  if (mark != 0 && mark != kApplicationId) {
    Refuse(name, "gehört zu einem anderen Programm.");
  }
  if (!schema.HasTables()) {
    Refuse(name, "ist keine Datenbank von Korvanti.");
  }
  const auto versions = schema.StoredVersions();
  if (versions.size() != 1) {
    Refuse(name, "hat keine eindeutige Datenbankversion.");
  }
  if (versions.front() < 1 || versions.front() > DatabaseSchema::kCurrentVersion) {
    Refuse(name, "hat die unbekannte Datenbankversion " + std::to_string(versions.front()) +
                     " (Korvanti kennt die Versionen 1 bis " +
                     std::to_string(DatabaseSchema::kCurrentVersion) + ").");
  }
  const int version = static_cast<int>(versions.front());

  if (readOnly_) {
    if (version < DatabaseSchema::kCurrentVersion) {
      Refuse(name, "hat die ältere Datenbankversion " + std::to_string(version) +
                       " und müsste aktualisiert werden, ist aber schreibgeschützt.");
    }
  } else {
    if (!created) {
      dialect.PrepareConnection(connection);
    }
    if (version < DatabaseSchema::kCurrentVersion) {
      if (!created && !OnServer()) {
        KeepCopy(path_, ".v" + std::to_string(version) + ".bak");
      }
      schema.UpgradeDatabase();
    }
    if (mark != kApplicationId) {
      dialect.SetApplicationId(connection, kApplicationId);  // an older database of ours
    }
    if (!schema.HasUniqueNicknameIndex()) {
      if (schema.HasDuplicateNicknames() && !OnServer()) {
        KeepCopy(path_, ".vor-namensabgleich.bak");
      }
      for (const auto& change : schema.MakeNicknamesUnique()) {
        Notify(change);
      }
    }
    schema.EnsureIndexes();
  }
  EnsureGameTotals(*this);
}

}  // namespace korvanti
