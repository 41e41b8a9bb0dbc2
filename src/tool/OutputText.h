#pragma once

#include <string>
#include <string_view>

namespace korvanti {

// The text with every byte that does not belong to a well-formed UTF-8
// sequence (stray, overlong or truncated sequences, surrogates, beyond
// U+10FFFF) replaced by U+FFFD, so that JSON and terminals can take it.
std::string ValidUtf8(std::string_view text);

// User input quoted back in a message: valid UTF-8, control characters shown
// as '?', and at most kEchoedCharacters characters; a longer text is cut and
// says how long it was.
inline constexpr std::size_t kEchoedCharacters = 60;
std::string Echoed(std::string_view text);

}  // namespace korvanti
