#pragma once

#include <string>

namespace korvanti {

class Game;

// What the end of a decided training says about each stored player's result
// and his personal best, one line each ("Neue Bestleistung: 312 (bisher
// 287)"); empty for games without results. Asks the game's archive for the
// earlier best, leaving the game itself out, so it may run after the save.
std::string PersonalBestLines(const Game& game);

}  // namespace korvanti
