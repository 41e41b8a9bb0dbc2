#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace korvanti {

// The three names of a new player as they will be stored: trimmed, and the
// nickname never empty.
struct PlayerEntry {
  std::string firstName;
  std::string lastName;
  std::string nickname;

  friend bool operator==(const PlayerEntry&, const PlayerEntry&) = default;
};

// The German text to show when an entry is refused.
struct PlayerEntryRefusal {
  std::string message;
};

using PlayerEntryCheck = std::variant<PlayerEntry, PlayerEntryRefusal>;

// Checks the names typed for a new player (UTF-8). The nickname defaults to
// the first name. It must differ from every one of `existingNicknames`
// ignoring case and surrounding blanks, must not be the computer's name, and
// must make a safe file name, because the player's picture is stored as
// "pictures/<nickname>.jpg".
PlayerEntryCheck CheckPlayerEntry(std::string_view firstName, std::string_view lastName,
                                  std::string_view nickname,
                                  const std::vector<std::string>& existingNicknames);

// The same nickname for the purpose of uniqueness: case folded for ASCII and
// the Latin-1 letters (Ä, Ö, Ü, ...), blanks around ignored.
bool SameNickname(std::string_view left, std::string_view right);

}  // namespace korvanti
