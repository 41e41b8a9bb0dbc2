#include "play/ProgramOptions.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "platform/HostName.h"
#include "platform/NumberFormat.h"
#include "play/DatabaseSetting.h"

namespace korvanti {
namespace {

using Limits = ProgramOptionLimits;

// What a value outside its range reads as.
enum class OutOfRange {
  Default,      // the control has no such entry: its first one
  Clamp,        // a hand-edited count: the nearer end keeps what was meant
  NoSelection,  // a game index: nothing selected, which the start window handles
};

struct IntegerKey {
  std::string_view key;
  int ProgramOptions::*field;
  int lowest;
  int highest;
  OutOfRange rule;
  bool (*names)(int value) = nullptr;  // instead of the range: the value names an entry
};

bool NamesGame(int index) {
  return FindCatalogEntry(index) != nullptr;
}

bool NamesStatisticsType(int number) {
  return number == 0 || StatisticsTypeOfNumber(number) != nullptr;
}

// The two free trainings that the stored numbering swaps.
constexpr int kSelfTraining = 28;
constexpr int kDesignedTraining = 29;

int SwappedFreeTraining(int number) {
  return number == kSelfTraining       ? kDesignedTraining
         : number == kDesignedTraining ? kSelfTraining
                                       : number;
}

constexpr std::array<IntegerKey, 7> kIntegerKeys{{
    {"Board", &ProgramOptions::board, 0, Limits::kLastBoard, OutOfRange::Default},
    {"sekforpoints", &ProgramOptions::secondsForPoints, Limits::kFewestSecondsForPoints,
     Limits::kMostSecondsForPoints, OutOfRange::Clamp},
    {"gameindex", &ProgramOptions::gameIndex, 0, 0, OutOfRange::NoSelection, &NamesGame},
    {"statsintervall", &ProgramOptions::statisticsInterval, 0, Limits::kLastStatisticsInterval,
     OutOfRange::Default},
    {"statsgametype", &ProgramOptions::statisticsGameType, 0, 0, OutOfRange::Default,
     &NamesStatisticsType},
    {"legs", &ProgramOptions::legs, 1, MatchFormat::kMostLegs, OutOfRange::Clamp},
    {"sets", &ProgramOptions::sets, 1, MatchFormat::kMostSets, OutOfRange::Clamp},
}};

struct BoolKey {
  std::string_view key;
  bool ProgramOptions::*field;
};

// The settings dialog's boxes, in the order it writes them.
constexpr std::array<BoolKey, 5> kBoxes{{
    {"aktivesound", &ProgramOptions::playSounds},
    {"aktiveshowpoints", &ProgramOptions::showPoints},
    {"aktiveshowsummary", &ProgramOptions::showSummary},
    {"aktivesmasterout", &ProgramOptions::masterOut},
    {"vollbild", &ProgramOptions::fullScreen},
}};
constexpr BoolKey kNoAutomatic{"noautomatic", &ProgramOptions::noAutoAimInput};
constexpr BoolKey kCaller{"aktivecaller", &ProgramOptions::announcePoints};
constexpr BoolKey kBullOff{"ausbullen", &ProgramOptions::bullOff};

constexpr std::string_view kSchemeKey = "farbschema";
constexpr std::string_view kLightScheme = "hell";
constexpr std::string_view kDarkScheme = "dunkel";
constexpr std::string_view kDatabaseKey = "datenbank";

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

ColourScheme SchemeOfText(std::string_view text) {
  return SameIgnoringCase(text, kDarkScheme) ? ColourScheme::Dark : ColourScheme::Light;
}

int InRange(const IntegerKey& key, int value, int fallback) {
  if (key.names ? key.names(value) : value >= key.lowest && value <= key.highest) {
    return value;
  }
  switch (key.rule) {
    case OutOfRange::Clamp:
      return value < key.lowest ? key.lowest : key.highest;
    case OutOfRange::NoSelection:
      return -1;
    case OutOfRange::Default:
      break;
  }
  return fallback;
}

const IntegerKey& Key(int ProgramOptions::*field) {
  for (const auto& key : kIntegerKeys) {
    if (key.field == field) {
      return key;
    }
  }
  return kIntegerKeys.front();
}

template <typename Change>
void Update(IniFile& file, Change&& change) {
  auto document = file.LoadForChange();
  change(document);
  file.Replace(document);
}

void WriteInteger(IniDocument& document, const ProgramOptions& options,
                  int ProgramOptions::*field) {
  document.WriteInteger(kOptionsSection, Key(field).key, options.*field);
}

void WriteBool(IniDocument& document, const ProgramOptions& options, const BoolKey& key) {
  document.WriteBool(kOptionsSection, key.key, options.*key.field);
}

// The digits of `text` from `at` up to the next non-digit, at least one.
std::optional<int> Number(std::string_view text, std::size_t& at) {
  const auto start = at;
  while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
    ++at;
  }
  if (at == start || at - start > 4) {
    return std::nullopt;
  }
  return ParseDecimalInteger(text.substr(start, at - start));
}

bool Skip(std::string_view text, std::size_t& at, char separator) {
  if (at < text.size() && text[at] == separator) {
    ++at;
    return true;
  }
  return false;
}

}  // namespace

