#include "store/PersonalBests.h"

#include <vector>

#include "store/SqlStatement.h"

namespace korvanti {

PersonalBest ReadPersonalBest(Database& database, const PersonalBestQuery& query) {
  SqlStatement results(database,
                       "SELECT trainingresult.result, game.datetime FROM trainingresult "
                       "INNER JOIN game ON game.gameid = trainingresult.gameid "
                       "WHERE trainingresult.playerid = ? AND game.gametypesid = ? "
                       "AND game.datetime > ? AND game.datetime <= ? AND game.gameid <> ? "
                       "AND trainingresult.result IS NOT NULL "
                       "ORDER BY game.datetime, game.gameid");
  results.Bind(query.playerId)
      .Bind(query.gameTypeKey)
      .Bind(query.from)
      .Bind(query.to)
      .Bind(query.leaveOut)
      .Execute();
  PersonalBest record;
  std::vector<int> all;
  while (results.Next()) {
    const int result = static_cast<int>(results.Integer(0));
    all.push_back(result);
    if (!record.best || Beats(query.order, result, *record.best)) {
      record.best = result;
      record.bestDate = results.Float(1);
    }
  }
  record.trainings = static_cast<int>(all.size());
  if (!all.empty()) {
    const std::size_t recent = std::min<std::size_t>(all.size(), 10);
    double sum = 0;
    for (std::size_t i = all.size() - recent; i < all.size(); ++i) {
      sum += all[i];
    }
    record.recent = sum / static_cast<double>(recent);
  }
  return record;
}

std::optional<int> ReadTrainingResult(Database& database, std::string_view gameId,
                                      std::string_view playerId) {
  SqlStatement result(database,
                      "SELECT result FROM trainingresult WHERE gameid = ? AND playerid = ? "
                      "AND result IS NOT NULL");
  result.Bind(gameId).Bind(playerId).Execute();
  if (!result.Next()) {
    return std::nullopt;
  }
  return static_cast<int>(result.Integer(0));
}

}  // namespace korvanti
