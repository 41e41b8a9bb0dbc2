#pragma once

#include <optional>
#include <string>

#include "computer/simulateDart.h"
#include "engine/BaseGameClass.h"
#include "engine/GameCatalog.h"

namespace korvanti {

class Database;

// The start window's choices for a game against the computer.
struct ComputerOptions {
  int chosenAverage = 50;  // "Computerschnitt (3 Dart)"
  bool exact = false;      // "Schnitt mögl. exakt treffen"
  int secondsPerDart = 1;  // "ca. Sekunden pro Dart"
  int toleranceUp = 4;
  int toleranceDown = 4;
};

// Appends "The Machine" as the last player of a computer game and prepares
// its darts for the first game. Returns the message to show when no darts
// could be had (the game must not start then).
std::optional<std::string> AddComputerOpponent(BaseGameClass& game, const GameCatalogEntry& entry,
                                               const ComputerOptions& options,
                                               const std::string& referencePlayerId,
                                               double referenceAverage501, Database* database,
                                               SimulationContext& simulation);

}  // namespace korvanti
