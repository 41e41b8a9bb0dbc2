#pragma once

namespace korvanti {

class Database;

// Per game and player, the totals the player overview needs (turns, darts,
// exact hits, points and best turn of the scoring turns, cricket marks), kept
// beside the turns in the table "gametotals". Triggers on the turn table keep
// it in step with every insert, change and deletion by any writer, so the
// overview reads one row per game instead of every turn.
//
// Builds the table and its triggers when they are missing or the totals do
// not add up to the stored turns (a file from before the table, or one whose
// triggers were dropped). On a file opened read-only the totals are built as
// a temporary table of the connection; the file stays as it is.
void EnsureGameTotals(Database& database);

}  // namespace korvanti
