// libFuzzer target: any bytes as the text of an ini file. Reading every entry,
// writing values back, erasing a section and parsing the written text again
// must neither crash nor lose the written values.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/IniDocument.h"
#include "platform/TextEncoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using korvanti::IniDocument;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  auto document = IniDocument::Parse(korvanti::DecodeTextFile(bytes));
  for (const auto& section : document.SectionNames()) {
    for (const auto& [key, value] : document.SectionEntries(section)) {
      document.ReadInteger(section, key, 0);
      document.ReadBool(section, key, false);
      if (!document.Value(section, key)) {
        std::abort();  // an entry listed must be readable
      }
    }
  }
  const std::string key = "k" + std::to_string(size % 7);
  document.WriteString("Fuzz", key, "wert");
  document.WriteInteger("fuzz", "zahl", static_cast<int>(size));
  const auto again = IniDocument::Parse(document.Text());
  if (again.ReadString("FUZZ", key, "") != "wert" ||
      again.ReadInteger("Fuzz", "zahl", -1) != static_cast<int>(size)) {
    std::abort();
  }
  document.EraseSection("fuzz");
  IniDocument::Parse(document.Text());
  return 0;
}
