#include <gtest/gtest.h>

#include "RawDatabase.h"
#include "StatisticsFixture.h"
#include "store/PlayerTotals.h"

namespace korvanti {
namespace {

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

class GameTotals : public ::testing::TestWithParam<testing::Engine> {
 protected:
  GameTotals() {
    fixture.AddGame(anna, "const501dout", 45000, {{"T20 T20 T20", "T20 T20 T20"}, {"D20"}});
    fixture.AddGame(anna, "const501dout", 45001, {{"T20 T20 T20", "", false}, {"LS1"}}, false);
    fixture.AddGame(anna, "constcricket", 45002, {{"T20 D19 SS25"}, {"T15 LS16 na"}});
  }

  // The database opened anew, as at the next start.
  void Reopen() {
    fixture.database.reset();
    fixture.database = Database::Open(fixture.address);
  }

  // A turn written past the program, as another writer would.
  void AddTurnBehindTheProgram() {
    fixture.Raw()->Exec(
        "INSERT INTO throw (throwid, gameid, playerid, hit1value, hit2value, hit3value, "
        "aim1value, aim2value, aim3value, tocount) SELECT 'x' || COUNT(*), MIN(gameid), "
        "MIN(playerid), 'T19', 'na', 'na', '', '', '', 1 FROM throw");
  }

  StatisticsFixture fixture{GetParam()};
  std::string anna = fixture.AddPlayer("Anna");
};

TEST_P(GameTotals, FollowEveryInsertChangeAndDeletion) {
  for (const char* key : {"const501dout", "constcricket"}) {
    ExpectTotalsLikeQueries(fixture, anna, key);
  }
  {
    const auto raw = fixture.Raw();
    raw->Exec("UPDATE throw SET hit1value = 'LS1', tocount = 1 WHERE hit2value = 'T20'");
    raw->Exec("DELETE FROM throw WHERE hit1value = 'D20'");
  }
  ExpectTotalsLikeQueries(fixture, anna, "const501dout");
  AddTurnBehindTheProgram();
  ExpectTotalsLikeQueries(fixture, anna, "const501dout");
  EXPECT_EQ(TotalsByPlayer(*fixture.database, "const501dout", 0, 99999).at(anna).highScore, 121);
}

// A database from before the table, or one whose triggers were dropped and
// then written to, gets its totals rebuilt when it is opened, and they follow
// every writer again.
TEST_P(GameTotals, RebuiltWhenMissingOrOutOfStep) {
  const bool file = GetParam() == testing::Engine::SQLite;
  const std::vector<std::string> damages =
      file ? std::vector<std::string>{"DROP TABLE gametotals",
                                      "DROP TRIGGER gametotals4_throw_insert",
                                      "DROP TRIGGER gametotals4_game_insert"}
           : std::vector<std::string>{"DROP TABLE gametotals",
                                      "DROP FUNCTION gametotals4_throw_insert() CASCADE",
                                      "DROP TRIGGER gametotals4_game_insert ON game"};
  for (const auto& damage : damages) {
    fixture.Raw()->Exec(damage);
    if (damage != "DROP TABLE gametotals") {
      AddTurnBehindTheProgram();
    }
    Reopen();
    ExpectTotalsLikeQueries(fixture, anna, "const501dout");
    AddTurnBehindTheProgram();
    ExpectTotalsLikeQueries(fixture, anna, "const501dout");
  }
}

// Opened only to read, the database is not written: the totals are built for
// the connection alone.
TEST_P(GameTotals, ReadOnlyOpeningGetsThemForTheConnectionOnly) {
  fixture.Raw()->Exec("DROP TABLE gametotals");
  fixture.database.reset();
  fixture.database = Database::Open(fixture.address, DatabaseAccess::ReadOnly);
  ExpectTotalsLikeQueries(fixture, anna, "const501dout");
  const bool file = GetParam() == testing::Engine::SQLite;
  EXPECT_EQ(fixture.Raw()->Count(
                file ? "sqlite_master WHERE name = 'gametotals'"
                     : "pg_tables WHERE tablename = 'gametotals' AND schemaname = 'public'"),
            0);
}

INSTANTIATE_TEST_SUITE_P(Engines, GameTotals, testing::kBothEngines, testing::EngineName);

}  // namespace
}  // namespace korvanti
