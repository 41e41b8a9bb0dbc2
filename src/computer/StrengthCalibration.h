#pragma once

#include <string>

#include "computer/DartSimulation.h"

namespace korvanti {

// The strength table (ki.ini, section AvgListBig): for every average from
// `lowest` to `highest` the spread at which simulated games average it,
// found by playing `games` games at each spread of a fine grid and reading
// the crossing between two neighbouring spreads.
std::string CalibrateStrengthTable(SimulationContext& context, int games, int lowest = 24,
                                   int highest = 161);

}  // namespace korvanti
