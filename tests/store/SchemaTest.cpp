#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "DartText.h"
#include "RawDatabase.h"
#include "TempFolder.h"
#include "engine/FieldCode.h"
#include "engine/GameCatalog.h"
#include "platform/Error.h"
#include "platform/FileIo.h"
#include "platform/Guid.h"
#include "store/Database.h"
#include "store/DatabaseArchive.h"
#include "store/DatabaseSchema.h"

namespace korvanti {
namespace {

using testing::RawDatabase;

const std::vector<std::string> kGameColumns{"gameid",     "gametypesid", "datetime",
                                            "winthrowid", "matchid",     "brett"};
const std::vector<std::string> kThrowColumns{
    "throwid",     "aim1value", "aim1x",    "aim1y",       "aim2value",  "aim2x", "aim2y",
    "aim3value",   "aim3x",     "aim3y",    "hit1value",   "hit1x",      "hit1y", "hit1tocount",
    "hit2value",   "hit2x",     "hit2y",    "hit2tocount", "hit3value",  "hit3x", "hit3y",
    "hit3tocount", "gameid",    "playerid", "tocount",     "Zeitstempel"};

class Schema : public ::testing::Test {
 protected:
  std::filesystem::path File() const { return folder / "dart.mdb"; }
  void OpenAndClose() { Database::OpenFile(File()); }

  // A current file taken back to an older version by hand.
  void MakeOlderFile(int version) {
    OpenAndClose();
    RawDatabase raw(File());
    for (const auto& trigger : raw.Rows("SELECT name FROM sqlite_master WHERE type = 'trigger'")) {
      raw.Exec("DROP TRIGGER " + trigger[0].toString().toStdString());
    }
    raw.Exec("DROP TABLE gametotals");  // older files know nothing of it
    raw.Exec("ALTER TABLE game DROP COLUMN brett");
    if (version == 7) {
      raw.Exec("UPDATE version SET databaseversion = 7");
      return;
    }
    raw.Exec("DROP TABLE trainingresult");
    if (version <= 5) {
      raw.Exec(
          "DELETE FROM gametypes WHERE gametypesid IN ('constbobs27', 'constcatch40', "
          "'consthalveit', 'constroundtheboardtriple')");
    }
    if (version <= 4) {
      raw.Exec("DROP TABLE matches");
      raw.Exec("ALTER TABLE game DROP COLUMN matchid");
    }
    if (version <= 3) {
      raw.Exec("DROP TABLE doublerate");
    }
    if (version <= 2) {
      raw.Exec("ALTER TABLE throw DROP COLUMN Zeitstempel");
      raw.Exec(
          "DELETE FROM gametypes WHERE gametypesid IN "
          "('constpractice_computer501', 'constelimination')");
    }
    if (version <= 1) {
      raw.Exec(
          "DELETE FROM gametypes WHERE gametypesid IN ('constpractice_double', "
          "'constpractice_free1', 'constpractice_self', 'constpractice_free3', "
          "'constpractice_pirmel', 'constpractice_checkoutgame', "
          "'constpractice_computerAVG', 'constpractice_computerBEST')");
    }
    raw.Exec("UPDATE version SET databaseversion = " + std::to_string(version));
  }

