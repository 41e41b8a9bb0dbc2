#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/DateTime.h"

namespace korvanti {

class Database;
class SqlStatement;

// The doubles in table order: D1 to D20, then the bull (D25).
inline constexpr std::array<int, 21> kDoubleNumbers{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                                    12, 13, 14, 15, 16, 17, 18, 19, 20, 25};

// The count-down figures players compare, per game and player as the per-game
// totals keep them (GameTotals.h), or summed over games.
struct CountDownFigures {
  int firstNinePoints = 0;  // of the first three turns of each game; a bust scores 0
  int firstNineTurns = 0;
  int turns100 = 0;  // scoring turns of 100-139
  int turns140 = 0;  // 140-179
  int turns180 = 0;
  int finishDarts = 0;   // darts thrown with a one-dart finish left (double out only)
  int checkouts = 0;     // games won (double out only)
  int matchLegs = 0;     // games that are legs of a match
  int matchLegsWon = 0;  // of those, the games won

  CountDownFigures& operator+=(const CountDownFigures& other);
  bool operator==(const CountDownFigures&) const = default;
  // The three-dart average of the first nine darts; nothing without turns.
  std::optional<double> FirstNineAverage() const;
  // Games won by a checkout per dart at a finishing double, in percent;
  // nothing without such darts.
  std::optional<double> CheckoutRate() const;
};

// The figures of every player of one game, as the game's summary shows them.
struct PlayerGameFigures {
  std::string playerId;
  CountDownFigures figures;
};
std::vector<PlayerGameFigures> GameFiguresOf(Database& database, const std::string& gameId);

// The darts thrown at each double of kDoubleNumbers and how many landed on it.
// A dart is at a double when it was aimed at that double, or, without a
// double as its aim, when in a double-out game the points left before it
// were that double's one-dart finish; so no dart counts twice.
struct DoubleCounts {
  std::array<int, kDoubleNumbers.size()> darts{};
  std::array<int, kDoubleNumbers.size()> hits{};
};
// Over the player's games of the type (every type for an empty key) saved
// after `from` and not after `to`.
DoubleCounts CountDoubles(Database& database, const std::string& playerId,
                          const std::string& gameTypeKey, DateTimeNumber from, DateTimeNumber to);

// The columns of gametotals that make a CountDownFigures, in the order
// ReadCountDownFigures takes them.
std::string CountDownFigureColumns();
CountDownFigures ReadCountDownFigures(const SqlStatement& row, int firstColumn);

}  // namespace korvanti
