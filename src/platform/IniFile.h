#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/IniDocument.h"

namespace korvanti {

// An ini file on disk with private-profile semantics: every read looks at the
// file as it is now (a missing file reads as empty), and every write reaches
// the disk before it returns. The first write creates file and section.
class IniFile {
 public:
  explicit IniFile(std::filesystem::path path) : path_(std::move(path)) {}

  const std::filesystem::path& Path() const { return path_; }
  IniDocument Load() const;
  // The file as it is before a change: like Load, but a file that is there
  // and cannot be read throws Error instead of reading as empty.
  IniDocument LoadForChange() const;

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const {
    return Load().ReadString(section, key, fallback);
  }
  int ReadInteger(std::string_view section, std::string_view key, int fallback) const {
    return Load().ReadInteger(section, key, fallback);
  }
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const {
    return Load().ReadBool(section, key, fallback);
  }
  std::vector<std::string> SectionNames() const { return Load().SectionNames(); }
  std::vector<std::pair<std::string, std::string>> SectionEntries(std::string_view section) const {
    return Load().SectionEntries(section);
  }

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  void WriteBool(std::string_view section, std::string_view key, bool value);
  void EraseSection(std::string_view section);
  // Writes a whole document at once, for several changes in one write.
  void Replace(const IniDocument& document);

 private:
  template <typename Change>
  void Update(Change&& change);

  std::filesystem::path path_;
};

}  // namespace korvanti
