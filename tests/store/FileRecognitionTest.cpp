#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "RawDatabase.h"
#include "TempFolder.h"
#include "platform/Error.h"
#include "platform/FileIo.h"
#include "store/Database.h"

namespace korvanti {
namespace {

using testing::RawDatabase;

std::filesystem::path MakeCurrentFile(const TempFolder& folder) {
  Database::OpenFile(folder / "dart.mdb");
  return folder / "dart.mdb";
}

// Files that SQLite opens but that are not a database of this program, or of
// a version it does not know: refused with a message, not one byte written,
// nothing created beside them.
TEST(FileRecognition, ForeignOrUnknownFilesAreRefusedByteForByte) {
  struct Case {
    const char* name;
    std::function<std::filesystem::path(const TempFolder&)> make;
    const char* message;
  };
  const auto foreign = [](const char* statement) {
    return [statement](const TempFolder& folder) {
      RawDatabase(folder / "dart.mdb").Exec(statement);
      return folder / "dart.mdb";
    };
  };
  const auto ours = [](std::vector<const char*> statements) {
    return [statements](const TempFolder& folder) {
      const auto file = MakeCurrentFile(folder);
      RawDatabase raw(file);
      for (const char* statement : statements) {
        raw.Exec(statement);
      }
      return file;
    };
  };
  const Case cases[] = {
      {"only a view", foreign("CREATE VIEW answers AS SELECT 42 AS answer"),
       "keine Datenbank von Korvanti"},
      {"a view and a trigger",
       [](const TempFolder& folder) {
         RawDatabase raw(folder / "dart.mdb");
         raw.Exec("CREATE VIEW answers AS SELECT 42 AS answer");
         raw.Exec("CREATE TRIGGER quiet INSTEAD OF INSERT ON answers BEGIN SELECT 1; END");
         return folder / "dart.mdb";
       },
       "keine Datenbank von Korvanti"},
      {"another program's mark", ours({"PRAGMA application_id = 1234"}),
       "gehört zu einem anderen Programm"},
      {"version 0", ours({"UPDATE version SET databaseversion = 0"}),
       "unbekannte Datenbankversion 0"},
      {"version 99", ours({"UPDATE version SET databaseversion = 99"}),
       "unbekannte Datenbankversion 99"},
      {"version 99 unmarked",
       ours({"UPDATE version SET databaseversion = 99", "PRAGMA application_id = 0"}),
       "unbekannte Datenbankversion 99"},
      {"two versions", ours({"INSERT INTO version (databaseversion) VALUES (3)"}),
       "keine eindeutige Datenbankversion"},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    const auto file = c.make(folder);
    const auto before = ReadWholeFile(file);
    try {
      Database::OpenFile(file);
      ADD_FAILURE() << c.name << ": opened";
    } catch (const Error& error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos)
          << c.name << ": " << error.what();
    }
    EXPECT_EQ(ReadWholeFile(file), before) << c.name;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1) << c.name;
  }
}

TEST(FileRecognition, NewFilesAreMarkedAndOlderFilesOfOursGetTheMark) {
  TempFolder folder;
  const auto file = MakeCurrentFile(folder);
  const auto mark = [&] {
    return RawDatabase(file).Rows("PRAGMA application_id")[0][0].toLongLong();
  };
  const auto ours = mark();
  EXPECT_NE(ours, 0);
  RawDatabase(file).Exec("PRAGMA application_id = 0");
  Database::OpenFile(file);
  EXPECT_EQ(mark(), ours);
}

}  // namespace
}  // namespace korvanti
