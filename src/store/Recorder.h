#pragma once

#include <string>
#include <string_view>

#include "engine/GameArchive.h"
#include "engine/Turn.h"

namespace korvanti {

class Database;

// The recorder: the only code that adds players, games, turns and double
// statistics, and that deletes a player with his turns. Rows are appended
// with one value per column in storage order.
class Recorder {
 public:
  explicit Recorder(Database& database) : database_(database) {}

  // A game of a match names it; an empty match id stores none.
  std::string AppendGame(std::string_view gameId, std::string_view gameTypeKey, double when,
                         std::string_view winningTurnId, std::string_view matchId = {},
                         std::string_view boardName = {});
  // The match's row as it stands now, replacing the one stored with its last leg.
  void StoreMatch(const MatchRecord& match, std::string_view gameTypeKey);
  void AppendThrow(const Turn& turn, std::string_view gameId, std::string_view playerId);
  void AppendDoubleRate(std::string_view gameId, std::string_view playerId, int doubleThrows,
                        int doubleHits);
  void AppendTrainingResult(std::string_view gameId, std::string_view playerId, int result,
                            std::optional<TargetHits> targetHits);
  // Returns the new player's id. The nickname is stored trimmed; a nickname
  // that is empty or already taken (ignoring case and surrounding blanks) is
  // refused with an Error. Looking up and adding is one transaction, so two
  // programs adding the same player at once end with one row.
  std::string AppendPlayer(std::string_view firstName, std::string_view lastName,
                           std::string_view nickname);
  // The id of the player with this nickname, added (with the nickname as his
  // first name) when there is none; one transaction.
  std::string FindOrAppendPlayer(std::string_view nickname);
  // Deletes the player's turns (only while his player row exists) and the
  // player row, in one transaction. Games and double statistics stay.
  void DeletePlayerAndThrows(std::string_view playerId);

 private:
  // Now, but later than the previous turn: the turns of one game keep their
  // order in the time stamps even when they are stored within a millisecond.
  double NextTimestamp();
  std::string InsertPlayer(std::string_view firstName, std::string_view lastName,
                           std::string_view nickname);

  Database& database_;
  double lastTimestamp_ = 0;
};

}  // namespace korvanti
