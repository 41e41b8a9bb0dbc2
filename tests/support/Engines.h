#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "ClubServer.h"
#include "RawDatabase.h"
#include "store/DatabaseAddress.h"

namespace korvanti::testing {

// The two database engines the store runs on: the local file and the club server.
enum class Engine { SQLite, PostgreSQL };

inline const auto kBothEngines = ::testing::Values(Engine::SQLite, Engine::PostgreSQL);

inline std::string EngineName(const ::testing::TestParamInfo<Engine>& info) {
  return info.param == Engine::SQLite ? "SQLite" : "PostgreSQL";
}

// A database nobody has used yet: the file (not created yet) or a new
// database on the test server.
inline DatabaseAddress NewDatabase(Engine engine, const std::filesystem::path& file) {
  return engine == Engine::SQLite ? DatabaseAddress::File(file)
                                  : DatabaseAddress{FreshClubDatabase(), {}};
}

// The test's own connection to what the program opened.
inline std::unique_ptr<RawDatabase> OpenRaw(const DatabaseAddress& address) {
  return address.OnServer() ? RawServerDatabase(address.location)
                            : std::make_unique<RawDatabase>(address.location);
}

}  // namespace korvanti::testing
