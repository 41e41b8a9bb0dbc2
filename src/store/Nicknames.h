#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvanti {

class Database;

// Nicknames name players uniquely: two nicknames are the same when they are
// equal after trimming blanks and ignoring case (umlauts included).
std::string NicknameKey(std::string_view nickname);
// The nickname with the blanks around it removed, as it is stored.
std::string TrimmedNickname(std::string_view nickname);

// The id of the player with this nickname (in the sense above); the oldest
// one should an old file hold several.
std::optional<std::string> FindPlayerIdByNickname(Database& database, std::string_view nickname);

}  // namespace korvanti
