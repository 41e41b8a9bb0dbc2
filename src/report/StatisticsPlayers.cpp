#include "report/StatisticsPlayers.h"

#include "store/StatisticsQuery.h"

namespace korvanti {

std::vector<StatisticsPlayer> StatisticsPlayers(Database& database) {
  std::vector<StatisticsPlayer> players;
  for (auto& player : StatisticsQuery(database).PlayersByNickname()) {
    players.push_back({std::move(player.playerId), std::move(player.names.nickname)});
  }
  return players;
}

}  // namespace korvanti
