#pragma once

namespace korvanti {

class Database;

// Per game and player, with the game's type and moment, the totals the player
// overview needs (turns, darts, exact hits, points, best turn and checkout of
// the scoring turns, cricket marks, the win, the match, the count-down
// figures of GameFigures.h and the darts at each double), kept beside the
// turns in the table "gametotals", ordered by type and moment. The points left
// before each dart come from the turns stored before it in the same game. Triggers on the turn and
// game tables count a game and player anew at every insert, change and
// deletion by any writer, so the overview reads one row per game instead of
// every turn, and the statistics find a player's games without a pass over
// all games.
//
// Builds the table and its triggers when one of them is missing (a file from
// before the table or with an older layout, or triggers dropped). On a file opened read-only the
// totals are built as a temporary table of the connection; the file stays as
// it is.
void EnsureGameTotals(Database& database);

}  // namespace korvanti
