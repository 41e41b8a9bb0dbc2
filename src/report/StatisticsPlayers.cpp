#include "report/StatisticsPlayers.h"

#include "store/abfrageAnzahl.h"

namespace korvanti {

std::vector<StatisticsPlayer> StatisticsPlayers(Database& database) {
  std::vector<StatisticsPlayer> players;
  for (auto& player : abfrageAnzahl(database).PlayersByNickname()) {
    players.push_back({std::move(player.playerid), std::move(player.names.nickname)});
  }
  return players;
}

}  // namespace korvanti
