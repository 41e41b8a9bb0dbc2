#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Throwclass.h"

namespace korvanti {

struct PlayerNames {
  std::string vorname;
  std::string nachname;
  std::string nickname;
};

// A finished (or kept) game as it goes to the database: all of it or nothing.
struct GameRecord {
  struct PlayerTurns {
    std::string playerid;
    std::span<const Throwclass> turns;  // booked turns, oldest first
    int throwsatdouble = 0;
    int hitsatdouble = 0;
  };
  std::string gameid;
  std::string gametypesid;
  double datetime = 0.0;
  std::string winningThrowId;  // the leader's last booked turn; empty for an aborted game
  std::vector<PlayerTurns> players;
};

// What the game rules need of the database, implemented by the store. Games
// and players created without one simply store nothing and look nothing up.
class GameArchive {
 public:
  virtual ~GameArchive() = default;
  virtual std::optional<PlayerNames> FindPlayerNames(std::string_view playerid) = 0;
  virtual void StoreGame(const GameRecord& game) = 0;
};

}  // namespace korvanti
