#pragma once

#include <sstream>
#include <string>

#include "engine/Turn.h"

namespace korvanti::testing {

// Writes darts given as text ("T20 T20 D20") into a turn, dart 1 first.
inline Turn& EnterDarts(Turn& turn, const std::string& darts) {
  std::istringstream words(darts);
  std::string code;
  int number = 1;
  while (words >> code) {
    turn.Hit(number++).hit = code;
  }
  return turn;
}

inline Turn MakeTurn(const std::string& darts, bool counts = true) {
  Turn turn;
  turn.counts = counts;
  return EnterDarts(turn, darts);
}

}  // namespace korvanti::testing
