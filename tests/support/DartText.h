#pragma once

#include <sstream>
#include <string>

#include "engine/Throwclass.h"

namespace korvanti::testing {

// Writes darts given as text ("T20 T20 D20") into a turn, dart 1 first.
inline Throwclass& EnterDarts(Throwclass& turn, const std::string& darts) {
  std::istringstream words(darts);
  std::string code;
  int number = 1;
  while (words >> code) {
    turn.Hit(number++).hit = code;
  }
  return turn;
}

inline Throwclass MakeTurn(const std::string& darts, bool tocount = true) {
  Throwclass turn;
  turn.tocount = tocount;
  return EnterDarts(turn, darts);
}

}  // namespace korvanti::testing
