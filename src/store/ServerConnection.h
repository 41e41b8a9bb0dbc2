#pragma once

#include <QSqlDatabase>
#include <string>

#include "store/DatabaseAddress.h"

namespace korvanti {

// The parts of a club server's connection URI.
struct ServerParts {
  std::string host;  // a name, an address or a socket folder; empty: the local socket
  int port = 5432;
  std::string database;
  std::string user;
  std::string options;  // further libpq settings, "key=value" separated by blanks
};

// Reads "postgresql://user@host:port/database?key=value"; a password in the
// URI is refused (it would end up in options.ini). Throws Error with a German
// example for anything else.
ServerParts ParseServerLocation(const std::string& location);

// The URI the settings dialog writes for these parts.
std::string ServerLocation(const ServerParts& parts);

// Opens the connection to the server the address names. A server that asks for
// a password not given throws PasswordNeeded; an unreachable one throws
// ConnectionLost.
void ConnectToServer(QSqlDatabase& connection, const DatabaseAddress& address);

}  // namespace korvanti
