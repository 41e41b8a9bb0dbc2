#include "store/PlayerTotals.h"

#include "store/Database.h"
#include "store/SqlStatement.h"

namespace korvanti {

// The games of the type in the period with the totals of every player who
// threw in them (kept beside the turns, see GameTotals.h): one row per game
// and player instead of one per turn.
std::map<std::string, PlayerTotals> TotalsByPlayer(Database& database,
                                                   const std::string& gameTypeKey,
                                                   DateTimeNumber from, DateTimeNumber to) {
  SqlStatement games(
      database,
      "SELECT playerid, COUNT(*), SUM(won), SUM(darts), SUM(exacthits), "
      "SUM(points), SUM(scoredturns), MAX(highscore), MAX(checkout), SUM(marks), "
      "SUM(doublethrows), SUM(doublehits), SUM(first9points), SUM(first9turns), SUM(turns180) "
      "FROM gametotals WHERE gametypesid = ? AND datetime > ? AND datetime <= ? "
      "GROUP BY playerid");
  games.Bind(gameTypeKey).Bind(from).Bind(to).Execute();
  std::map<std::string, PlayerTotals> totals;
  while (games.Next()) {
    auto& player = totals[games.Text(0)];
    player.games = static_cast<int>(games.Integer(1));
    player.wins = static_cast<int>(games.Integer(2));
    player.darts = static_cast<int>(games.Integer(3));
    player.exactHits = static_cast<int>(games.Integer(4));
    if (games.Integer(6) > 0)
      player.points = games.Integer(5);
    player.highScore = static_cast<int>(games.Integer(7));
    player.bestCheckout = static_cast<int>(games.Integer(8));
    player.marks = games.Integer(9);
    player.doubleThrows = static_cast<int>(games.Integer(10));
    player.doubleHits = static_cast<int>(games.Integer(11));
    player.firstNinePoints = static_cast<int>(games.Integer(12));
    player.firstNineTurns = static_cast<int>(games.Integer(13));
    player.turns180 = static_cast<int>(games.Integer(14));
  }
  return totals;
}

}  // namespace korvanti
