#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/TrainingResult.h"
#include "engine/Turn.h"

namespace korvanti {

struct PlayerNames {
  std::string firstName;
  std::string lastName;
  std::string nickname;
};

// The match a game is a leg of, as it stands when the leg is stored: its row
// is written anew with every leg.
struct MatchRecord {
  std::string matchId;
  int legs = 1;  // first to this many legs
  int sets = 1;  // first to this many sets
  double startTime = 0.0;
  double endTime = 0.0;  // 0 while the match goes on
  std::string winnerId;  // empty until it is won
  // The bull-off's distances: "<player id>=<millimetres>;..." in the order of
  // play, empty without one.
  std::string bullOff;
};

// A finished (or kept) game as it goes to the database: all of it or nothing.
struct GameRecord {
  struct PlayerRecord {
    std::string playerId;
    std::span<const Turn> turns;  // booked turns, oldest first
    int doubleThrows = 0;
    int doubleHits = 0;
    // The training's result for the player's personal bests; none for games
    // without one, aborted ones and a player who did not finish.
    std::optional<int> result;
    std::optional<TargetHits> targetHits;  // with the result
  };
  std::string gameId;
  std::string gameTypeKey;
  double datetime = 0.0;
  std::string winningTurnId;  // the leader's last booked turn; empty for an aborted game
  std::vector<PlayerRecord> players;
  std::optional<MatchRecord> match;  // none for a game on its own
  std::string boardName = {};        // where it was played; empty when unknown
};

// What the game rules need of the database, implemented by the store. Games
// and players created without one simply store nothing and look nothing up.
class GameArchive {
 public:
  virtual ~GameArchive() = default;
  virtual std::optional<PlayerNames> FindPlayerNames(std::string_view playerId) = 0;
  virtual void StoreGame(const GameRecord& game) = 0;
  // Takes a stored game back, as if it had never been stored: its rows go, and
  // the match it was a leg of is written as `match` (none for a game on its
  // own). All of it or nothing.
  virtual void RemoveGame(std::string_view gameId, const std::optional<MatchRecord>& match) = 0;
  // The player's best stored result of the training type (which way is better
  // given), without the game `leaveOut`; nothing when there is none or the
  // archive keeps no results. An archive that wraps another passes it on.
  virtual std::optional<int> EarlierBest(std::string_view playerId, std::string_view gameTypeKey,
                                         BetterResult order, std::string_view leaveOut) = 0;
};

}  // namespace korvanti
