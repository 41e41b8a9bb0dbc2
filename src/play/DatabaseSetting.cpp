#include "play/DatabaseSetting.h"

#include "platform/Error.h"
#include "store/ServerConnection.h"

namespace korvanti {
namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameServer(const ServerParts& parts, const ServerFields& fields) {
  return parts.host == fields.host && parts.port == fields.port &&
         parts.database == fields.database && parts.user == fields.user;
}

// The stored setting's parts, or nothing when it names no server.
std::optional<ServerParts> PartsOf(const std::string& location) {
  if (Trimmed(location).empty()) {
    return std::nullopt;
  }
  try {
    return ParseServerLocation(Trimmed(location));
  } catch (const Error&) {
    return std::nullopt;
  }
}

}  // namespace

void CheckDatabaseSetting(const std::string& location) {
  if (!Trimmed(location).empty()) {
    ParseServerLocation(Trimmed(location));
  }
}

DatabaseAddress DatabaseOfSetting(const std::string& location,
                                  const std::filesystem::path& programFolder) {
  CheckDatabaseSetting(location);
  if (Trimmed(location).empty()) {
    return DatabaseAddress::File(programFolder / kDatabaseFile);
  }
  return {Trimmed(location), {}};
}

DatabaseAddress DatabaseOfArgument(const std::string& value) {
  if (DatabaseAddress::IsServerLocation(value)) {
    return {value, {}};
  }
  return DatabaseAddress::File(std::filesystem::absolute(value));
}

ServerFields ServerFieldsOf(const std::string& location) {
  const auto parts = PartsOf(location);
  if (!parts) {
    return {};
  }
  return {parts->host, parts->port, parts->database, parts->user};
}

std::variant<std::string, ServerFieldProblem> ServerSetting(ServerFields fields,
                                                            const std::string& stored) {
  fields.host = Trimmed(fields.host);
  fields.database = Trimmed(fields.database);
  fields.user = Trimmed(fields.user);
  if (fields.host.empty()) {
    return ServerFieldProblem{ServerField::Host,
                              "Bitte den Vereinsserver angeben: den Namen oder die Adresse des "
                              "Rechners, auf dem die Datenbank läuft."};
  }
  if (fields.database.empty()) {
    return ServerFieldProblem{ServerField::Database,
                              "Bitte den Namen der Datenbank auf dem Vereinsserver angeben "
                              "(meist korvanti)."};
  }
  if (fields.user.empty()) {
    return ServerFieldProblem{ServerField::User,
                              "Bitte den Benutzer für den Vereinsserver angeben (meist korvanti)."};
  }
  if (const auto storedParts = PartsOf(stored); storedParts && SameServer(*storedParts, fields)) {
    return Trimmed(stored);
  }
  const auto location =
      ServerLocation({fields.host, fields.port, fields.database, fields.user, {}});
  // What the URI cannot carry as it was typed (blanks in a host name, a
  // folder) does not come back from it.
  const auto readBack = PartsOf(location);
  if (!readBack || readBack->host != fields.host) {
    return ServerFieldProblem{ServerField::Host,
                              "\"" + fields.host +
                                  "\" ist kein Name und keine Adresse eines Rechners. Beispiel: "
                                  "vereinsheim oder 192.168.1.20"};
  }
  if (!SameServer(*readBack, fields)) {
    return ServerFieldProblem{
        readBack->database != fields.database ? ServerField::Database : ServerField::User,
        "Die Angaben zum Vereinsserver lassen sich nicht als Adresse "
        "schreiben: bitte Datenbank und Benutzer prüfen."};
  }
  return location;
}

}  // namespace korvanti
