#include "store/StoredDarts.h"

#include <vector>

#include "store/SqlStatement.h"

namespace korvanti {

void ForEachStoredDart(Database& database, const StoredDartFilter& filter,
                       const std::function<void(const StoredDart&)>& visit) {
  std::string where = "1 = 1";
  std::vector<QVariant> values;
  if (filter.playerId) {
    where += " AND throw.playerid = ?";
    values.emplace_back(QString::fromStdString(*filter.playerId));
  }
  if (filter.from) {
    where += " AND game.datetime >= ?";
    values.emplace_back(*filter.from);
  }
  if (filter.to) {
    where += " AND game.datetime <= ?";
    values.emplace_back(*filter.to);
  }
  SqlStatement query(
      database,
      "SELECT game.datetime, player.nickname, game.gametypesid, throw.gameid, throw.playerid, "
      "throw.hit1value, values1.hitvalue, throw.hit1x, throw.hit1y, "
      "throw.aim1value, throw.aim1x, throw.aim1y, "
      "throw.hit2value, values2.hitvalue, throw.hit2x, throw.hit2y, "
      "throw.aim2value, throw.aim2x, throw.aim2y, "
      "throw.hit3value, values3.hitvalue, throw.hit3x, throw.hit3y, "
      "throw.aim3value, throw.aim3x, throw.aim3y "
      "FROM throw INNER JOIN game ON game.gameid = throw.gameid "
      "LEFT JOIN player ON player.playerid = throw.playerid "
      "LEFT JOIN values1 ON throw.hit1value = values1.ID "
      "LEFT JOIN values2 ON throw.hit2value = values2.ID "
      "LEFT JOIN values3 ON throw.hit3value = values3.ID "
      "WHERE " +
          where + " ORDER BY game.datetime, throw.gameid, throw.playerid, throw.Zeitstempel");
  for (const auto& value : values) {
    query.Bind(value);
  }
  query.Execute();
  std::string previousGame;
  std::string previousPlayer;
  StoredDart dart;
  while (query.Next()) {
    const auto gameId = query.Text(3);
    const auto playerId = query.Text(4);
    if (gameId == previousGame && playerId == previousPlayer) {
      ++dart.turn;
    } else {
      dart.turn = 1;
      previousGame = gameId;
      previousPlayer = playerId;
    }
    dart.datetime = query.Float(0);
    dart.nickname = query.Text(1);
    dart.gameType = query.Text(2);
    dart.gameId = gameId;
    for (int n = 0; n < 3; ++n) {
      const int c = 5 + 7 * n;
      dart.hit = query.Text(c);
      if (dart.hit.empty() || dart.hit == "na") {
        continue;
      }
      dart.dart = n + 1;
      dart.points = query.Value(c + 1).isNull()
                        ? std::nullopt
                        : std::optional<int>(static_cast<int>(query.Integer(c + 1)));
      dart.hitX = static_cast<int>(query.Integer(c + 2));
      dart.hitY = static_cast<int>(query.Integer(c + 3));
      dart.hitPlaced = !query.Value(c + 2).isNull();
      dart.aim = query.Text(c + 4);
      dart.aimX = static_cast<int>(query.Integer(c + 5));
      dart.aimY = static_cast<int>(query.Integer(c + 6));
      visit(dart);
    }
  }
}

}  // namespace korvanti
