#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "RawDatabase.h"
#include "platform/Error.h"
#include "platform/Guid.h"
#include "store/DatabaseAddress.h"
#include "store/ServerConnection.h"

namespace korvanti::testing {

// The throwaway PostgreSQL server that ctest starts for these tests (see
// test-server.sh). Without it the test fails and says how to get it: the
// club database is never left untested in silence.
inline std::string ClubServerFolder() {
  const char* folder = std::getenv("KORVANTI_TEST_SERVER");
  if (folder == nullptr || *folder == '\0') {
    throw Error(
        "Kein PostgreSQL-Testserver: diese Tests laufen über ctest, das ihn mit "
        "tests/support/test-server.sh startet; die Serverprogramme installiert "
        "bash scripts/install-deps.sh (Paket postgresql-15).");
  }
  return folder;
}

inline std::string ClubServerLocation(const std::string& database) {
  return "postgresql:///" + database + "?host=" + ClubServerFolder() + "&user=korvanti";
}

// A raw connection of the test to a database of the server.
inline std::unique_ptr<RawDatabase> RawServerDatabase(const std::string& location) {
  return std::make_unique<RawDatabase>("QPSQL", [&](QSqlDatabase& connection) {
    ConnectToServer(connection, {location, {}});
  });
}

// A new, empty database on the server, named after nothing but a fresh id.
inline std::string FreshClubDatabase() {
  std::string name = "t" + NewGuidString();
  for (auto& c : name) {
    c = c == '-' ? '_' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  name.erase(std::remove_if(name.begin(), name.end(), [](char c) { return c == '{' || c == '}'; }),
             name.end());
  RawServerDatabase(ClubServerLocation("postgres"))->Exec("CREATE DATABASE " + name);
  return ClubServerLocation(name);
}

}  // namespace korvanti::testing