ProgramOptions ReadProgramOptions(const IniDocument& file) {
  const ProgramOptions defaults;
  ProgramOptions options;
  for (const auto& key : kIntegerKeys) {
    const int fallback = defaults.*key.field;
    options.*key.field =
        InRange(key, file.ReadInteger(kOptionsSection, key.key, fallback), fallback);
  }
  for (const auto& key : kBoxes) {
    options.*key.field = file.ReadBool(kOptionsSection, key.key, defaults.*key.field);
  }
  for (const auto& key : {kNoAutomatic, kCaller, kBullOff}) {
    options.*key.field = file.ReadBool(kOptionsSection, key.key, defaults.*key.field);
  }
  options.colourScheme = SchemeOfText(file.ReadString(kOptionsSection, kSchemeKey, ""));
  options.boardName = file.ReadString(kOptionsSection, "brett", "");
  if (options.boardName.find_first_not_of(" \t") == std::string::npos) {
    options.boardName = HostName();
  }
  options.startDate = ParseStartDate(file.ReadString(kOptionsSection, "startdate", ""));
  options.database = file.ReadString(kOptionsSection, kDatabaseKey, "");
  return options;
}

ProgramOptions ReadProgramOptions(const IniFile& file) {
  return ReadProgramOptions(file.Load());
}

void WriteSettings(IniFile& file, const ProgramOptions& options) {
  CheckDatabaseSetting(options.database);
  Update(file, [&](IniDocument& document) {
    WriteInteger(document, options, &ProgramOptions::board);
    document.WriteString(kOptionsSection, kSchemeKey,
                         options.colourScheme == ColourScheme::Dark ? kDarkScheme : kLightScheme);
    for (const auto& key : kBoxes) {
      WriteBool(document, options, key);
    }
    WriteInteger(document, options, &ProgramOptions::secondsForPoints);
    WriteBool(document, options, kNoAutomatic);
    WriteBool(document, options, kCaller);
    document.WriteString(kOptionsSection, kDatabaseKey, options.database);
  });
}

void WriteStartWindowState(IniFile& file, const ProgramOptions& options) {
  Update(file, [&](IniDocument& document) {
    if (options.startDate) {
      document.WriteString(kOptionsSection, "startdate", FormatStartDate(*options.startDate));
    }
    WriteInteger(document, options, &ProgramOptions::gameIndex);
    WriteInteger(document, options, &ProgramOptions::legs);
    WriteInteger(document, options, &ProgramOptions::sets);
    WriteBool(document, options, kBullOff);
  });
}

void WriteStatisticsChoice(IniFile& file, const ProgramOptions& options) {
  Update(file, [&](IniDocument& document) {
    WriteInteger(document, options, &ProgramOptions::statisticsInterval);
    WriteInteger(document, options, &ProgramOptions::statisticsGameType);
  });
}

const GameCatalogEntry* StatisticsTypeOfNumber(int number) {
  const auto* entry = FindCatalogEntry(SwappedFreeTraining(number));
  return entry != nullptr && !entry->statisticsLabel.empty() ? entry : nullptr;
}

int StatisticsTypeNumber(const GameCatalogEntry* type) {
  return type != nullptr ? SwappedFreeTraining(type->index) : 0;
}

std::string_view BoardPictureFile(int board) {
  switch (board) {
    case 1:
      return "unicorn.bmp";
    case 2:
      return "winmau.bmp";
    default:
      return "bulladv.bmp";
  }
}

DateTimeNumber OverviewStartDate(const ProgramOptions& options,
                                 std::optional<DateTimeNumber> oldestGame, DateTimeNumber now) {
  if (options.startDate) {
    return *options.startDate;
  }
  const DateTimeNumber yearBack = DateOf(IncMonth(now, -12));
  if (!oldestGame) {
    return yearBack;
  }
  const DateTimeNumber day = DateOf(*oldestGame);
  return std::max(yearBack, day < *oldestGame ? day : IncDay(day, -1));
}

std::string FormatStartDate(DateTimeNumber value) {
  return FormatDateTime("dd/mm/yyyy hh:nn:ss", value);
}

std::optional<DateTimeNumber> ParseStartDate(std::string_view text) {
  // -1 stands for a missing number (plain ints: optionals here set off a
  // false maybe-uninitialized warning of GCC 12 in Release builds).
  std::size_t at = 0;
  const auto next = [&](char separator) {
    return Skip(text, at, separator) ? Number(text, at).value_or(-1) : -1;
  };
  const int day = Number(text, at).value_or(-1);
  const int month = next('.');
  int year = next('.');
  if (day < 0 || month < 0 || year < 0) {
    return std::nullopt;
  }
  if (year < 100) {
    year += 2000;
  }
  if (!IsValidDate(year, month, day)) {
    return std::nullopt;
  }
  CalendarDateTime when;
  when.year = year;
  when.month = month;
  when.day = day;
  if (Skip(text, at, ' ')) {
    const int hour = Number(text, at).value_or(-1);
    const int minute = next(':');
    const int second = at < text.size() && text[at] == ':' ? next(':') : 0;
    if (hour < 0 || minute < 0 || second < 0 || hour > 23 || minute > 59 || second > 59) {
      return std::nullopt;
    }
    when.hour = hour;
    when.minute = minute;
    when.second = second;
  }
  if (at != text.size()) {
    return std::nullopt;
  }
  return EncodeDateTime(when);
}

}  // namespace korvanti
