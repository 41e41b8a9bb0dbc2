#pragma once

#include <string>

#include "engine/BaseGameClass.h"
#include "engine/GameCatalog.h"

namespace korvanti {

// The choices of the start window that a game takes before it starts.
struct StartOptions {
  bool masterOut = false;            // settings dialog
  bool doubleOut = false;            // "Double Out" (Elimination)
  bool doubleIn = false;             // "Double In" (Elimination)
  int trainingRounds = 50;           // "* Runden pro Zahl"
  std::string chosenDouble = "D20";  // "Double training*"
  int checkoutStart = 61;            // checkout game: start value
  int stepUp = 10;
  int stepDown = 3;
  bool alwaysZero = true;  // "Immer auf 0"
  int startLevel = 1;      // Pirmel's training
  int maxLevel = 8;
  std::string training;  // section of SETTINGS.ini ("Freies Training*")
};

// Sets the options that the entry's game takes from the start window.
void ApplyStartOptions(const GameCatalogEntry& entry, BaseGameClass& game,
                       const StartOptions& options);

// The start window switches aim input off for the games 1 to 9 and 30 and on
// for the trainings.
bool DefaultAimInput(int gameIndex);

}  // namespace korvanti
