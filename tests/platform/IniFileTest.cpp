#include <gtest/gtest.h>

#include <fstream>

#include "TempFolder.h"
#include "platform/Error.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"

namespace korvanti {
namespace {

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

TEST(IniDocument, ReadsValuesWithPrivateProfileSemantics) {
  const auto ini = IniDocument::Parse(
      "; comment\n"
      "orphan=ignored\n"
      "[Settings]\r\n"
      "  Name = Anna Berg  \n"
      "double=\"quoted value\"\n"
      "single='it''s'\n"
      "half=\"open\n"
      "count=12\n"
      "count=99\n"
      "notanumber=12abc\n"
      "negative=-7\n"
      "flag=2\n"
      "off=0\n"
      "empty=\n"
      "[other]\n"
      "name=Ben\n");
  struct Case {
    const char* section;
    const char* key;
    std::string expected;
  };
  const Case cases[] = {
      {"settings", "NAME", "Anna Berg"}, {"SETTINGS", "double", "quoted value"},
      {"Settings", "single", "it''s"},   {"Settings", "half", "\"open"},
      {"Settings", "count", "12"},       {"Settings", "empty", ""},
      {"other", "name", "Ben"},          {"Settings", "missing", "fallback"},
      {"missing", "name", "fallback"},   {"Settings", "orphan", "fallback"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ini.ReadString(c.section, c.key, "fallback"), c.expected)
        << c.section << "/" << c.key;
  }
  EXPECT_EQ(ini.ReadInteger("Settings", "count", 5), 12);
  EXPECT_EQ(ini.ReadInteger("Settings", "negative", 5), -7);
  EXPECT_EQ(ini.ReadInteger("Settings", "notanumber", 5), 5);
  EXPECT_EQ(ini.ReadInteger("Settings", "empty", 5), 5);
  EXPECT_EQ(ini.ReadInteger("Settings", "missing", 5), 5);
  EXPECT_TRUE(ini.ReadBool("Settings", "flag", false));
  EXPECT_FALSE(ini.ReadBool("Settings", "off", true));
  EXPECT_TRUE(ini.ReadBool("Settings", "missing", true));
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"Settings", "other"}));
}

TEST(IniDocument, SectionEntriesKeepFileOrderAndFirstOfDuplicates) {
  const auto ini = IniDocument::Parse("[AvgListBig]\n60=1,5\n24=4.2\n60=9\n");
  const std::vector<std::pair<std::string, std::string>> expected{{"60", "1,5"}, {"24", "4.2"}};
  EXPECT_EQ(ini.SectionEntries("avglistbig"), expected);
  EXPECT_TRUE(ini.SectionEntries("none").empty());
}

TEST(IniDocument, WritesChangeOnlyTheirLine) {
  auto ini = IniDocument::Parse("; keep me\n[a]\nx=1\n\n[b]\ny=2\n");
  ini.WriteString("A", "X", "10");
  ini.WriteInteger("a", "z", 3);
  ini.WriteBool("c", "on", true);
  EXPECT_EQ(ini.Text(), "; keep me\n[a]\nX=10\nz=3\n\n[b]\ny=2\n\n[c]\non=1\n");
  ini.EraseSection("A");
  EXPECT_EQ(ini.Text(), "; keep me\n[b]\ny=2\n\n[c]\non=1\n");
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"b", "c"}));
}

TEST(IniDocument, RefusesNamesAndValuesThatWouldBreakTheFile) {
  IniDocument ini;
  EXPECT_THROW(ini.WriteString("a]b", "k", "v"), Error);
  EXPECT_THROW(ini.WriteString("a", "k=1", "v"), Error);
  EXPECT_THROW(ini.WriteString("a", "k", "two\nlines"), Error);
  EXPECT_THROW(ini.WriteString("", "k", "v"), Error);
  EXPECT_EQ(ini.Text(), "");
}

TEST(IniFile, MissingFileReadsDefaultsAndFirstWriteCreatesIt) {
  TempFolder folder;
  IniFile ini(folder / "options.ini");
  EXPECT_EQ(ini.ReadInteger("settings", "gameindex", 4), 4);
  EXPECT_TRUE(ini.SectionNames().empty());
  ini.EraseSection("settings");
  EXPECT_FALSE(std::filesystem::exists(ini.Path()));

  ini.WriteInteger("settings", "gameindex", 26);
  ini.WriteString("settings", "name", "Jürgen");
  // A second object sees the file as it is on disk now.
  IniFile again(folder / "options.ini");
  EXPECT_EQ(again.ReadInteger("Settings", "GameIndex", 4), 26);
  EXPECT_EQ(again.ReadString("settings", "name", ""), "Jürgen");
  EXPECT_EQ(*ReadWholeFile(ini.Path()), "[settings]\ngameindex=26\nname=Jürgen\n");
  // No temporary files stay behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(IniFile, ReadsWindows1252AndKeepsCrLfLineEnds) {
  TempFolder folder;
  const auto path = folder / "SETTINGS.ini";
  WriteBytes(path,
             "[\xDC"
             "bung]\r\ndef=D20=3\r\nname=M\xFCller \x80\r\n");
  IniFile ini(path);
  EXPECT_EQ(ini.SectionNames(), std::vector<std::string>{"Übung"});
  EXPECT_EQ(ini.ReadString("Übung", "name", ""), "Müller €");
  EXPECT_EQ(ini.ReadString("übung", "def", ""), "D20=3");
  ini.WriteInteger("Übung", "rounds", 5);
  EXPECT_EQ(*ReadWholeFile(path), "[Übung]\r\ndef=D20=3\r\nname=Müller €\r\nrounds=5\r\n");
}

TEST(IniFile, UnwritableFolderThrowsError) {
  IniFile ini("/proc/korvanti-no-such-folder/options.ini");
  EXPECT_THROW(ini.WriteInteger("settings", "x", 1), Error);
}

// A file that is there but cannot be read (here: a folder in its place) is
// never read as empty before a change: the change is refused as unreadable.
TEST(IniFile, AFileThatCannotBeReadIsNotChanged) {
  TempFolder folder;
  const auto path = folder / "SETTINGS.ini";
  std::filesystem::create_directory(path);
  IniFile ini(path);
  EXPECT_TRUE(ini.SectionNames().empty());
  try {
    ini.WriteInteger("A", "x", 1);
    ADD_FAILURE() << "no error";
  } catch (const Error& error) {
    EXPECT_NE(std::string(error.what()).find("kann nicht gelesen werden"), std::string::npos)
        << error.what();
  }
  EXPECT_THROW(ini.LoadForChange(), Error);
  EXPECT_FALSE(ReadFileForChange(folder / "missing.ini").has_value());
}

}  // namespace
}  // namespace korvanti
