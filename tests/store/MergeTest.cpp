// The games of another board's database file merged into this one.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "Engines.h"
#include "RawDatabase.h"
#include "TempFolder.h"
#include "platform/Error.h"
#include "platform/FileIo.h"
#include "store/Database.h"
#include "store/DatabaseArchive.h"
#include "store/DatabaseMerge.h"
#include "store/Recorder.h"

namespace korvanti {
namespace {

using testing::RawDatabase;

std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Into the local file or into the club server's database.
class Merge : public ::testing::TestWithParam<testing::Engine> {
 protected:
  Merge()
      : address(testing::NewDatabase(GetParam(), folder / "dart.mdb")),
        target(Database::Open(address)) {}

  // A database file of another board with a 501 of each pair of players.
  std::filesystem::path OtherBoard(std::initializer_list<const char*> nicknames,
                                   const char* name = "brett2.mdb") {
    const auto path = folder / name;
    auto other = Database::OpenFile(path);
    std::vector<std::string> ids;
    for (const char* nickname : nicknames) {
      ids.push_back(Recorder(*other).AppendPlayer("Vor", "Nach", nickname));
    }
    DatabaseArchive archive(*other);
    for (std::size_t i = 0; i + 1 < ids.size(); i += 2) {
      GameRecord game;
      game.gameId = NewGuidString();
      game.gameTypeKey = "const501dout";
      game.datetime = 46000 + static_cast<double>(i);
      Turn first;
      first.turnId = NewGuidString();
      for (int n = 1; n <= 3; ++n) {
        first.Hit(n).hit = "T20";
      }
      Turn second = first;
      second.turnId = NewGuidString();
      game.winningTurnId = first.turnId;
      const std::vector<Turn> firstTurns{first};
      const std::vector<Turn> secondTurns{second};
      game.players.push_back({ids[i], firstTurns, 1, 0, std::nullopt, std::nullopt});
      game.players.push_back({ids[i + 1], secondTurns, 0, 0, std::nullopt, std::nullopt});
      archive.StoreGame(game);
    }
    return path;
  }

  long long Count(const std::string& tableAndCondition) {
    return testing::OpenRaw(address)->Count(tableAndCondition);
  }

  TempFolder folder;
  DatabaseAddress address;
  std::unique_ptr<Database> target;
};

// Merged once: every game with its turns, double rates and totals; merged
// again: nothing more.
TEST_P(Merge, TwiceAddsTheGamesOnce) {
  const auto other = OtherBoard({"Anna", "Ben", "Cleo", "Dora"});
  EXPECT_EQ(MergeGamesFrom(*target, other).Text(),
            "2 Spiele von 4 Spielern übernommen, 0 schon vorhanden");
  EXPECT_EQ(MergeGamesFrom(*target, other).Text(),
            "0 Spiele von 0 Spielern übernommen, 2 schon vorhanden");
  EXPECT_EQ(Count("game"), 2);
  EXPECT_EQ(Count("throw"), 4);
  EXPECT_EQ(Count("doublerate"), 4);
  EXPECT_EQ(Count("gametotals"), 4);
  EXPECT_EQ(Count("player"), 4);
  EXPECT_EQ(testing::OpenRaw(address)->Rows("SELECT vorname FROM player")[0][0].toString(), "Vor");
}

// Players are matched by nickname as the program compares them (case and
// blanks); a source id that the target uses for someone else gets a new id.
TEST_P(Merge, PlayersMatchByNicknameAndClashingIdsAreRenewed) {
  const auto anna = Recorder(*target).AppendPlayer("", "", " anna");
  const auto other = OtherBoard({"Anna", "Ben"});
  const auto otherBen =
      RawDatabase(other).Rows("SELECT playerid FROM player WHERE nickname = 'Ben'")[0][0];
  {
    const auto raw = testing::OpenRaw(address);
    raw->Exec("INSERT INTO player (playerid, vorname, nachname, nickname) VALUES ('" +
              otherBen.toString().toStdString() + "', '', '', 'Erik')");
  }
  EXPECT_EQ(MergeGamesFrom(*target, other).Text(),
            "1 Spiel von 2 Spielern übernommen, 0 schon vorhanden");
  const auto raw = testing::OpenRaw(address);
  EXPECT_EQ(raw->Count("player"), 3);
  EXPECT_EQ(raw->Count("throw WHERE playerid = '" + anna + "'"), 1);
  const auto ben = raw->Rows("SELECT playerid FROM player WHERE nickname = 'Ben'");
  ASSERT_EQ(ben.size(), 1u);
  EXPECT_NE(ben[0][0], otherBen);
  EXPECT_EQ(raw->Count("throw WHERE playerid = '" + ben[0][0].toString().toStdString() + "'"), 1);
  EXPECT_EQ(raw->Count("throw WHERE playerid = '" + otherBen.toString().toStdString() + "'"), 0);
}

// A file of an older version is read through an upgraded copy and stays as it
// was, byte for byte.
TEST_P(Merge, AnOlderSourceIsUpgradedInACopyOnly) {
  const auto other = OtherBoard({"Anna", "Ben"});
  {
    RawDatabase raw(other);
    for (const auto& trigger : raw.Rows("SELECT name FROM sqlite_master WHERE type = 'trigger'")) {
      raw.Exec("DROP TRIGGER " + trigger[0].toString().toStdString());
    }
    for (const char* table : {"gametotals", "trainingresult", "matches", "doublerate"}) {
      raw.Exec(std::string("DROP TABLE ") + table);
    }
    raw.Exec("ALTER TABLE game DROP COLUMN matchid");
    raw.Exec("ALTER TABLE game DROP COLUMN brett");
    raw.Exec(
        "DELETE FROM gametypes WHERE gametypesid IN ('constbobs27', 'constcatch40', "
        "'consthalveit', 'constroundtheboardtriple')");
    raw.Exec("UPDATE version SET databaseversion = 3");
  }
  const auto before = ReadFileBytes(other);
  EXPECT_EQ(MergeGamesFrom(*target, other).Text(),
            "1 Spiel von 2 Spielern übernommen, 0 schon vorhanden");
  EXPECT_EQ(ReadFileBytes(other), before);
  EXPECT_EQ(Count("throw"), 2);
  EXPECT_EQ(Count("gametotals"), 2);
}

// What is not a database of this program is refused and nothing is written.
TEST_P(Merge, ForeignFilesAreRefusedUntouched) {
  const auto text = folder / "notiz.txt";
  WriteFileDurably(text, "Anna 501\n");
  const auto empty = folder / "leer.mdb";
  WriteFileDurably(empty, "");
  const auto foreign = folder / "fremd.db";
  RawDatabase(foreign).Exec("CREATE TABLE rezepte (name TEXT)");
  for (const auto& file : {text, empty, foreign, folder / "dart.mdb"}) {
    const auto bytes = ReadFileBytes(file);
    EXPECT_THROW(MergeGamesFrom(*target, file), Error) << file;
    EXPECT_EQ(ReadFileBytes(file), bytes) << file;
  }
  EXPECT_EQ(Count("player"), 0);
}

INSTANTIATE_TEST_SUITE_P(Engines, Merge, testing::kBothEngines, testing::EngineName);

}  // namespace
}  // namespace korvanti
