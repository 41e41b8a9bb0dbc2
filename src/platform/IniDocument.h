#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/NumberFormat.h"

namespace korvanti {

// The text of an ini file in the private-profile format, kept line by line so
// that a write changes only the line it concerns and leaves comments, order
// and unknown lines as they were. Section and key names compare without
// regard to case (ASCII and the Latin-1 letters); of duplicate keys the first counts.
class IniDocument {
 public:
  IniDocument() = default;
  static IniDocument Parse(std::string_view text);

  // The value as written, without one enclosing pair of single or double quotes.
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // The fallback applies when the key is missing or its value is not a decimal integer.
  int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
  // Booleans are stored as integers; any non-zero value is true.
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

  bool HasSection(std::string_view section) const;
  std::vector<std::string> SectionNames() const;
  // Key and value of every entry of the section in file order (first of duplicates only).
  std::vector<std::pair<std::string, std::string>> SectionEntries(std::string_view section) const;

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  void WriteBool(std::string_view section, std::string_view key, bool value);
  void EraseSection(std::string_view section);
  // Removes every entry of the section but keeps its header where it is (and
  // drops any later section of the same name), so the section can be written
  // anew without moving in the file.
  void ClearSection(std::string_view section);

  // Whether two section or key names name the same thing.
  static bool SameName(std::string_view a, std::string_view b);

  std::string Text() const;

 private:
  struct Location {
    std::size_t header = 0;  // line of the section header
    std::size_t end = 0;     // one past the section's last line
  };
  std::optional<Location> FindSection(std::string_view section) const;
  std::optional<std::size_t> FindKeyLine(const Location& where, std::string_view key) const;

  std::vector<std::string> lines_;
  std::string newline_ = "\n";
};

}  // namespace korvanti
