#include <gtest/gtest.h>

#include "RawDatabase.h"
#include "TempFolder.h"
#include "platform/Error.h"
#include "platform/FileIo.h"
#include "store/Database.h"
#include "store/Recorder.h"
#include "store/StatisticsQuery.h"

namespace korvanti {
namespace {

namespace fs = std::filesystem;
using testing::RawDatabase;

// A current database with 6000 turns of two players whose row ids are spread
// out (as after deleting players): large enough for the planner statistics.
fs::path MakeFileWithManyTurns(const TempFolder& folder) {
  const auto file = folder / "dart.mdb";
  {
    auto database = Database::OpenFile(file);
    Recorder recorder(*database);
    recorder.AppendPlayer("Anna", "", "Anna");
    recorder.AppendPlayer("Ben", "", "Ben");
  }
  RawDatabase raw(file);
  raw.Exec(
      "INSERT INTO game (gameid, gametypesid, datetime) WITH RECURSIVE n(i) AS (SELECT 0 UNION "
      "ALL SELECT i + 1 FROM n WHERE i < 300) SELECT 'g' || i, 'const501dout', 45000 FROM n");
  raw.Exec(
      "INSERT INTO throw (rowid, throwid, hit1value, hit2value, hit3value, hit1tocount, "
      "hit2tocount, hit3tocount, gameid, playerid, tocount) WITH RECURSIVE n(i) AS (SELECT 1 UNION "
      "ALL SELECT i + 1 FROM n WHERE i < 6000) "
      "SELECT 3 * i, 't' || i, 'T20', 'LS1', 'D8', 1, 1, 1, 'g' || (i / 20), "
      "(SELECT playerid FROM player WHERE nickname = CASE i % 2 WHEN 0 THEN 'Anna' "
      "ELSE 'Ben' END), 1 FROM n");
  return file;
}

// What only reads: the player list and a count over all turns of one player.
int ReadSomething(Database& database) {
  StatisticsQuery query(database);
  query.playerId = query.PlayerIdsByNickname().front();
  query.gameTypeKey = "const501dout";
  query.dateTo = 50000;
  return query.CountDarts();
}

class ReadOnlyDatabase : public ::testing::Test {
 protected:
  ~ReadOnlyDatabase() override {
    std::error_code ignored;
    fs::permissions(folder.Path(), fs::perms::owner_all, ignored);
    fs::permissions(folder / "dart.mdb", fs::perms::owner_read | fs::perms::owner_write, ignored);
  }
  TempFolder folder;
};

TEST_F(ReadOnlyDatabase, AskedForReadOnlyNothingIsWritten) {
  const auto file = MakeFileWithManyTurns(folder);
  const auto before = ReadWholeFile(file);
  auto database = Database::OpenFile(file, DatabaseAccess::ReadOnly);
  EXPECT_TRUE(database->ReadOnly());
  EXPECT_EQ(ReadSomething(*database), 9000);
  EXPECT_THROW(Recorder(*database).AppendPlayer("Cleo", "", "Cleo"), Error);
  database.reset();
  EXPECT_EQ(ReadWholeFile(file), before);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), {}), 1);
}

// Also when run by root, who may write anywhere: a file and folder without
// any write permission are opened read-only.
TEST_F(ReadOnlyDatabase, FileAndFolderWithoutWritePermissionAreOpenedReadOnly) {
  const auto file = MakeFileWithManyTurns(folder);
  const auto before = ReadWholeFile(file);
  fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  fs::permissions(folder.Path(),
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  auto database = Database::OpenFile(file);
  EXPECT_TRUE(database->ReadOnly());
  EXPECT_EQ(ReadSomething(*database), 9000);
  database.reset();
  EXPECT_EQ(ReadWholeFile(file), before);
}

TEST_F(ReadOnlyDatabase, ReadOnlyFilesThatWouldNeedAWriteAreRefused) {
  struct Case {
    const char* name;
    const char* statement;  // turns a new current file into the case
    const char* message;
  };
  const Case cases[] = {
      {"older version", "UPDATE version SET databaseversion = 3", "ist aber schreibgeschützt"},
      {"empty", nullptr, "ist leer und schreibgeschützt"},
  };
  for (const auto& c : cases) {
    TempFolder caseFolder;
    const auto file = caseFolder / "dart.mdb";
    if (c.statement) {
      Database::OpenFile(file);
      RawDatabase(file).Exec(c.statement);
    } else {
      WriteFileDurably(file, "");
    }
    const auto before = ReadWholeFile(file);
    try {
      Database::OpenFile(file, DatabaseAccess::ReadOnly);
      ADD_FAILURE() << c.name << ": opened";
    } catch (const Error& error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos)
          << c.name << ": " << error.what();
    }
    EXPECT_EQ(ReadWholeFile(file), before) << c.name;
  }
  EXPECT_THROW(Database::OpenFile(folder / "missing.mdb", DatabaseAccess::ReadOnly), Error);
  EXPECT_FALSE(fs::exists(folder / "missing.mdb"));
}

// The planner statistics are refreshed once when the turns have grown; an
// unchanged file opened again for writing is not written again.
TEST_F(ReadOnlyDatabase, UnchangedFileIsNotRewrittenAtTheNextOpen) {
  const auto file = MakeFileWithManyTurns(folder);
  Database::OpenFile(file);
  EXPECT_EQ(RawDatabase(file).Count("sqlite_stat1 WHERE idx = 'idx_throw_player'"), 1);
  const auto analysed = ReadWholeFile(file);
  Database::OpenFile(file);
  EXPECT_EQ(ReadWholeFile(file), analysed);
}

}  // namespace
}  // namespace korvanti
