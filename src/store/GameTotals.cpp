#include "store/GameTotals.h"

#include <array>
#include <string>
#include <vector>

#include "store/Database.h"
#include "store/GameFigures.h"
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

// The count-down types whose points left are known from the turns: the
// score they start from and whether they end on a double.
struct CountDownStart {
  const char* key;
  int start;
  bool doubleOut;
};
constexpr CountDownStart kCountDownStarts[] = {
    {"const301sout", 301, false},
    {"const501sout", 501, false},
    {"const301dout", 301, true},
    {"const501dout", 501, true},
    {"constpractice_computer501", 501, true},
    {"constpractice_501dout", 501, true},
    {"constpractice_computerAVG", 501, true},
    {"constpractice_computerBEST", 501, true},
    {"constpractice_checkout", 170, true},
};

// The starting score of the game's type, NULL for every other type; its
// double-out flag (0 or 1).
std::string StartOfType(bool doubleOutFlag) {
  std::string cases = "CASE game.gametypesid";
  for (const auto& type : kCountDownStarts) {
    cases += std::string(" WHEN '") + type.key + "' THEN " +
             (doubleOutFlag ? (type.doubleOut ? "1" : "0") : std::to_string(type.start));
  }
  return cases + (doubleOutFlag ? " ELSE 0 END" : " END");
}

std::string DoubleAims() {
  std::string codes;
  for (const int n : kDoubleNumbers) {
    codes += std::string(codes.empty() ? "" : ", ") + "'D" + std::to_string(n) + "'";
  }
  return "(" + codes + ")";
}

// Points left that one dart finishes on a double: 2 to 40 even (D1-D20) or 50 (Bull).
std::string OneDartFinish(const std::string& left) {
  return "(" + left + " = 50 OR (" + left + " BETWEEN 2 AND 40 AND " + left + " % 2 = 0))";
}

// The per-turn rows of the turns selected by `where`, in the order they were
// stored, with the points of each dart (NULL for a code without a value-table
// row), the turn's number in its player's game and the points left before each
// dart (NULL outside the count-down types of kCountDownStarts).
std::string TurnsOf(const std::string& where) {
  const std::string turns =
      "SELECT throw.rowid AS seq, game.gametypesid, game.datetime, game.winthrowid, "
      "game.matchid, throw.throwid, throw.gameid, throw.playerid, throw.tocount, "
      "throw.hit1value, throw.hit2value, throw.hit3value, throw.aim1value, throw.aim2value, "
      "throw.aim3value, throw.hit1tocount, throw.hit2tocount, throw.hit3tocount, "
      "(SELECT hitvalue FROM values1 WHERE ID = throw.hit1value) AS points1, "
      "(SELECT hitvalue FROM values2 WHERE ID = throw.hit2value) AS points2, "
      "(SELECT hitvalue FROM values3 WHERE ID = throw.hit3value) AS points3, " +
      StartOfType(false) + " AS start, " + StartOfType(true) +
      " AS doubleout FROM throw INNER JOIN game ON game.gameid = throw.gameid WHERE " + where;
  const std::string numbered =
      "SELECT *, points1 + points2 + points3 AS score, ROW_NUMBER() OVER turnorder AS turnno, "
      "start - CAST(COALESCE(SUM(CASE WHEN tocount = 1 THEN points1 + points2 + points3 END) OVER "
      "(turnorder ROWS BETWEEN UNBOUNDED PRECEDING AND 1 PRECEDING), 0) AS INTEGER) AS left1 "
      "FROM (" +
      turns + ") AS stored WINDOW turnorder AS (PARTITION BY gameid, playerid ORDER BY seq)";
  return "SELECT *, left1 - COALESCE(points1, 0) AS left2, "
         "left1 - COALESCE(points1, 0) - COALESCE(points2, 0) AS left3 FROM (" +
         numbered + ") AS numbered";
}

// Which double each dart was thrown at (0: none), and whether it was thrown
// with a one-dart finish left in a double-out game. A dart is counted at one
// double at most: at the double it was aimed at when its aim is a double (in
// any game), otherwise, in a double-out game, at the double that finished the
// points left before it. Darts not thrown ("na") are at none.
std::string DartsAtDoublesOf(const std::string& where) {
  std::string columns;
  for (const char* n : {"1", "2", "3"}) {
    const std::string hit = std::string("hit") + n + "value";
    const std::string aim = std::string("aim") + n + "value";
    const std::string left = std::string("left") + n;
    columns += ", CASE WHEN " + hit + " <> 'na' THEN COALESCE(CASE WHEN " + aim + " IN " +
               DoubleAims() + " THEN CAST(substr(" + aim + ", 2) AS INTEGER) END, CASE WHEN " +
               "doubleout = 1 AND " + OneDartFinish(left) + " THEN CASE WHEN " + left +
               " = 50 THEN 25 ELSE " + left + " / 2 END END, 0) ELSE 0 END AS at" + n;
    columns += ", CASE WHEN " + hit + " <> 'na' AND doubleout = 1 AND " + OneDartFinish(left) +
               " THEN 1 ELSE 0 END AS finish" + n;
  }
  return "SELECT *" + columns + " FROM (" + TurnsOf(where) + ") AS counted";
}

