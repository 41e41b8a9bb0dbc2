#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace korvanti {

// Where the program's database is: a SQLite file, or a PostgreSQL server
// named by a libpq connection URI ("postgresql://user@host:5432/korvanti").
// The password is never part of the location: it comes from the libpq
// conventions (~/.pgpass, PGPASSWORD) or from the user, and is kept here in
// memory only, so a second connection to the same server needs no question.
struct DatabaseAddress {
  std::string location;
  std::string password;

  static DatabaseAddress File(const std::filesystem::path& path) { return {path.string(), {}}; }

  bool OnServer() const { return IsServerLocation(location); }
  static bool IsServerLocation(std::string_view location) {
    return location.starts_with("postgresql://") || location.starts_with("postgres://");
  }
};

}  // namespace korvanti
