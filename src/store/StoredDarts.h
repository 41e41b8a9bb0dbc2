#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/DateTime.h"

namespace korvanti {

class Database;

// One thrown dart as it is stored, with its game and player.
struct StoredDart {
  DateTimeNumber datetime = 0;  // when its game was saved
  std::string nickname;
  std::string gameType;  // the game type key
  std::string gameId;
  int turn = 1;  // the player's turn in the game, from 1
  int dart = 1;  // 1..3 within the turn
  std::string hit;
  std::optional<int> points;  // nothing for a code without a value
  int hitX = 0;
  int hitY = 0;
  bool hitPlaced = true;  // false for a dart typed as a field code: no position
  std::string aim;        // empty when no aim was recorded
  int aimX = 0;
  int aimY = 0;
};

// Which darts: one player's or everybody's, of games saved from `from` up to
// and including `to`.
struct StoredDartFilter {
  std::optional<std::string> playerId;
  std::optional<DateTimeNumber> from;
  std::optional<DateTimeNumber> to;
};

// Every thrown dart of the filter ("na", a dart not thrown, is left out), by
// game time, game, player and the order the turns were stored, one call each
// without holding them all in memory.
void ForEachStoredDart(Database& database, const StoredDartFilter& filter,
                       const std::function<void(const StoredDart&)>& visit);

}  // namespace korvanti