  TempFolder folder;
};

TEST_F(Schema, NewFileEndsAtTheCurrentVersionWithEveryTableColumnAndRow) {
  OpenAndClose();
  RawDatabase raw(File());
  EXPECT_EQ(raw.Tables(), (std::vector<std::string>{"doublerate", "game", "gametotals", "gametypes",
                                                    "matches", "player", "throw", "trainingresult",
                                                    "values1", "values2", "values3", "version"}));
  EXPECT_EQ(raw.Rows("SELECT databaseversion FROM version").size(), 1u);
  EXPECT_EQ(raw.Rows("SELECT databaseversion FROM version")[0][0].toInt(), 8);
  EXPECT_EQ(raw.Columns("player"),
            (std::vector<std::string>{"playerid", "vorname", "nachname", "nickname"}));
  EXPECT_EQ(raw.Columns("game"), kGameColumns);
  EXPECT_EQ(raw.Columns("matches"),
            (std::vector<std::string>{"matchid", "gametypesid", "legs", "sets", "starttime",
                                      "endtime", "winnerid", "bulloff"}));
  EXPECT_EQ(raw.Columns("throw"), kThrowColumns);
  EXPECT_EQ(raw.Columns("doublerate"),
            (std::vector<std::string>{"indexid", "gameid", "playerid", "throwsatdouble",
                                      "hitsatdouble", "zeitstempel"}));
  EXPECT_EQ(raw.Columns("gametypes"), (std::vector<std::string>{"gametypesid", "gametypesname"}));
  for (const char* table : {"values1", "values2", "values3"}) {
    EXPECT_EQ(raw.Columns(table), (std::vector<std::string>{"ID", "hitvalue"}));
    const auto rows = raw.Rows(std::string("SELECT ID, hitvalue FROM ") + table);
    EXPECT_EQ(rows.size(), 84u) << table;
    for (const auto& row : rows) {
      EXPECT_EQ(row[1].toInt(), FieldValue(row[0].toString().toStdString())) << table;
    }
    EXPECT_EQ(raw.Count(std::string(table) + " WHERE ID = 'na' AND hitvalue = 0"), 1);
  }
  std::set<std::string> keys;
  for (const auto& row : raw.Rows("SELECT gametypesid FROM gametypes")) {
    keys.insert(row[0].toString().toStdString());
  }
  std::set<std::string> expected{"constpractice_free3"};
  for (const auto& entry : GameCatalog()) {
    expected.emplace(entry.gameTypeKey);
  }
  EXPECT_EQ(keys, expected);
  EXPECT_EQ(raw.Count("player") + raw.Count("game") + raw.Count("throw"), 0);
  EXPECT_FALSE(std::filesystem::exists(folder / "dart.mdb.v1.bak"));
}

// An older file reaches the current version in one start, gains the columns,
// tables and game types it lacks and leaves a copy of itself; a version-1 file
// also gets its damaged value tables repaired.
TEST_F(Schema, OlderFilesReachTheCurrentVersionInOneStartAndKeepACopy) {
  const struct {
    int version;
    int typesAdded;
    bool valuesRepaired;
  } cases[] = {{1, 14, true}, {2, 6, false}, {3, 4, false}, {4, 4, false},
               {5, 4, false}, {6, 0, false}, {7, 0, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.version);
    std::filesystem::remove_all(folder.Path());
    std::filesystem::create_directories(folder.Path());
    MakeOlderFile(c.version);
    if (c.valuesRepaired) {
      RawDatabase raw(File());
      raw.Exec("UPDATE values1 SET hitvalue = 90 WHERE ID = 'LS9'");
      raw.Exec("DELETE FROM values2 WHERE ID = 'LS9'");
    }
    const auto typesBefore = RawDatabase(File()).Count("gametypes");
    OpenAndClose();

    RawDatabase raw(File());
    EXPECT_EQ(raw.Rows("SELECT databaseversion FROM version")[0][0].toInt(), 8);
    EXPECT_EQ(raw.Columns("throw"), kThrowColumns);
    EXPECT_EQ(raw.Columns("game"), kGameColumns);
    EXPECT_EQ(raw.Columns("doublerate").size(), 6u);
    EXPECT_EQ(raw.Columns("matches").size(), 8u);
    EXPECT_EQ(raw.Columns("trainingresult").size(), 5u);
    EXPECT_EQ(raw.Count("gametypes"), typesBefore + c.typesAdded);
    for (const char* table : {"values1", "values2", "values3"}) {
      const auto rows =
          raw.Rows(std::string("SELECT hitvalue FROM ") + table + " WHERE ID = 'LS9'");
      ASSERT_EQ(rows.size(), 1u) << table;
      EXPECT_EQ(rows[0][0].toInt(), 9) << table;
    }

    const auto copyFile = folder / ("dart.mdb.v" + std::to_string(c.version) + ".bak");
    ASSERT_TRUE(std::filesystem::exists(copyFile));
    RawDatabase copy(copyFile);
    EXPECT_EQ(copy.Rows("SELECT databaseversion FROM version")[0][0].toInt(), c.version);
    if (c.valuesRepaired) {
      EXPECT_EQ(copy.Rows("SELECT hitvalue FROM values1 WHERE ID = 'LS9'")[0][0].toInt(), 90);
    }
  }
}

// Trainings stored before results were kept get theirs from their turns on
// the upgrade: decided ones only, and a code the rules cannot read leaves
// that training without one instead of refusing the file.
TEST_F(Schema, AVersionSixFileGetsTheResultsOfItsDecidedTrainings) {
  const struct {
    const char* gameId;
    const char* type;
    bool decided;
    const char* firstDart;
  } games[] = {{"{halveit}", "consthalveit", true, "LS15"},
               {"{aborted}", "consthalveit", false, "LS15"},
               {"{unreadable}", "constcatch40", true, "XX"},
               {"{501}", "const501dout", true, "LS15"}};
  {
    auto database = Database::OpenFile(File());
    for (const auto& game : games) {
      std::vector<Turn> turns;
      for (const char* hit :
           {game.firstDart, "LS16", "D1", "LS17", "LS18", "T1", "LS19", "LS20", "SS25"}) {
        turns.push_back(testing::MakeTurn(std::string(hit) + " 0 0"));
        turns.back().turnId = NewGuidString();
      }
      GameRecord record{game.gameId,
                        game.type,
                        46000,
                        game.decided ? turns.back().turnId : "",
                        {{"{anna}", turns, 0, 0, std::nullopt, std::nullopt}},
                        std::nullopt};
      DatabaseArchive(*database).StoreGame(record);
    }
  }
  MakeOlderFile(6);
  OpenAndClose();
  RawDatabase raw(File());
  const auto rows =
      raw.Rows("SELECT gameid, playerid, result, targethits, targettries FROM trainingresult");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0][0].toString(), "{halveit}");
  EXPECT_EQ(rows[0][1].toString(), "{anna}");
  EXPECT_EQ(rows[0][2].toInt(), 175);
  EXPECT_EQ(rows[0][3].toInt(), 9);  // one dart on target in each of the 27
  EXPECT_EQ(rows[0][4].toInt(), 27);
}