// The darts at a double, one entry "16+;" (hit) or "16-;" each (see
// GameFigures.h): one aggregate keeps the triggers' statements small, which
// SQLite compiles at every statement that writes turns.
std::string DoubleList(const SqlDialect& dialect) {
  std::string entries;
  for (const char* n : {"1", "2", "3"}) {
    const std::string at = std::string("at") + n;
    entries += std::string(entries.empty() ? "" : " || ") + "CASE WHEN " + at + " > 0 THEN " + at +
               " || CASE WHEN hit" + n + "value = 'D' || " + at +
               " THEN '+;' ELSE '-;' END ELSE '' END";
  }
  return "COALESCE(" + dialect.JoinedTexts(entries) + ", '')";
}

// The totals of the turns selected by `where`, per game and player, with the
// game's type, moment, winning turn and match. A turn whose codes have no
// value-table row has no score (like the queries' inner joins); a dart counts
// as thrown unless its code is "na"; the best turn and the checkout are
// scoring turns. The first nine darts are the first three turns of a
// count-down game (a bust scores 0); the bands count scoring turns of 100-139,
// 140-179 and 180.
std::string TotalsOf(const SqlDialect& dialect, const std::string& where) {
  const std::string scoring = "CASE WHEN tocount = 1 THEN score END";
  const std::string countDown = "start IS NOT NULL";
  const auto band = [&](const char* low, const char* high) {
    return "SUM(CASE WHEN " + countDown + " AND tocount = 1 AND score BETWEEN " + low + " AND " +
           high + " THEN 1 ELSE 0 END)";
  };
  std::string cricket;
  for (const char* number : {"15", "16", "17", "18", "19", "20", "25"}) {
    cricket += std::string(cricket.empty() ? "" : " OR ") + "hit#value LIKE '%" + number + "'";
  }
  return "SELECT gametypesid, datetime, gameid, playerid, COUNT(*), SUM" +
         OverDarts("CASE WHEN hit#value <> 'na' THEN 1 ELSE 0 END") + ", SUM" +
         OverDarts(
             "CASE WHEN aim#value = hit#value AND hit#value <> 'na' "
             "THEN 1 ELSE 0 END") +
         ", COALESCE(SUM(" + scoring + "), 0), COUNT(" + scoring + "), MAX(" + scoring + "), SUM" +
         OverDarts("CASE WHEN " + cricket + " THEN COALESCE(hit#tocount, 0) ELSE 0 END") +
         ", MAX(CASE WHEN throwid = winthrowid THEN 1 ELSE 0 END), "
         "MAX(CASE WHEN throwid = winthrowid THEN " +
         scoring +
         " END), winthrowid, "
         "(SELECT COALESCE(SUM(throwsatdouble), 0) FROM doublerate WHERE doublerate.gameid = "
         "turns.gameid AND doublerate.playerid = turns.playerid), "
         "(SELECT COALESCE(SUM(hitsatdouble), 0) FROM doublerate WHERE doublerate.gameid = "
         "turns.gameid AND doublerate.playerid = turns.playerid), matchid, "
         "SUM(CASE WHEN " +
         countDown + " AND turnno <= 3 AND tocount = 1 THEN COALESCE(score, 0) ELSE 0 END), " +
         "SUM(CASE WHEN " + countDown + " AND turnno <= 3 THEN 1 ELSE 0 END), " +
         band("100", "139") + ", " + band("140", "179") + ", " + band("180", "180") +
         ", SUM(finish1 + finish2 + finish3), "
         "MAX(CASE WHEN throwid = winthrowid AND doubleout = 1 THEN 1 ELSE 0 END), " +
         DoubleList(dialect) + " FROM (" + DartsAtDoublesOf(where) +
         ") AS turns GROUP BY gameid, playerid, gametypesid, datetime, winthrowid, matchid";
}

constexpr const char* kColumns =
    "gametypesid, datetime, gameid, playerid, turns, darts, exacthits, points, scoredturns, "
    "highscore, marks, won, checkout, winthrowid, doublethrows, doublehits, matchid, "
    "first9points, first9turns, turns100, turns140, turns180, finishdarts, checkouts, doubles";

// The rows of one game and player, or of every player of one game, counted anew.
std::string Recount(const SqlDialect& dialect, const std::string& table, const std::string& game,
                    const std::string& player = {}) {
  const std::string which =
      "gameid = " + game + (player.empty() ? "" : " AND playerid = " + player);
  return "DELETE FROM " + table + " WHERE " + which + "; INSERT INTO " + table + " (" + kColumns +
         ") " +
         TotalsOf(dialect, "throw.gameid = " + game +
                               (player.empty() ? "" : " AND throw.playerid = " + player)) +
         ";";
}

