#pragma once

#include <optional>
#include <string>

#include "engine/GameArchive.h"
#include "store/Recorder.h"

namespace korvanti {

class Database;

// Where the games go: stores each finished game in one transaction and looks
// player names up.
class DatabaseArchive : public GameArchive {
 public:
  explicit DatabaseArchive(Database& database) : database_(database), recorder_(database) {}

  std::optional<PlayerNames> FindPlayerNames(std::string_view playerId) override;
  // The id of the first player with this nickname.
  std::optional<std::string> FindPlayerIdByNickname(std::string_view nickname);
  // The game row, every turn of every player, then each player's double
  // statistics: all of them or, on a failure, none.
  void StoreGame(const GameRecord& game) override;
  void RemoveGame(std::string_view gameId, const std::optional<MatchRecord>& match) override;
  std::optional<int> EarlierBest(std::string_view playerId, std::string_view gameTypeKey,
                                 BetterResult order, std::string_view leaveOut) override;

 private:
  Database& database_;
  Recorder recorder_;
};

}  // namespace korvanti
