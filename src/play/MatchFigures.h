#pragma once

#include <string>
#include <vector>

#include "engine/PlayerTurns.h"
#include "platform/NumberFormat.h"

namespace korvanti {

// One player's figures over the legs of a match of a count-down game.
struct MatchFigures {
  int points = 0;
  int turns = 0;
  int firstNinePoints = 0;  // the first three turns of each leg
  int firstNineTurns = 0;
  int scores180 = 0;
  int scores140 = 0;  // 140 to 179
  int scores100 = 0;  // 100 to 139
  // Darts thrown with a one-dart finish on a double left (double out only).
  int dartsAtDouble = 0;
  int checkouts = 0;
  int highestCheckout = 0;

  // The player's booked turns of one leg; `won` when his last turn checked out.
  void AddLeg(const PlayerTurns& turns, bool doubleOut, bool won);
  double Average() const;
  double FirstNineAverage() const;
  // Legs checked out per dart at a double, in percent; none without such darts.
  double CheckoutPercent() const;
};

// Points left that one dart can finish on a double: 2 to 40 even, or 50.
bool IsOneDartFinish(int pointsLeft);

// The columns of the match summary and one player's row of it.
std::vector<std::string> MatchSummaryColumns(bool sets);
std::vector<std::string> MatchSummaryRow(const std::string& nickname, int legs, int sets,
                                         bool withSets, const MatchFigures& figures,
                                         NumberSeparators numbers);

}  // namespace korvanti
