#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/GameCatalog.h"
#include "engine/Match.h"
#include "platform/DateTime.h"
#include "platform/IniDocument.h"
#include "platform/IniFile.h"

namespace korvanti {

inline constexpr std::string_view kOptionsFile = "options.ini";
inline constexpr std::string_view kOptionsSection = "settings";

// The windows' colours: the light palette the screens were designed with, or a dark one.
enum class ColourScheme { Light, Dark };

// options.ini of the program folder, section "settings": the user's settings
// and what the start window remembers. A missing file or key, or a value that
// is not a number, reads as the default given here.
struct ProgramOptions {
  int board = 0;             // "Board": 0 Bulls, 1 Unicorn, 2 Winmau; anything else reads as 0
  bool playSounds = false;   // "aktivesound"
  bool showPoints = true;    // "aktiveshowpoints"
  bool showSummary = true;   // "aktiveshowsummary"
  bool masterOut = false;    // "aktivesmasterout"
  int secondsForPoints = 1;  // "sekforpoints": 1 to 5, a value outside is moved to the nearer end
  bool noAutoAimInput = false;  // "noautomatic"
  bool announcePoints = false;  // "aktivecaller": "Punkte ansagen"
  // "farbschema": "hell" or "dunkel" (in any case); anything else reads as hell.
  ColourScheme colourScheme = ColourScheme::Light;
  bool fullScreen = false;  // "vollbild": the game screen opens full screen
  // "datenbank": a club server's URI (never with a password), or nothing for
  // the program folder's dart.mdb (see play/DatabaseSetting.h).
  std::string database;
  // "brett": the board's name, stored with every game played here; the
  // computer's name while the key is missing or blank.
  std::string boardName;
  // "startdate": the overview's start once the user chose one; nothing while
  // the key is missing or unreadable (see OverviewStartDate).
  std::optional<DateTimeNumber> startDate;
  int gameIndex =
      3;  // "gameindex": a catalog entry's index, or -1 for none; anything else reads as -1
  int statisticsInterval = 0;  // "statsintervall": 0 to 3, anything else reads as 0
  int statisticsGameType =
      0;  // "statsgametype": see StatisticsTypeOfNumber; anything else reads as 0
  // The start window's match: "legs" 1 to 11 and "sets" 1 to 7 (a value
  // outside is moved to the nearer end), "ausbullen".
  int legs = 1;
  int sets = 1;
  bool bullOff = false;
};

struct ProgramOptionLimits {
  static constexpr int kLastBoard = 2;
  static constexpr int kFewestSecondsForPoints = 1;
  static constexpr int kMostSecondsForPoints = 5;
  static constexpr int kLastStatisticsInterval = 3;
};

// Every key of the section.
ProgramOptions ReadProgramOptions(const IniDocument& file);
ProgramOptions ReadProgramOptions(const IniFile& file);

// The settings dialog's keys ("Board", "farbschema", the five boxes,
// "sekforpoints", "noautomatic", "aktivecaller", "datenbank"), in one write
// that leaves the rest of the file. A "datenbank" that CheckDatabaseSetting
// refuses (a password in it) is refused with its Error before anything is written.
void WriteSettings(IniFile& file, const ProgramOptions& options);
// What the start window keeps when it closes: "gameindex", the match
// ("legs", "sets", "ausbullen"), and "startdate" when the user chose one.
void WriteStartWindowState(IniFile& file, const ProgramOptions& options);
// The statistics window's last choice: "statsintervall" and "statsgametype".
void WriteStatisticsChoice(IniFile& file, const ProgramOptions& options);

// "statsgametype" (and the tool's type number) counts the statistics window's
// type list as it first was: 0 "Alle" (null here), then the game indexes with
// the two free trainings the other way round. Null for a number naming no
// listed type, 0 for null.
const GameCatalogEntry* StatisticsTypeOfNumber(int number);
int StatisticsTypeNumber(const GameCatalogEntry* type);

// The board picture of a "Board" value: "bulladv.bmp", "unicorn.bmp", "winmau.bmp".
std::string_view BoardPictureFile(int board);

// Where the overview's figures start: the user's choice, else the day of the
// oldest stored game (the day before when it began at midnight: the period
// starts after its start), but no more than a year before `now`.
DateTimeNumber OverviewStartDate(const ProgramOptions& options,
                                 std::optional<DateTimeNumber> oldestGame, DateTimeNumber now);

// The start date as options.ini keeps it, "dd.mm.yyyy hh:nn:ss".
std::string FormatStartDate(DateTimeNumber value);
// Reads that text back (a two-digit year is one of this century, the time may
// be missing); nothing when it is not a valid date and time.
std::optional<DateTimeNumber> ParseStartDate(std::string_view text);

}  // namespace korvanti
