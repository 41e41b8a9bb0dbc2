#include "OutputText.h"

namespace korvanti {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Length of the well-formed sequence starting at text[0], 0 when there is none.
std::size_t SequenceLength(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const auto lead = byte(0);
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead < 0x80) {
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
    high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    low = lead == 0xF0 ? 0x90 : 0x80;
    high = lead == 0xF4 ? 0x8F : 0xBF;  // nothing beyond U+10FFFF
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) {
    return 0;
  }
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) {
      return 0;
    }
  }
  return length;
}

}  // namespace

std::string ValidUtf8(std::string_view text) {
  std::string valid;
  valid.reserve(text.size());
  while (!text.empty()) {
    const auto length = SequenceLength(text);
    if (length == 0) {
      valid += kReplacement;
      text.remove_prefix(1);
    } else {
      valid += text.substr(0, length);
      text.remove_prefix(length);
    }
  }
  return valid;
}

std::string Echoed(std::string_view text) {
  std::string shown;
  std::size_t characters = 0;
  std::size_t total = 0;
  for (std::string_view rest = text; !rest.empty(); ++total) {
    const auto length = SequenceLength(rest);
    if (characters < kEchoedCharacters) {
      const auto byte = static_cast<unsigned char>(rest.front());
      if (length == 0) {
        shown += kReplacement;
      } else if (byte < 0x20 || byte == 0x7F) {
        shown += '?';
      } else {
        shown += rest.substr(0, length);
      }
      ++characters;
    }
    rest.remove_prefix(length == 0 ? 1 : length);
  }
  if (total > kEchoedCharacters) {
    shown += "… (" + std::to_string(total) + " Zeichen)";
  }
  return shown;
}

}  // namespace korvanti
