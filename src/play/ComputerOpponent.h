#pragma once

#include <optional>
#include <string>

#include "computer/ComputerPlayer.h"
#include "engine/Game.h"
#include "engine/GameCatalog.h"

namespace korvanti {

class Database;

// The start window's choices for a game against the computer.
struct ComputerOptions {
  int chosenAverage = 50;  // "Computerschnitt (3 Dart)"
  bool exact = false;      // "Schnitt mögl. exakt treffen"
  int secondsPerDart = 1;  // "ca. Sekunden pro Dart"
  int toleranceUp = 4;     // "Abweichung +"
  int toleranceDown = 4;   // "Abweichung -"
  // "Streuung aus meinen Würfen" (501 gegen eigenen Schnitt): the computer throws
  // with the player's measured bias and covariance instead of a round spread.
  bool scatterFromOwnDarts = false;
};

// What the start window's fields allow; no pause at all is fine for a script.
struct ComputerOptionLimits {
  static constexpr int kLowestAverage = 24;
  static constexpr int kHighestAverage = 161;
  static constexpr int kMostSecondsPerDart = 180;
  static constexpr int kLeastTolerance = 4;
  static constexpr int kMostTolerance = 20;
};

// Why the entry's computer cannot play with these options, as the message to
// show; nothing when it can, or when the entry has no computer.
std::optional<std::string> ComputerOptionsProblem(const GameCatalogEntry& entry,
                                                  const ComputerOptions& options);

// Appends "The Machine" as the last player of a computer game, set up for the
// entry's computer mode against the reference player (the human it takes its
// average or best game from). Its darts are not prepared yet: that is its
// `PrepareNextGame`.
ComputerPlayer& AddComputerOpponent(Game& game, const GameCatalogEntry& entry,
                                    const ComputerOptions& options,
                                    const std::string& referencePlayerId,
                                    double referenceAverage501, Database* database,
                                    SimulationContext& simulation);

}  // namespace korvanti
