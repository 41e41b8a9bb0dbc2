#pragma once

#include <string>
#include <vector>

#include "play/CallerTexts.h"

namespace korvanti {

class Game;

// Each stored player's result of a decided training with his personal best
// before it; empty for games without results. Asks the game's archive for the
// earlier best, leaving the game itself out, so it may run after the save.
std::vector<TrainingOutcome> TrainingOutcomes(const Game& game);

// What the end of the training says about them, one line each ("Neue
// Bestleistung: 312 (bisher 287)").
std::string PersonalBestLines(const std::vector<TrainingOutcome>& outcomes);

}  // namespace korvanti
