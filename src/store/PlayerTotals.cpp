#include "store/PlayerTotals.h"

#include "store/Database.h"
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
  return sum;
}

}  // namespace

std::map<std::string, PlayerTotals> TotalsByPlayer(Database& database,
                                                   const std::string& gameTypesId,
                                                   DateTimeNumber from, DateTimeNumber to,
                                                   TotalsWanted wanted) {
  const std::string score = "(values1.hitvalue + values2.hitvalue + values3.hitvalue)";
  const std::string onCricketNumber =
      "(throw.hit#value LIKE '%15' OR throw.hit#value LIKE '%16' OR throw.hit#value LIKE '%17' "
      "OR throw.hit#value LIKE '%18' OR throw.hit#value LIKE '%19' OR throw.hit#value LIKE "
      "'%20' OR throw.hit#value LIKE '%25')";
  SqlStatement turns(
      database,
      "SELECT throw.playerid, COUNT(DISTINCT throw.gameid), "
      "SUM(CASE WHEN throw.throwid = game.winthrowid THEN 1 ELSE 0 END), "
      "SUM(" +
          OverDarts("CASE WHEN throw.hit#value <> 'na' THEN 1 ELSE 0 END") +
          "), "
          "SUM(" +
          OverDarts("CASE WHEN throw.aim#value = throw.hit#value AND throw.hit#value <> "
                    "'na' THEN 1 ELSE 0 END") +
          "), "
          "SUM(CASE WHEN throw.tocount = 1 THEN " +
          score + " END), MAX(" + score +
          "), "
          "MAX(CASE WHEN throw.throwid = game.winthrowid AND throw.tocount = 1 THEN " +
          score +
          " END), "
          "SUM(" +
          OverDarts("CASE WHEN " + onCricketNumber + " THEN throw.hit#tocount ELSE 0 END") +
          ") "
          "FROM game INNER JOIN throw ON game.gameid = throw.gameid "
          "LEFT JOIN values1 ON throw.hit1value = values1.ID "
          "LEFT JOIN values2 ON throw.hit2value = values2.ID "
          "LEFT JOIN values3 ON throw.hit3value = values3.ID "
          "WHERE game.gametypesid = ? AND game.datetime > ? AND game.datetime <= ? "
          "GROUP BY throw.playerid");
  turns.Bind(gameTypesId).Bind(from).Bind(to).Execute();
  std::map<std::string, PlayerTotals> totals;
  while (turns.Next()) {
    auto& player = totals[turns.Text(0)];
    player.games = static_cast<int>(turns.Integer(1));
    player.wins = static_cast<int>(turns.Integer(2));
    player.darts = static_cast<int>(turns.Integer(3));
    player.exactHits = static_cast<int>(turns.Integer(4));
    if (!turns.Value(5).isNull())
      player.points = turns.Integer(5);
    player.highScore = static_cast<int>(turns.Integer(6));
    player.bestCheckout = static_cast<int>(turns.Integer(7));
    player.marks = turns.Integer(8);
  }
  if (!wanted.doubles) {
    return totals;
  }
  SqlStatement doubles(database,
                       "SELECT doublerate.playerid, SUM(doublerate.throwsatdouble), "
                       "SUM(doublerate.hitsatdouble) FROM game INNER JOIN doublerate ON "
                       "game.gameid = doublerate.gameid WHERE game.gametypesid = ? AND "
                       "game.datetime > ? AND game.datetime <= ? GROUP BY doublerate.playerid");
  doubles.Bind(gameTypesId).Bind(from).Bind(to).Execute();
  while (doubles.Next()) {
    auto& player = totals[doubles.Text(0)];
    player.doubleThrows = static_cast<int>(doubles.Integer(1));
    player.doubleHits = static_cast<int>(doubles.Integer(2));
  }
  return totals;
}

}  // namespace korvanti
