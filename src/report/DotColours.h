#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/HitMapColours.h"

namespace korvanti {

class IniFile;

// The dot colours of the aim-and-hit board, one per dart of a turn. They live
// in Korvanti.ini in the program folder, section "color", keys "1", "2", "3".
struct DotColours {
  std::array<Rgb, 3> darts;
  bool operator==(const DotColours&) const = default;
};

// Dart 1 orange (255, 158, 89), dart 2 yellow, dart 3 lime.
DotColours DefaultDotColours();

// A colour text: a standard colour name ("clYellow", "clLime", "clBlack", ...;
// any letter case) or "$" and up to eight hexadecimal digits of the value
// 00BBGGRR ("$00599EFF"); a plain decimal value is read too. Nothing for any
// other text, including values whose top byte is not zero.
std::optional<Rgb> ParseColourText(std::string_view text);
// The standard name when the colour has one ("clYellow"), else "$00BBGGRR".
std::string ColourText(Rgb colour);

// Each key read over `current`; a missing key or a text that is no colour
// keeps the colour of `current`.
DotColours LoadDotColours(const IniFile& file, const DotColours& current = DefaultDotColours());
// Writes the three keys in one write; the file's other lines stay as they are.
void StoreDotColours(IniFile& file, const DotColours& colours);

inline constexpr std::string_view kDotColourSection = "color";

}  // namespace korvanti
