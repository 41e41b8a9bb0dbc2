#include "store/GameTotals.h"

#include <array>
#include <string>
#include <vector>

#include "store/Database.h"
#include "store/ScopedTransaction.h"
#include "store/SqlStatement.h"

namespace korvanti {
namespace {

// Dart by dart, summed over the three darts of a turn.
std::string OverDarts(const std::string& pattern) {
  std::string sum;
  for (const char* n : {"1", "2", "3"}) {
    auto term = pattern;
    for (auto at = term.find('#'); at != std::string::npos; at = term.find('#')) {
      term.replace(at, 1, n);
    }
    sum += (sum.empty() ? "" : " + ") + term;
  }
  return "(" + sum + ")";
}

// The totals of the turns selected by `where`, per game and player, with the
// game's type, moment and winning turn. A turn whose codes have no value-table
// row has no score (like the queries' inner joins); a dart counts as thrown
// unless its code is "na"; the best turn and the checkout are scoring turns.
std::string TotalsOf(const std::string& where) {
  const std::string score =
      "((SELECT hitvalue FROM values1 WHERE ID = throw.hit1value) + (SELECT hitvalue FROM "
      "values2 WHERE ID = throw.hit2value) + (SELECT hitvalue FROM values3 WHERE ID = "
      "throw.hit3value))";
  const std::string scoring = "CASE WHEN throw.tocount = 1 THEN " + score + " END";
  std::string cricket;
  for (const char* number : {"15", "16", "17", "18", "19", "20", "25"}) {
    cricket +=
        std::string(cricket.empty() ? "" : " OR ") + "throw.hit#value LIKE '%" + number + "'";
  }
  return "SELECT game.gametypesid, game.datetime, throw.gameid, throw.playerid, COUNT(*), "
         "SUM" +
         OverDarts("CASE WHEN throw.hit#value <> 'na' THEN 1 ELSE 0 END") + ", SUM" +
         OverDarts(
             "CASE WHEN throw.aim#value = throw.hit#value AND throw.hit#value <> 'na' "
             "THEN 1 ELSE 0 END") +
         ", COALESCE(SUM(" + scoring + "), 0), COUNT(" + scoring + "), MAX(" + scoring + "), SUM" +
         OverDarts("CASE WHEN " + cricket + " THEN COALESCE(throw.hit#tocount, 0) ELSE 0 END") +
         ", MAX(CASE WHEN throw.throwid = game.winthrowid THEN 1 ELSE 0 END), "
         "MAX(CASE WHEN throw.throwid = game.winthrowid THEN " +
         scoring +
         " END), game.winthrowid, "
         "(SELECT COALESCE(SUM(throwsatdouble), 0) FROM doublerate WHERE doublerate.gameid = "
         "throw.gameid AND doublerate.playerid = throw.playerid), "
         "(SELECT COALESCE(SUM(hitsatdouble), 0) FROM doublerate WHERE doublerate.gameid = "
         "throw.gameid AND doublerate.playerid = throw.playerid) "
         "FROM throw INNER JOIN game ON game.gameid = throw.gameid WHERE " +
         where + " GROUP BY throw.gameid, throw.playerid";
}

constexpr const char* kColumns =
    "gametypesid, datetime, gameid, playerid, turns, darts, exacthits, points, scoredturns, "
    "highscore, marks, won, checkout, winthrowid, doublethrows, doublehits";

// The rows of one game and player, or of every player of one game, counted anew.
std::string Recount(const std::string& table, const std::string& game,
                    const std::string& player = {}) {
  const std::string which =
      "gameid = " + game + (player.empty() ? "" : " AND playerid = " + player);
  return "DELETE FROM " + table + " WHERE " + which + "; INSERT INTO " + table + " (" + kColumns +
         ") " +
         TotalsOf("throw.gameid = " + game +
                  (player.empty() ? "" : " AND throw.playerid = " + player)) +
         ";";
}

std::string CreateTable(const std::string& table) {
  return "CREATE TABLE " + table +
         " (gametypesid TEXT NOT NULL, datetime DOUBLE NOT NULL, gameid TEXT NOT NULL, "
         "playerid TEXT NOT NULL, turns INTEGER NOT NULL, darts INTEGER NOT NULL, "
         "exacthits INTEGER NOT NULL, points INTEGER NOT NULL, scoredturns INTEGER NOT NULL, "
         "highscore INTEGER, marks INTEGER NOT NULL, won INTEGER NOT NULL, checkout INTEGER, "
         "winthrowid TEXT, doublethrows INTEGER NOT NULL, doublehits INTEGER NOT NULL, "
         "PRIMARY KEY (gametypesid, datetime, gameid, playerid)) WITHOUT ROWID";
}

void CreateIndexes(Database& database, const std::string& schema) {
  ExecuteStatement(database, "CREATE UNIQUE INDEX " + schema +
                                 "gametotals_game ON gametotals (gameid, playerid)");
  ExecuteStatement(
      database, "CREATE INDEX " + schema + "gametotals_player ON gametotals (playerid, datetime)");
}

void Fill(Database& database, const std::string& table) {
  ExecuteStatement(database, "INSERT INTO " + table + " (" + kColumns + ") " +
                                 TotalsOf("game.gametypesid IS NOT NULL"));
}

// The triggers carry the layout in their names: a file with older ones is rebuilt.
struct Trigger {
  const char* name;
  const char* event;
  std::string body;
};
std::array<Trigger, 9> Triggers() {
  return {{
      {"gametotals3_throw_insert", "AFTER INSERT ON throw",
       Recount("gametotals", "NEW.gameid", "NEW.playerid")},
      {"gametotals3_throw_delete", "AFTER DELETE ON throw",
       Recount("gametotals", "OLD.gameid", "OLD.playerid")},
      {"gametotals3_throw_update", "AFTER UPDATE ON throw",
       Recount("gametotals", "OLD.gameid", "OLD.playerid") +
           Recount("gametotals", "NEW.gameid", "NEW.playerid")},
      {"gametotals3_game_insert", "AFTER INSERT ON game", Recount("gametotals", "NEW.gameid")},
      {"gametotals3_game_change", "AFTER UPDATE ON game",
       Recount("gametotals", "OLD.gameid") + Recount("gametotals", "NEW.gameid")},
      {"gametotals3_game_delete", "AFTER DELETE ON game", Recount("gametotals", "OLD.gameid")},
      {"gametotals3_double_insert", "AFTER INSERT ON doublerate",
       Recount("gametotals", "NEW.gameid", "NEW.playerid")},
      {"gametotals3_double_delete", "AFTER DELETE ON doublerate",
       Recount("gametotals", "OLD.gameid", "OLD.playerid")},
      {"gametotals3_double_update", "AFTER UPDATE ON doublerate",
       Recount("gametotals", "OLD.gameid", "OLD.playerid") +
           Recount("gametotals", "NEW.gameid", "NEW.playerid")},
  }};
}

bool Exists(Database& database, const std::string& type, const std::string& name) {
  SqlStatement query(database, "SELECT COUNT(*) FROM sqlite_master WHERE type = ? AND name = ?");
  query.Bind(type).Bind(name).Execute();
  return query.Next() && query.Integer(0) > 0;
}

// The triggers keep the table in step with every writer; without all of them
// (a file from before the table, or triggers dropped) it may not be.
bool InStep(Database& database) {
  if (!Exists(database, "table", "gametotals")) {
    return false;
  }
  for (const auto& trigger : Triggers()) {
    if (!Exists(database, "trigger", trigger.name)) {
      return false;
    }
  }
  return true;
}

}  // namespace

void EnsureGameTotals(Database& database) {
  if (InStep(database)) {
    return;
  }
  if (database.ReadOnly()) {
    ExecuteStatement(database, "DROP TABLE IF EXISTS temp.gametotals");
    ExecuteStatement(database, CreateTable("temp.gametotals"));
    CreateIndexes(database, "temp.");
    Fill(database, "temp.gametotals");
    return;
  }
  ScopedTransaction build(database);
  SqlStatement old(database,
                   "SELECT name FROM sqlite_master WHERE type = 'trigger' AND name "
                   "LIKE 'gametotals%'");
  old.Execute();
  std::vector<std::string> stale;
  while (old.Next()) {
    stale.push_back(old.Text(0));
  }
  for (const auto& trigger : stale) {
    ExecuteStatement(database, "DROP TRIGGER \"" + trigger + "\"");
  }
  ExecuteStatement(database, "DROP TABLE IF EXISTS gametotals");
  ExecuteStatement(database, CreateTable("gametotals"));
  CreateIndexes(database, "");
  Fill(database, "gametotals");
  for (const auto& trigger : Triggers()) {
    ExecuteStatement(database, std::string("CREATE TRIGGER ") + trigger.name + " " + trigger.event +
                                   " BEGIN " + trigger.body + " END");
  }
  build.Commit();
}

}  // namespace korvanti
