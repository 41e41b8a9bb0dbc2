#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/DateTime.h"

namespace korvanti {

class Database;

// What the player overview shows of one player for one game type and period:
// the answers of CountGames, CountWins, CountDarts, CountExactHits,
// GetAverages, HighScore, BestCheckout, SumMarks and DoubleRateTotals, and
// of the count-down figures (GameFigures.h) the first nine and the 180s.
struct PlayerTotals {
  int games = 0;
  int wins = 0;
  int darts = 0;
  int exactHits = 0;
  std::optional<long long> points;  // of the counting turns; nothing without any
  int highScore = 0;
  int bestCheckout = 0;
  long long marks = 0;
  int doubleThrows = 0;
  int doubleHits = 0;
  int firstNinePoints = 0;
  int firstNineTurns = 0;
  int turns180 = 0;

  double Average() const { return darts > 0 && points ? *points / (darts / 3.0) : 0.0; }
  double PointsPerDart() const {
    return darts > 0 && points ? static_cast<double>(*points) / darts : 0.0;
  }
  std::optional<double> FirstNineAverage() const {
    return firstNineTurns > 0 ? std::optional(static_cast<double>(firstNinePoints) / firstNineTurns)
                              : std::nullopt;
  }
  double MarksPerRound() const {
    return darts > 0 ? static_cast<double>(marks) / darts * 3.0 : 0.0;
  }
};

// The totals of every player with turns of the type in the period (after
// `from`, not after `to`), read from the per-game totals: one row per game
// and player instead of a dozen queries per player.
std::map<std::string, PlayerTotals> TotalsByPlayer(Database& database,
                                                   const std::string& gameTypeKey,
                                                   DateTimeNumber from, DateTimeNumber to);

}  // namespace korvanti