std::string CreateTable(const SqlDialect& dialect, const std::string& table) {
  return "CREATE TABLE " + table + " (gametypesid TEXT NOT NULL, datetime " + dialect.FloatType() +
         " NOT NULL, gameid TEXT NOT NULL, "
         "playerid TEXT NOT NULL, turns INTEGER NOT NULL, darts INTEGER NOT NULL, "
         "exacthits INTEGER NOT NULL, points INTEGER NOT NULL, scoredturns INTEGER NOT NULL, "
         "highscore INTEGER, marks INTEGER NOT NULL, won INTEGER NOT NULL, checkout INTEGER, "
         "winthrowid TEXT, doublethrows INTEGER NOT NULL, doublehits INTEGER NOT NULL, "
         "matchid TEXT, first9points INTEGER NOT NULL, first9turns INTEGER NOT NULL, "
         "turns100 INTEGER NOT NULL, turns140 INTEGER NOT NULL, turns180 INTEGER NOT NULL, "
         "finishdarts INTEGER NOT NULL, checkouts INTEGER NOT NULL, doubles TEXT NOT NULL, "
         "PRIMARY KEY (gametypesid, datetime, gameid, playerid))" +
         dialect.KeyOnlyTableSuffix();
}

void CreateIndexes(Database& database, bool temporary) {
  const auto name = [&](const std::string& index) {
    return temporary ? database.Dialect().TemporaryIndex(index) : index;
  };
  ExecuteStatement(database, "CREATE UNIQUE INDEX " + name("gametotals_game") +
                                 " ON gametotals (gameid, playerid)");
  ExecuteStatement(database, "CREATE INDEX " + name("gametotals_player") +
                                 " ON gametotals (playerid, datetime)");
}

void Fill(Database& database, const std::string& table) {
  ExecuteStatement(database, "INSERT INTO " + table + " (" + kColumns + ") " +
                                 TotalsOf(database.Dialect(), "game.gametypesid IS NOT NULL"));
}

// The triggers carry the layout in their names: a file with older ones is rebuilt.
struct Trigger {
  const char* name;
  const char* event;
  std::string body;
};
std::array<Trigger, 9> Triggers(const SqlDialect& d) {
  return {{
      {"gametotals4_throw_insert", "AFTER INSERT ON throw",
       Recount(d, "gametotals", "NEW.gameid", "NEW.playerid")},
      {"gametotals4_throw_delete", "AFTER DELETE ON throw",
       Recount(d, "gametotals", "OLD.gameid", "OLD.playerid")},
      {"gametotals4_throw_update", "AFTER UPDATE ON throw",
       Recount(d, "gametotals", "OLD.gameid", "OLD.playerid") +
           Recount(d, "gametotals", "NEW.gameid", "NEW.playerid")},
      {"gametotals4_game_insert", "AFTER INSERT ON game", Recount(d, "gametotals", "NEW.gameid")},
      {"gametotals4_game_change", "AFTER UPDATE ON game",
       Recount(d, "gametotals", "OLD.gameid") + Recount(d, "gametotals", "NEW.gameid")},
      {"gametotals4_game_delete", "AFTER DELETE ON game", Recount(d, "gametotals", "OLD.gameid")},
      {"gametotals4_double_insert", "AFTER INSERT ON doublerate",
       Recount(d, "gametotals", "NEW.gameid", "NEW.playerid")},
      {"gametotals4_double_delete", "AFTER DELETE ON doublerate",
       Recount(d, "gametotals", "OLD.gameid", "OLD.playerid")},
      {"gametotals4_double_update", "AFTER UPDATE ON doublerate",
       Recount(d, "gametotals", "OLD.gameid", "OLD.playerid") +
           Recount(d, "gametotals", "NEW.gameid", "NEW.playerid")},
  }};
}

bool Exists(Database& database, const std::string& type, const std::string& name) {
  return database.Dialect().HasObject(database.Connection(), type, name);
}

// The triggers keep the table in step with every writer; without all of them
// (a file from before the table, or triggers dropped) it may not be.
bool InStep(Database& database) {
  if (!Exists(database, "table", "gametotals")) {
    return false;
  }
  for (const auto& trigger : Triggers(database.Dialect())) {
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
  const auto& dialect = database.Dialect();
  if (database.ReadOnly()) {
    const auto temporary = dialect.TemporaryTable("gametotals");
    ExecuteStatement(database, "DROP TABLE IF EXISTS " + temporary);
    ExecuteStatement(database, CreateTable(dialect, temporary));
    CreateIndexes(database, true);
    Fill(database, temporary);
    return;
  }
  ScopedTransaction build(database);
  dialect.DropTriggers(database.Connection(), "gametotals");
  ExecuteStatement(database, "DROP TABLE IF EXISTS gametotals");
  ExecuteStatement(database, CreateTable(dialect, "gametotals"));
  CreateIndexes(database, false);
  Fill(database, "gametotals");
  for (const auto& trigger : Triggers(dialect)) {
    for (const auto& statement : dialect.CreateTrigger(trigger.name, trigger.event, trigger.body)) {
      ExecuteStatement(database, statement);
    }
  }
  build.Commit();
}

}  // namespace korvanti