TEST_F(Schema, AVersionFourFileKeepsItsGamesAndTakesMatchesAfterItsUpgrade) {
  MakeOlderFile(4);
  {
    RawDatabase raw(File());
    raw.Exec(
        "INSERT INTO game (gameid, gametypesid, datetime, winthrowid) "
        "VALUES ('{old}', 'const501dout', 46000, '')");
  }
  auto database = Database::OpenFile(File());
  Turn turn;
  turn.turnId = "{turn}";
  GameRecord leg;
  leg.gameId = "{leg}";
  leg.gameTypeKey = "const501dout";
  leg.datetime = 46001;
  leg.winningTurnId = turn.turnId;
  leg.players.push_back(
      {"{anna}", std::span<const Turn>(&turn, 1), 0, 0, std::nullopt, std::nullopt});
  leg.match = MatchRecord{"{match}", 3, 1, 46000.5, 46001, "{anna}", "{anna}=2.5;{ben}=14.0"};
  DatabaseArchive(*database).StoreGame(leg);
  leg.gameId = "{leg2}";
  turn.turnId = "{turn2}";
  DatabaseArchive(*database).StoreGame(leg);  // the match row is written anew, not twice
  database.reset();

  RawDatabase raw(File());
  EXPECT_EQ(raw.Count("game WHERE gameid = '{old}' AND matchid IS NULL"), 1);
  EXPECT_EQ(raw.Count("game WHERE matchid = '{match}'"), 2);
  const auto rows = raw.Rows(
      "SELECT gametypesid, legs, sets, starttime, endtime, winnerid, bulloff FROM matches");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0][0].toString(), "const501dout");
  EXPECT_EQ(rows[0][1].toInt(), 3);
  EXPECT_EQ(rows[0][2].toInt(), 1);
  EXPECT_EQ(rows[0][4].toDouble(), 46001.0);
  EXPECT_EQ(rows[0][5].toString(), "{anna}");
  EXPECT_EQ(rows[0][6].toString(), "{anna}=2.5;{ben}=14.0");
}

TEST_F(Schema, CurrentFileIsNotTouched) {
  OpenAndClose();
  const auto before = ReadWholeFile(File());
  OpenAndClose();
  EXPECT_EQ(ReadWholeFile(File()), before);
  EXPECT_FALSE(std::filesystem::exists(folder / "dart.mdb.v5.bak"));
}

TEST_F(Schema, FailedUpgradeStepLeavesTheFileAtItsVersion) {
  MakeOlderFile(1);
  {
    RawDatabase raw(File());
    // A key the step wants to add exists already: the step fails half-way.
    raw.Exec("INSERT INTO gametypes VALUES ('constpractice_pirmel', 'x')");
    raw.Exec("UPDATE values1 SET hitvalue = 90 WHERE ID = 'LS9'");
  }
  EXPECT_THROW(OpenAndClose(), Error);
  RawDatabase raw(File());
  EXPECT_EQ(raw.Rows("SELECT databaseversion FROM version")[0][0].toInt(), 1);
  EXPECT_EQ(raw.Rows("SELECT hitvalue FROM values1 WHERE ID = 'LS9'")[0][0].toInt(), 90);
  EXPECT_EQ(raw.Count("gametypes WHERE gametypesid = 'constpractice_double'"), 0);
}

TEST_F(Schema, FilesThatAreNotOurDatabaseAreRefusedAndLeftAsTheyWere) {
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"garbage", std::string("this is not a database\x01\x02\xFF", 25)},
      {"access", std::string("\x00\x01\x00\x00Standard Jet DB\x00\x01\x00\x00\x00", 24) +
                     std::string(2000, '\x5A')},
  };
  for (const auto& c : cases) {
    std::ofstream(File(), std::ios::binary) << c.bytes;
    EXPECT_THROW(OpenAndClose(), Error) << c.name;
    EXPECT_EQ(ReadWholeFile(File()), c.bytes) << c.name;
  }
  std::filesystem::remove(File());
  {
    RawDatabase foreign(File());
    foreign.Exec("CREATE TABLE recipes (name TEXT)");
  }
  const auto foreignBytes = ReadWholeFile(File());
  try {
    OpenAndClose();
    ADD_FAILURE() << "a foreign SQLite file was opened";
  } catch (const Error& error) {
    EXPECT_NE(std::string(error.what()).find("keine Datenbank von Korvanti"), std::string::npos);
  }
  EXPECT_EQ(ReadWholeFile(File()), foreignBytes);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST_F(Schema, EmptyFileBecomesANewDatabase) {
  std::ofstream(File(), std::ios::binary).flush();
  OpenAndClose();
  EXPECT_EQ(RawDatabase(File()).Count("values3"), 84);
}

}  // namespace
}  // namespace korvanti
