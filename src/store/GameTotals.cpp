#include "store/GameTotals.h"

#include <array>
#include <string>

#include "store/Database.h"
#include "store/ScopedTransaction.h"
#include "store/SqlStatement.h"

namespace korvanti {
namespace {

// The totals of one turn, written over the row `t` of the turn table. A turn
// whose codes have no value-table row has no score (like the queries' inner
// joins); a dart counts as thrown unless its code is "na".
std::string TurnTotals(const std::string& t) {
  const auto overDarts = [&](const std::string& pattern) {
    std::string sum;
    for (const char* n : {"1", "2", "3"}) {
      auto term = pattern;
      for (auto at = term.find('#'); at != std::string::npos; at = term.find('#')) {
        term.replace(at, 1, n);
      }
      sum += (sum.empty() ? "" : " + ") + term;
    }
    return "(" + sum + ")";
  };
  const std::string score = "((SELECT hitvalue FROM values1 WHERE ID = " + t +
                            ".hit1value) + (SELECT hitvalue FROM values2 WHERE ID = " + t +
                            ".hit2value) + (SELECT hitvalue FROM values3 WHERE ID = " + t +
                            ".hit3value))";
  const std::string scoring = "CASE WHEN " + t + ".tocount = 1 THEN " + score + " END";
  std::string cricket;
  for (const char* number : {"15", "16", "17", "18", "19", "20", "25"}) {
    cricket += std::string(cricket.empty() ? "" : " OR ") + t + ".hit#value LIKE '%" + number + "'";
  }
  return t + ".gameid AS gameid, " + t + ".playerid AS playerid, 1 AS turns, " +
         overDarts("CASE WHEN " + t + ".hit#value <> 'na' THEN 1 ELSE 0 END") + " AS darts, " +
         overDarts("CASE WHEN " + t + ".aim#value = " + t + ".hit#value AND " + t +
                   ".hit#value <> 'na' THEN 1 ELSE 0 END") +
         " AS exacthits, COALESCE(" + scoring + ", 0) AS points, CASE WHEN " + scoring +
         " IS NULL THEN 0 ELSE 1 END AS scoredturns, " + scoring + " AS highscore, " +
         overDarts("CASE WHEN " + cricket + " THEN COALESCE(" + t + ".hit#tocount, 0) ELSE 0 END") +
         " AS marks";
}

constexpr const char* kColumns =
    "gameid, playerid, turns, darts, exacthits, points, scoredturns, highscore, marks";

// Adds the turns selected by `source` (a SELECT of TurnTotals rows) to the totals.
std::string AddTurns(const std::string& table, const std::string& source) {
  return "INSERT INTO " + table + " (" + kColumns + ") " + source +
         " ON CONFLICT (gameid, playerid) DO UPDATE SET turns = turns + excluded.turns, "
         "darts = darts + excluded.darts, exacthits = exacthits + excluded.exacthits, "
         "points = points + excluded.points, scoredturns = scoredturns + excluded.scoredturns, "
         "highscore = CASE WHEN highscore IS NULL OR excluded.highscore > highscore "
         "THEN excluded.highscore ELSE highscore END, marks = marks + excluded.marks";
}

// The totals of one game and player anew from its remaining turns (none: no row).
std::string Recount(const std::string& table, const std::string& row) {
  return "DELETE FROM " + table + " WHERE gameid = " + row + ".gameid AND playerid = " + row +
         ".playerid; INSERT INTO " + table + " (" + kColumns +
         ") SELECT gameid, playerid, SUM(turns), SUM(darts), SUM(exacthits), SUM(points), "
         "SUM(scoredturns), MAX(highscore), SUM(marks) FROM (SELECT " +
         TurnTotals("throw") + " FROM throw WHERE throw.gameid = " + row +
         ".gameid AND throw.playerid = " + row + ".playerid) GROUP BY gameid, playerid;";
}

std::string CreateTable(const std::string& table) {
  return "CREATE TABLE " + table +
         " (gameid TEXT NOT NULL, playerid TEXT NOT NULL, turns INTEGER NOT NULL, "
         "darts INTEGER NOT NULL, exacthits INTEGER NOT NULL, points INTEGER NOT NULL, "
         "scoredturns INTEGER NOT NULL, highscore INTEGER, marks INTEGER NOT NULL, "
         "PRIMARY KEY (gameid, playerid)) WITHOUT ROWID";
}

bool Exists(Database& database, const char* schema, const char* type, const char* name) {
  SqlStatement query(database, std::string("SELECT COUNT(*) FROM ") + schema +
                                   ".sqlite_master WHERE type = ? AND name = ?");
  query.Bind(type).Bind(name).Execute();
  return query.Next() && query.Integer(0) > 0;
}

constexpr std::array<const char*, 3> kTriggers{"gametotals_insert", "gametotals_delete",
                                               "gametotals_update"};

bool InStep(Database& database) {
  if (!Exists(database, "main", "table", "gametotals")) {
    return false;
  }
  for (const char* trigger : kTriggers) {
    if (!Exists(database, "main", "trigger", trigger)) {
      return false;
    }
  }
  SqlStatement turns(database,
                     "SELECT (SELECT COUNT(*) FROM throw), "
                     "(SELECT COALESCE(SUM(turns), 0) FROM gametotals)");
  turns.Execute();
  return turns.Next() && turns.Integer(0) == turns.Integer(1);
}

void Fill(Database& database, const std::string& table) {
  ExecuteStatement(database,
                   AddTurns(table, "SELECT " + TurnTotals("throw") + " FROM throw WHERE true"));
}

}  // namespace

void EnsureGameTotals(Database& database) {
  if (database.ReadOnly()) {
    if (!InStep(database)) {
      ExecuteStatement(database, "DROP TABLE IF EXISTS temp.gametotals");
      ExecuteStatement(database, CreateTable("temp.gametotals"));
      Fill(database, "temp.gametotals");
    }
    return;
  }
  if (InStep(database)) {
    return;
  }
  ScopedTransaction build(database);
  for (const char* trigger : kTriggers) {
    ExecuteStatement(database, std::string("DROP TRIGGER IF EXISTS ") + trigger);
  }
  ExecuteStatement(database, "DROP TABLE IF EXISTS gametotals");
  ExecuteStatement(database, CreateTable("gametotals"));
  Fill(database, "gametotals");
  ExecuteStatement(database,
                   "CREATE TRIGGER gametotals_insert AFTER INSERT ON throw BEGIN " +
                       AddTurns("gametotals", "SELECT " + TurnTotals("NEW") + " WHERE true") +
                       "; END");
  ExecuteStatement(database, "CREATE TRIGGER gametotals_delete AFTER DELETE ON throw BEGIN " +
                                 Recount("gametotals", "OLD") + " END");
  ExecuteStatement(database, "CREATE TRIGGER gametotals_update AFTER UPDATE ON throw BEGIN " +
                                 Recount("gametotals", "OLD") + Recount("gametotals", "NEW") +
                                 " END");
  ExecuteStatement(database, "CREATE INDEX IF NOT EXISTS idx_game_datetime ON game (datetime)");
  build.Commit();
}

}  // namespace korvanti
