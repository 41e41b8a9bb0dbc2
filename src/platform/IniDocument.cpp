#include "platform/IniDocument.h"

#include <algorithm>
#include <charconv>

#include "platform/Error.h"

namespace korvanti {
namespace {

std::string_view Trim(std::string_view text) {
  const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && isBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && isBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

// Lower case for ASCII and for the Latin-1 letters of UTF-8 (Ä, Ö, Ü, ...),
// so that "[Übung]" and "[übung]" name the same section as on Windows.
std::string FoldCase(std::string_view text) {
  std::string folded(text);
  for (std::size_t i = 0; i < folded.size(); ++i) {
    auto& c = folded[i];
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c + 32);
    } else if (c == '\xC3' && i + 1 < folded.size()) {
      auto& next = folded[i + 1];
      const auto byte = static_cast<unsigned char>(next);
      if (byte >= 0x80 && byte <= 0x9E && byte != 0x97) {
        next = static_cast<char>(byte + 0x20);
      }
      ++i;
    }
  }
  return folded;
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && FoldCase(a) == FoldCase(b);
}

// The section name of a header line, or nothing for any other line.
std::optional<std::string_view> SectionOf(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') {
    return std::nullopt;
  }
  const auto close = line.find(']');
  if (close == std::string_view::npos) {
    return std::nullopt;
  }
  return Trim(line.substr(1, close - 1));
}

struct Entry {
  std::string_view key;
  std::string_view value;
};

std::optional<Entry> EntryOf(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() == ';' || line.front() == '[') {
    return std::nullopt;
  }
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) {
    return std::nullopt;
  }
  return Entry{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

void CheckName(std::string_view name, std::string_view forbidden, const char* what) {
  if (Trim(name).empty() || name.find_first_of(forbidden) != std::string_view::npos) {
    throw Error(std::string("Ungültiger ") + what + " in der Ini-Datei: \"" + std::string(name) +
                "\"");
  }
}

}  // namespace

IniDocument IniDocument::Parse(std::string_view text) {
  IniDocument document;
  const auto firstBreak = text.find('\n');
  if (firstBreak != std::string_view::npos && firstBreak > 0 && text[firstBreak - 1] == '\r') {
    document.newline_ = "\r\n";
  }
  std::size_t start = 0;
  while (start < text.size()) {
    auto end = text.find('\n', start);
    if (end == std::string_view::npos) {
      end = text.size();
    }
    auto line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    document.lines_.emplace_back(line);
    start = end + 1;
  }
  return document;
}

std::optional<IniDocument::Location> IniDocument::FindSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const auto name = SectionOf(lines_[i]);
    if (name && SameName(*name, Trim(section))) {
      std::size_t end = i + 1;
      while (end < lines_.size() && !SectionOf(lines_[end])) {
        ++end;
      }
      return Location{i, end};
    }
  }
  return std::nullopt;
}

std::optional<std::size_t> IniDocument::FindKeyLine(const Location& where,
                                                    std::string_view key) const {
  for (std::size_t i = where.header + 1; i < where.end; ++i) {
    const auto entry = EntryOf(lines_[i]);
    if (entry && SameName(entry->key, Trim(key))) {
      return i;
    }
  }
  return std::nullopt;
}

std::optional<std::string> IniDocument::Value(std::string_view section,
                                              std::string_view key) const {
  const auto where = FindSection(section);
  if (!where) {
    return std::nullopt;
  }
  const auto line = FindKeyLine(*where, key);
  if (!line) {
    return std::nullopt;
  }
  return std::string(Unquoted(EntryOf(lines_[*line])->value));
}

std::string IniDocument::ReadString(std::string_view section, std::string_view key,
                                    std::string_view fallback) const {
  auto value = Value(section, key);
  return value ? std::move(*value) : std::string(fallback);
}

int IniDocument::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
  const auto value = Value(section, key);
  if (!value) {
    return fallback;
  }
  return ParseDecimalInteger(*value).value_or(fallback);
}

bool IniDocument::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

bool IniDocument::HasSection(std::string_view section) const {
  return FindSection(section).has_value();
}

std::vector<std::string> IniDocument::SectionNames() const {
  std::vector<std::string> names;
  for (const auto& line : lines_) {
    const auto name = SectionOf(line);
    if (name && std::none_of(names.begin(), names.end(),
                             [&](const std::string& known) { return SameName(known, *name); })) {
      names.emplace_back(*name);
    }
  }
  return names;
}

std::vector<std::pair<std::string, std::string>> IniDocument::SectionEntries(
    std::string_view section) const {
  std::vector<std::pair<std::string, std::string>> entries;
  const auto where = FindSection(section);
  if (!where) {
    return entries;
  }
  for (std::size_t i = where->header + 1; i < where->end; ++i) {
    const auto entry = EntryOf(lines_[i]);
    if (!entry || std::any_of(entries.begin(), entries.end(), [&](const auto& known) {
          return SameName(known.first, entry->key);
        })) {
      continue;
    }
    entries.emplace_back(std::string(entry->key), std::string(Unquoted(entry->value)));
  }
  return entries;
}

void IniDocument::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
  CheckName(section, "[]\r\n", "Abschnittsname");
  CheckName(key, "=[]\r\n;", "Schlüssel");
  if (value.find_first_of("\r\n") != std::string_view::npos) {
    throw Error("Ein Wert in der Ini-Datei darf keinen Zeilenumbruch enthalten.");
  }
  std::string line = std::string(Trim(key)) + "=" + std::string(value);
  auto where = FindSection(section);
  if (!where) {
    if (!lines_.empty() && !Trim(lines_.back()).empty()) {
      lines_.emplace_back();
    }
    lines_.push_back("[" + std::string(Trim(section)) + "]");
    lines_.push_back(std::move(line));
    return;
  }
  if (const auto existing = FindKeyLine(*where, key)) {
    lines_[*existing] = std::move(line);
    return;
  }
  // After the section's last entry, so blank lines between sections stay where they are.
  std::size_t insertAt = where->end;
  while (insertAt > where->header + 1 && Trim(lines_[insertAt - 1]).empty()) {
    --insertAt;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(line));
}

void IniDocument::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void IniDocument::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void IniDocument::EraseSection(std::string_view section) {
  while (const auto where = FindSection(section)) {
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(where->header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(where->end));
  }
}

void IniDocument::ClearSection(std::string_view section) {
  const auto first = FindSection(section);
  if (!first) {
    return;
  }
  const auto header = first->header;
  for (std::size_t i = first->end; i < lines_.size();) {
    const auto name = SectionOf(lines_[i]);
    if (!name || !SameName(*name, Trim(section))) {
      ++i;
      continue;
    }
    auto end = i + 1;
    while (end < lines_.size() && !SectionOf(lines_[end])) {
      ++end;
    }
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i),
                 lines_.begin() + static_cast<std::ptrdiff_t>(end));
  }
  const auto end = FindSection(section)->end;
  const auto kept =
      std::remove_if(lines_.begin() + static_cast<std::ptrdiff_t>(header + 1),
                     lines_.begin() + static_cast<std::ptrdiff_t>(end),
                     [](const std::string& line) { return EntryOf(line).has_value(); });
  lines_.erase(kept, lines_.begin() + static_cast<std::ptrdiff_t>(end));
}

bool IniDocument::SameName(std::string_view a, std::string_view b) {
  return korvanti::SameName(Trim(a), Trim(b));
}

std::string IniDocument::Text() const {
  std::string text;
  for (const auto& line : lines_) {
    text += line;
    text += newline_;
  }
  return text;
}

}  // namespace korvanti
