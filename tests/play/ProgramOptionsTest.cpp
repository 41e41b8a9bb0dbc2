#include <gtest/gtest.h>

#include "TempFolder.h"
#include "platform/FileIo.h"
#include "platform/HostName.h"
#include "play/ProgramOptions.h"

namespace korvanti {
namespace {

const DateTimeNumber kNow = EncodeDateTime({2026, 5, 6, 19, 30, 0});

ProgramOptions Read(const std::string& settings) {
  return ReadProgramOptions(IniDocument::Parse("[settings]\n" + settings));
}

TEST(ProgramOptions, AMissingFileGivesTheDefaults) {
  TempFolder folder;
  const auto options = ReadProgramOptions(IniDocument());
  EXPECT_EQ(options.board, 0);
  EXPECT_FALSE(options.playSounds);
  EXPECT_TRUE(options.showPoints);
  EXPECT_TRUE(options.showSummary);
  EXPECT_FALSE(options.masterOut);
  EXPECT_EQ(options.secondsForPoints, 1);
  EXPECT_FALSE(options.noAutoAimInput);
  EXPECT_FALSE(options.announcePoints);
  EXPECT_EQ(options.colourScheme, ColourScheme::Light);
  EXPECT_FALSE(options.fullScreen);
  EXPECT_EQ(options.boardName, HostName());  // the computer's name
  EXPECT_FALSE(options.boardName.empty());
  EXPECT_EQ(options.startDate, std::nullopt);  // not chosen
  EXPECT_EQ(options.gameIndex, 3);
  EXPECT_EQ(options.statisticsInterval, 0);
  EXPECT_EQ(options.statisticsGameType, 0);
  const auto fromDisk = ReadProgramOptions(IniFile(folder / "options.ini"));
  EXPECT_EQ(fromDisk.gameIndex, 3);
  EXPECT_FALSE(std::filesystem::exists(folder / "options.ini"));
}

// Values outside a range: a control without such an entry shows its first,
// a hand-edited count is moved to the nearer end, a game index selects nothing.
TEST(ProgramOptions, ValuesOutsideTheirRange) {
  struct Case {
    std::string line;
    int ProgramOptions::*field;
    int expected;
  };
  const Case cases[] = {
      {"Board=2", &ProgramOptions::board, 2},
      {"Board=7", &ProgramOptions::board, 0},
      {"Board=-1", &ProgramOptions::board, 0},
      {"Board=Winmau", &ProgramOptions::board, 0},
      {"sekforpoints=5", &ProgramOptions::secondsForPoints, 5},
      {"sekforpoints=9", &ProgramOptions::secondsForPoints, 5},
      {"sekforpoints=0", &ProgramOptions::secondsForPoints, 1},
      {"sekforpoints=", &ProgramOptions::secondsForPoints, 1},
      {"gameindex=30", &ProgramOptions::gameIndex, 30},
      {"gameindex=-1", &ProgramOptions::gameIndex, -1},
      {"gameindex=0", &ProgramOptions::gameIndex, -1},
      {"gameindex=34", &ProgramOptions::gameIndex, 34},
      {"gameindex=35", &ProgramOptions::gameIndex, -1},
      {"gameindex=x", &ProgramOptions::gameIndex, 3},
      {"statsintervall=3", &ProgramOptions::statisticsInterval, 3},
      {"statsintervall=4", &ProgramOptions::statisticsInterval, 0},
      {"statsgametype=29", &ProgramOptions::statisticsGameType, 29},
      {"statsgametype=30", &ProgramOptions::statisticsGameType, 0},
      {"statsgametype=34", &ProgramOptions::statisticsGameType, 34},
      {"legs=11", &ProgramOptions::legs, 11},
      {"legs=12", &ProgramOptions::legs, 11},
      {"legs=0", &ProgramOptions::legs, 1},
      {"sets=7", &ProgramOptions::sets, 7},
      {"sets=99", &ProgramOptions::sets, 7},
      {"sets=x", &ProgramOptions::sets, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Read(c.line + "\n").*c.field, c.expected) << c.line;
  }
  const auto booleans = Read(
      "aktivesound=1\naktiveshowpoints=0\naktiveshowsummary=0\naktivesmasterout=2\n"
      "noautomatic=1\naktivecaller=1\n");
  EXPECT_TRUE(booleans.playSounds);
  EXPECT_FALSE(booleans.showPoints);
  EXPECT_FALSE(booleans.showSummary);
  EXPECT_TRUE(booleans.masterOut);
  EXPECT_TRUE(booleans.noAutoAimInput);
  EXPECT_TRUE(booleans.announcePoints);
  EXPECT_TRUE(Read("aktiveshowpoints=ja\n").showPoints);  // not a number: the default
}

TEST(ProgramOptions, StartDates) {
  EXPECT_EQ(FormatStartDate(EncodeDateTime({2026, 1, 2, 3, 4, 5})), "02.01.2026 03:04:05");
  EXPECT_EQ(ParseStartDate("02.01.2026 03:04:05"), EncodeDateTime({2026, 1, 2, 3, 4, 5}));
  EXPECT_EQ(ParseStartDate("2.1.26 3:04"), EncodeDateTime({2026, 1, 2, 3, 4, 0}));
  EXPECT_EQ(ParseStartDate("31.12.2025"), EncodeDateTime({2025, 12, 31}));
  for (const char* bad : {"", "30.02.2026 10:00:00", "01.01.2026 24:00:00", "01.01.2026 10:60",
                          "01/01/2026", "01.01.2026 10:00:00 Uhr", "heute"}) {
    EXPECT_EQ(ParseStartDate(bad), std::nullopt) << bad;
  }
  EXPECT_EQ(Read("startdate=30.02.2026 10:00:00\n").startDate, std::nullopt);
}

// Unless the user chose a start, the overview counts from the day of the
// oldest stored game, at most a year back; a game at midnight still counts
// (the period begins after its start).
TEST(ProgramOptions, TheOverviewStartsAtTheOldestGameUnlessChosen) {
  const auto at = [](int year, int month, int day, int hour = 0) {
    return EncodeDateTime({year, month, day, hour, 0, 0});
  };
  const struct {
    std::optional<DateTimeNumber> chosen;
    std::optional<DateTimeNumber> oldestGame;
    DateTimeNumber expected;
  } cases[] = {
      {std::nullopt, std::nullopt, at(2025, 5, 6)},
      {std::nullopt, at(2026, 4, 20, 21), at(2026, 4, 20)},
      {std::nullopt, at(2026, 4, 20), at(2026, 4, 19)},
      {std::nullopt, at(2024, 1, 1, 12), at(2025, 5, 6)},
      {at(2020, 1, 1), at(2026, 4, 20, 21), at(2020, 1, 1)},
      {at(2026, 5, 1, 8), std::nullopt, at(2026, 5, 1, 8)},
  };
  for (const auto& c : cases) {
    ProgramOptions options;
    options.startDate = c.chosen;
    EXPECT_EQ(OverviewStartDate(options, c.oldestGame, kNow), c.expected)
        << FormatStartDate(c.expected);
  }
}

// The start date is written only once the user has chosen one.
TEST(ProgramOptions, AStartDateNobodyChoseIsNotWritten) {
  TempFolder folder;
  IniFile file(folder / "options.ini");
  ProgramOptions options;
  options.gameIndex = 7;
  WriteStartWindowState(file, options);
  EXPECT_EQ(file.ReadString("settings", "startdate", "none"), "none");
  EXPECT_EQ(ReadProgramOptions(file).gameIndex, 7);
}

// Each writer changes its own keys and leaves the rest of the file as it was.
TEST(ProgramOptions, WrittenAndReadBack) {
  TempFolder folder;
  IniFile file(folder / "options.ini");
  WriteFileDurably(file.Path(), "; mine\n[settings]\nBoard=1\nunknown=keep\n[other]\nx=1\n");
  ProgramOptions written;
  written.board = 2;
  written.playSounds = true;
  written.showPoints = false;
  written.showSummary = false;
  written.masterOut = true;
  written.secondsForPoints = 4;
  written.noAutoAimInput = true;
  written.announcePoints = true;
  written.colourScheme = ColourScheme::Dark;
  written.fullScreen = true;
  written.startDate = EncodeDateTime({2026, 3, 4, 20, 15, 30});
  written.gameIndex = 5;
  written.statisticsInterval = 2;
  written.statisticsGameType = 28;
  written.legs = 3;
  written.sets = 2;
  written.bullOff = true;

  WriteSettings(file, written);
  auto read = ReadProgramOptions(file);
  EXPECT_EQ(read.board, 2);
  EXPECT_TRUE(read.playSounds && !read.showPoints && !read.showSummary && read.masterOut);
  EXPECT_EQ(read.secondsForPoints, 4);
  EXPECT_TRUE(read.noAutoAimInput && read.announcePoints);
  EXPECT_EQ(read.colourScheme, ColourScheme::Dark);
  EXPECT_TRUE(read.fullScreen);
  EXPECT_EQ(read.gameIndex, 3);  // not the dialog's key

  WriteStartWindowState(file, written);
  WriteStatisticsChoice(file, written);
  read = ReadProgramOptions(file);
  EXPECT_EQ(read.startDate, written.startDate);
  EXPECT_EQ(read.gameIndex, 5);
  EXPECT_EQ(read.statisticsInterval, 2);
  EXPECT_EQ(read.statisticsGameType, 28);
  EXPECT_EQ(read.legs, 3);
  EXPECT_EQ(read.sets, 2);
  EXPECT_TRUE(read.bullOff);
  const auto text = *ReadWholeFile(file.Path());
  EXPECT_TRUE(text.starts_with("; mine\n[settings]\nBoard=2\nunknown=keep\n")) << text;
  EXPECT_NE(text.find("startdate=04.03.2026 20:15:30"), std::string::npos) << text;
  EXPECT_NE(text.find("[other]\nx=1\n"), std::string::npos) << text;
}

// "brett" names the board; missing or blank, the computer's name does.
TEST(ProgramOptions, BoardNames) {
  EXPECT_EQ(Read("brett=Brett 2\n").boardName, "Brett 2");
  EXPECT_EQ(Read("brett=  \n").boardName, HostName());
  EXPECT_EQ(Read("").boardName, HostName());
}

// The colour scheme and full screen as stored, written back as the dialog
// writes them; a scheme the program does not know reads as the light one.
TEST(ProgramOptions, ColourSchemeAndFullScreen) {
  const struct {
    const char* lines;
    ColourScheme scheme;
    bool fullScreen;
    const char* written;
  } cases[] = {
      {"", ColourScheme::Light, false, "farbschema=hell\n"},
      {"farbschema=hell\nvollbild=0\n", ColourScheme::Light, false, "farbschema=hell\n"},
      {"farbschema=dunkel\nvollbild=1\n", ColourScheme::Dark, true, "farbschema=dunkel\n"},
      {"farbschema=Dunkel\n", ColourScheme::Dark, false, "farbschema=dunkel\n"},
      {"farbschema= dunkel \n", ColourScheme::Dark, false, "farbschema=dunkel\n"},
      {"farbschema=dark\nvollbild=ja\n", ColourScheme::Light, false, "farbschema=hell\n"},
      {"farbschema=1\n", ColourScheme::Light, false, "farbschema=hell\n"},
      {"farbschema=\n", ColourScheme::Light, false, "farbschema=hell\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lines);
    const auto read = Read(c.lines);
    EXPECT_EQ(read.colourScheme, c.scheme);
    EXPECT_EQ(read.fullScreen, c.fullScreen);
    TempFolder folder;
    IniFile file(folder / "options.ini");
    WriteSettings(file, read);
    const auto text = *ReadWholeFile(file.Path());
    EXPECT_NE(text.find(c.written), std::string::npos) << text;
    EXPECT_NE(text.find(c.fullScreen ? "vollbild=1\n" : "vollbild=0\n"), std::string::npos) << text;
    const auto again = ReadProgramOptions(file);
    EXPECT_EQ(again.colourScheme, c.scheme);
    EXPECT_EQ(again.fullScreen, c.fullScreen);
  }
}

// "statsgametype" keeps numbering the statistics types as the list first did.
TEST(ProgramOptions, StoredStatisticsTypeNumbers) {
  const std::pair<int, const char*> cases[] = {
      {1, "301 SO"},
      {5, "Cricket"},
      {8, "Cricket Master Cut Throat"},
      {27, "Pirmel's Training"},
      {28, "Training (selbst def.)"},
      {29, "Freies Training"},
  };
  for (const auto& [number, label] : cases) {
    const auto* type = StatisticsTypeOfNumber(number);
    ASSERT_NE(type, nullptr) << number;
    EXPECT_EQ(type->statisticsLabel, label);
    EXPECT_EQ(StatisticsTypeNumber(type), number);
  }
  EXPECT_EQ(StatisticsTypeOfNumber(0), nullptr);  // "Alle"
  EXPECT_EQ(StatisticsTypeNumber(nullptr), 0);
  EXPECT_EQ(StatisticsTypeOfNumber(30), nullptr);  // the elimination is not listed
  for (const auto* type : StatisticsTypes()) {
    EXPECT_EQ(StatisticsTypeOfNumber(StatisticsTypeNumber(type)), type) << type->statisticsLabel;
  }
}

TEST(ProgramOptions, BoardPictures) {
  EXPECT_EQ(BoardPictureFile(0), "bulladv.bmp");
  EXPECT_EQ(BoardPictureFile(1), "unicorn.bmp");
  EXPECT_EQ(BoardPictureFile(2), "winmau.bmp");
  EXPECT_EQ(BoardPictureFile(7), "bulladv.bmp");
}

}  // namespace
}  // namespace korvanti
