#pragma once

#include <filesystem>
#include <string>

namespace korvanti {

class Database;

// What a merge brought over.
struct MergeReport {
  int gamesAdded = 0;
  int players = 0;  // who played in the games added
  int gamesPresent = 0;

  // "12 Spiele von 3 Spielern übernommen, 4 schon vorhanden"
  std::string Text() const;
};

// Copies the players, games, turns, double rates, training results and
// matches of another database file of this program into `target`, in one
// transaction. Players are matched by nickname as the program compares them;
// a game already in the target (by its id) is skipped, so merging a file twice
// adds nothing. The source is only read: an older file is lifted to the
// current version in a copy. A file that is not a database of this program is
// refused with an Error, and nothing is written.
MergeReport MergeGamesFrom(Database& target, const std::filesystem::path& source);

}  // namespace korvanti
