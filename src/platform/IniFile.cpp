#include "platform/IniFile.h"

#include "platform/FileIo.h"
#include "platform/TextEncoding.h"

namespace korvanti {

IniDocument IniFile::Load() const {
  const auto bytes = ReadWholeFile(path_);
  return bytes ? IniDocument::Parse(DecodeTextFile(*bytes)) : IniDocument();
}

IniDocument IniFile::LoadForChange() const {
  const auto bytes = ReadFileForChange(path_);
  return bytes ? IniDocument::Parse(DecodeTextFile(*bytes)) : IniDocument();
}

template <typename Change>
void IniFile::Update(Change&& change) {
  auto document = LoadForChange();
  change(document);
  WriteFileDurably(path_, document.Text());
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  Update([&](IniDocument& document) { document.WriteString(section, key, value); });
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  Update([&](IniDocument& document) { document.WriteInteger(section, key, value); });
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  Update([&](IniDocument& document) { document.WriteBool(section, key, value); });
}

void IniFile::EraseSection(std::string_view section) {
  if (!Load().HasSection(section)) {
    return;
  }
  Update([&](IniDocument& document) { document.EraseSection(section); });
}

void IniFile::Replace(const IniDocument& document) {
  WriteFileDurably(path_, document.Text());
}

}  // namespace korvanti
