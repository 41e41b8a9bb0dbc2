#pragma once

#include <string>
#include <vector>

namespace korvanti {

class Database;

// A player of the statistics window's list.
struct StatisticsPlayer {
  std::string playerId;
  std::string nickname;
};

// Every player in nickname order, in one statement.
std::vector<StatisticsPlayer> StatisticsPlayers(Database& database);

}  // namespace korvanti
