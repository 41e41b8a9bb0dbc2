#include <gtest/gtest.h>

#include "RawDatabase.h"
#include "StatisticsFixture.h"
#include "store/PlayerTotals.h"

namespace korvanti {
namespace {

using testing::RawDatabase;
using testing::StatisticsFixture;

// The overview's totals, read from the per-game table, against the query object.
void ExpectTotalsLikeQueries(StatisticsFixture& fixture, const std::string& player,
                             const std::string& key) {
  auto query = fixture.Query(player, key);
  const auto all = TotalsByPlayer(*fixture.database, key, 0, 99999);
  const auto found = all.find(player);
  const auto totals = found == all.end() ? PlayerTotals{} : found->second;
  EXPECT_EQ(totals.games, query.CountGames());
  EXPECT_EQ(totals.wins, query.CountWins());
  EXPECT_EQ(totals.darts, query.CountDarts());
  EXPECT_EQ(totals.exactHits, query.CountExactHits());
  EXPECT_DOUBLE_EQ(totals.Average(), query.GetAverages().average);
  EXPECT_EQ(totals.highScore, query.HighScore());
  EXPECT_EQ(totals.bestCheckout, query.BestCheckout());
  EXPECT_DOUBLE_EQ(totals.MarksPerRound(), query.MarksPerRoundQuery());
}

class GameTotals : public ::testing::Test {
 protected:
  GameTotals() {
    fixture.AddGame(anna, "const501dout", 45000, {{"T20 T20 T20", "T20 T20 T20"}, {"D20"}});
    fixture.AddGame(anna, "const501dout", 45001, {{"T20 T20 T20", "", false}, {"LS1"}}, false);
    fixture.AddGame(anna, "constcricket", 45002, {{"T20 D19 SS25"}, {"T15 LS16 na"}});
  }

  // The database file opened anew, as at the next start.
  void Reopen() {
    fixture.database.reset();
    fixture.database = Database::OpenFile(fixture.folder / "dart.mdb");
  }

  StatisticsFixture fixture;
  std::string anna = fixture.AddPlayer("Anna");
};

TEST_F(GameTotals, FollowEveryInsertChangeAndDeletion) {
  for (const char* key : {"const501dout", "constcricket"}) {
    ExpectTotalsLikeQueries(fixture, anna, key);
  }
  {
    RawDatabase raw(fixture.folder / "dart.mdb");
    raw.Exec("UPDATE throw SET hit1value = 'LS1', tocount = 1 WHERE hit2value = 'T20'");
    raw.Exec("DELETE FROM throw WHERE hit1value = 'D20'");
  }
  ExpectTotalsLikeQueries(fixture, anna, "const501dout");
  EXPECT_EQ(TotalsByPlayer(*fixture.database, "const501dout", 0, 99999).at(anna).highScore, 121);
}

// A file from before the table, or one whose triggers were dropped and then
// written to, gets its totals rebuilt when it is opened.
TEST_F(GameTotals, RebuiltWhenMissingOrOutOfStep) {
  for (const char* damage : {"DROP TABLE gametotals", "DROP TRIGGER gametotals4_throw_insert",
                             "DROP TRIGGER gametotals4_game_insert"}) {
    {
      RawDatabase raw(fixture.folder / "dart.mdb");
      raw.Exec(damage);
      raw.Exec("DROP TRIGGER IF EXISTS gametotals4_throw_insert");
      raw.Exec(
          "INSERT INTO throw (throwid, gameid, playerid, hit1value, hit2value, hit3value, "
          "aim1value, aim2value, aim3value, tocount) SELECT 'x' || COUNT(*), gameid, "
          "playerid, 'T19', 'na', 'na', '', '', '', 1 FROM throw LIMIT 1");
    }
    Reopen();
    ExpectTotalsLikeQueries(fixture, anna, "const501dout");
    RawDatabase raw(fixture.folder / "dart.mdb");
    EXPECT_EQ(raw.Count("sqlite_master WHERE type = 'trigger'"), 9) << damage;
  }
}

TEST_F(GameTotals, ReadOnlyFileGetsThemForTheConnectionOnly) {
  {
    RawDatabase raw(fixture.folder / "dart.mdb");
    raw.Exec("DROP TABLE gametotals");
  }
  fixture.database.reset();
  fixture.database = Database::OpenFile(fixture.folder / "dart.mdb", DatabaseAccess::ReadOnly);
  ExpectTotalsLikeQueries(fixture, anna, "const501dout");
  RawDatabase raw(fixture.folder / "dart.mdb");
  EXPECT_EQ(raw.Count("sqlite_master WHERE name = 'gametotals'"), 0);
}

}  // namespace
}  // namespace korvanti
