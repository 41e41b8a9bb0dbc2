#include <gtest/gtest.h>

#include "TempFolder.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "report/DotColours.h"

namespace korvanti {
namespace {

TEST(DotColours, ColourTexts) {
  struct Case {
    std::string_view text;
    std::optional<Rgb> colour;
  };
  const Case cases[] = {
      {"$00599EFF", Rgb{255, 158, 89}},
      {"$00599eff", Rgb{255, 158, 89}},
      {"$599EFF", Rgb{255, 158, 89}},
      {"5873407", Rgb{255, 158, 89}},
      {"clYellow", Rgb{255, 255, 0}},
      {"cllime", Rgb{0, 255, 0}},
      {"clNavy", Rgb{0, 0, 128}},
      {" clRed ", Rgb{255, 0, 0}},
      {"$FF000005", std::nullopt},  // a system colour, not an RGB value
      {"$00599EFFF", std::nullopt},
      {"$", std::nullopt},
      {"$00GG0000", std::nullopt},
      {"orange", std::nullopt},
      {"-1", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ParseColourText(c.text), c.colour) << c.text;
}

TEST(DotColours, WrittenAsTheNameWhenThereIsOne) {
  EXPECT_EQ(ColourText(Rgb{255, 158, 89}), "$00599EFF");
  EXPECT_EQ(ColourText(Rgb{1, 2, 3}), "$00030201");
  EXPECT_EQ(ColourText(Rgb{255, 255, 0}), "clYellow");
  EXPECT_EQ(ColourText(Rgb{128, 128, 128}), "clGray");
  for (const auto& colour : DefaultDotColours().darts)
    EXPECT_EQ(ParseColourText(ColourText(colour)), colour);
}

TEST(DotColours, RoundTripThroughTheIniKeepsOtherLines) {
  TempFolder folder;
  const auto path = folder / "Korvanti.ini";
  WriteFileDurably(path, "[pirmel]\n1=T20:3\n");
  IniFile file(path);
  EXPECT_EQ(LoadDotColours(file), DefaultDotColours());  // no section yet

  StoreDotColours(file, DefaultDotColours());
  EXPECT_EQ(file.ReadString("color", "1", ""), "$00599EFF");
  EXPECT_EQ(file.ReadString("color", "2", ""), "clYellow");
  EXPECT_EQ(file.ReadString("color", "3", ""), "clLime");
  EXPECT_EQ(file.ReadString("pirmel", "1", ""), "T20:3");

  const DotColours chosen{{Rgb{0, 0, 255}, Rgb{10, 20, 30}, Rgb{255, 255, 255}}};
  StoreDotColours(file, chosen);
  EXPECT_EQ(LoadDotColours(file), chosen);
}

TEST(DotColours, BadTextKeepsTheColourItReplaces) {
  TempFolder folder;
  const auto path = folder / "Korvanti.ini";
  WriteFileDurably(path, "[color]\n1=orange\n2=$00FF0000\n3=\n");
  const auto colours = LoadDotColours(IniFile(path));
  EXPECT_EQ(colours.darts[0], (Rgb{255, 158, 89}));
  EXPECT_EQ(colours.darts[1], (Rgb{0, 0, 255}));
  EXPECT_EQ(colours.darts[2], (Rgb{0, 255, 0}));
}

}  // namespace
}  // namespace korvanti
