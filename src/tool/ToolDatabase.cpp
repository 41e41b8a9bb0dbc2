#include "ToolDatabase.h"

#include <filesystem>

#include "UsageError.h"
#include "play/DatabaseSetting.h"

namespace korvanti {

const char* const kDatabaseUsage =
    "DB (bei --db): eine Datenbankdatei wie dart.mdb oder ein Vereinsserver,\n"
    "  postgresql://BENUTZER@SERVER:5432/DATENBANK. Das Passwort des Servers gehört nicht\n"
    "  in die Adresse: korvanti-tool liest es aus ~/.pgpass oder aus PGPASSWORD.\n";

DatabaseAddress DatabaseArgument(const std::string& value, DatabaseFile file) {
  const auto address = DatabaseOfArgument(value);
  if (!address.OnServer() && file == DatabaseFile::MustExist &&
      !std::filesystem::exists(address.location)) {
    throw UsageError("Die Datenbank \"" + address.location + "\" gibt es nicht.");
  }
  return address;
}

std::unique_ptr<Database> OpenToolDatabase(const DatabaseAddress& address, DatabaseAccess access) {
  try {
    return Database::Open(address, access);
  } catch (const PasswordNeeded& refused) {
    throw Error(std::string(refused.what()) +
                " korvanti-tool fragt nicht nach Passwörtern: bitte das Passwort in ~/.pgpass "
                "eintragen (eine Zeile SERVER:PORT:DATENBANK:BENUTZER:PASSWORT, nur für den "
                "Besitzer lesbar) oder in der Umgebungsvariablen PGPASSWORD übergeben.");
  }
}

}  // namespace korvanti
