#include "report/DotColours.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>

#include "engine/FieldCode.h"
#include "platform/IniFile.h"

namespace korvanti {
namespace {

struct NamedColour {
  std::string_view name;
  std::uint32_t value;  // 00BBGGRR
};

constexpr std::array<NamedColour, 16> kNamedColours{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
}};

Rgb FromValue(std::uint32_t value) {
  return {static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>((value >> 8) & 0xFF),
          static_cast<std::uint8_t>((value >> 16) & 0xFF)};
}

std::uint32_t ToValue(Rgb colour) {
  return static_cast<std::uint32_t>(colour.r) | static_cast<std::uint32_t>(colour.g) << 8 |
         static_cast<std::uint32_t>(colour.b) << 16;
}

std::optional<std::uint32_t> ParseValue(std::string_view digits, int base) {
  if (digits.empty())
    return std::nullopt;
  std::uint32_t value = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
  if (error != std::errc() || end != digits.data() + digits.size())
    return std::nullopt;
  return value;
}

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos)
    return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

std::string KeyOf(std::size_t dart) {
  return std::to_string(dart + 1);
}

}  // namespace

DotColours DefaultDotColours() {
  return {{Rgb{255, 158, 89}, Rgb{255, 255, 0}, Rgb{0, 255, 0}}};
}

std::optional<Rgb> ParseColourText(std::string_view text) {
  text = Trimmed(text);
  const auto named = std::find_if(
      kNamedColours.begin(), kNamedColours.end(),
      [text](const NamedColour& colour) { return SameCodeIgnoringCase(colour.name, text); });
  if (named != kNamedColours.end())
    return FromValue(named->value);
  std::optional<std::uint32_t> value;
  if (text.starts_with('$')) {
    const auto digits = text.substr(1);
    if (digits.size() <= 8)
      value = ParseValue(digits, 16);
  } else {
    value = ParseValue(text, 10);
  }
  if (!value || *value > 0xFFFFFF)
    return std::nullopt;
  return FromValue(*value);
}

std::string ColourText(Rgb colour) {
  const auto value = ToValue(colour);
  const auto named =
      std::find_if(kNamedColours.begin(), kNamedColours.end(),
                   [value](const NamedColour& entry) { return entry.value == value; });
  if (named != kNamedColours.end())
    return std::string(named->name);
  char text[16];
  std::snprintf(text, sizeof text, "$%08X", static_cast<unsigned>(value));
  return text;
}

DotColours LoadDotColours(const IniFile& file, const DotColours& current) {
  const auto document = file.Load();
  DotColours colours = current;
  for (std::size_t dart = 0; dart < colours.darts.size(); ++dart) {
    const auto text = document.Value(kDotColourSection, KeyOf(dart));
    if (!text)
      continue;
    if (const auto colour = ParseColourText(*text))
      colours.darts[dart] = *colour;
  }
  return colours;
}

void StoreDotColours(IniFile& file, const DotColours& colours) {
  auto document = file.LoadForChange();
  for (std::size_t dart = 0; dart < colours.darts.size(); ++dart)
    document.WriteString(kDotColourSection, KeyOf(dart), ColourText(colours.darts[dart]));
  file.Replace(document);
}

}  // namespace korvanti
