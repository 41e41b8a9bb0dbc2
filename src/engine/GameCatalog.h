#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "engine/Game.h"

namespace korvanti {

// Which columns the player overview shows for an entry.
enum class GameKind { None, Out, Cricket, Shanghai, Aim };

// The panel of the game screen that shows the mode.
enum class ModePanel { CountDown, Cricket, Target };

// The page of the start window whose list holds the entry.
enum class GamePage { Games, TrainingGames, SpecialTrainings };

// Where the computer opponent of an entry gets its darts.
enum class ComputerMode { None, ChosenAverage, OwnAverage, BestGame };

// What an entry's game takes from the start window before it starts.
enum class StartOption : unsigned {
  MasterOut = 1u << 0,       // the settings' master out
  DoubleInOut = 1u << 1,     // "Double Out", "Double In"
  CutThroat = 1u << 2,       // the cut-throat variant of cricket
  TrainingRounds = 1u << 3,  // "* Runden pro Zahl"
  IgnoreMisses = 1u << 4,    // a miss does not use up a target's darts
  ChosenDouble = 1u << 5,    // the double choice, as the definition "D5=3"
  CheckoutGame = 1u << 6,    // start value, step up, step down, "Immer auf 0"
  PirmelLevels = 1u << 7,    // start level and maximum level
  FreeTraining = 1u << 8,    // the training chosen from SETTINGS.ini
};

class StartOptionSet {
 public:
  constexpr StartOptionSet() = default;
  constexpr StartOptionSet(StartOption option) : bits_(static_cast<unsigned>(option)) {}
  constexpr bool Has(StartOption option) const {
    return (bits_ & static_cast<unsigned>(option)) != 0;
  }
  constexpr StartOptionSet operator|(StartOptionSet other) const {
    StartOptionSet both;
    both.bits_ = bits_ | other.bits_;
    return both;
  }
  constexpr bool operator==(const StartOptionSet&) const = default;

 private:
  unsigned bits_ = 0;
};

constexpr StartOptionSet operator|(StartOption a, StartOption b) {
  return StartOptionSet(a) | b;
}

using GameFactory = std::unique_ptr<Game> (*)();

// One entry of the start window's game lists. The single source that the start
// window, the game start, the statistics window and the tool read.
struct GameCatalogEntry {
  int index;               // game index, the entry's number in options.ini and the tool
  std::string_view label;  // start-window entry
  GameKind kind;
  ModePanel panel;
  std::string_view gameTypeKey;      // stored with every game of the entry
  std::string_view statisticsLabel;  // under which the statistics list the games; empty: not listed
  int statisticsOrder;               // sorts the statistics window's type list
  bool onePlayerOnly;
  ComputerMode computer;   // None: no computer opponent; else one is appended last
  StartOptionSet options;  // what the start window sets before the start
  GamePage page;
  int position;         // sorts the page's list
  bool aimInput;        // selecting the entry switches aim input on (off for the plain games)
  GameFactory factory;  // null while the mode is not yet built

  constexpr bool ComputerGame() const { return computer != ComputerMode::None; }
  constexpr bool Takes(StartOption option) const { return options.Has(option); }
  // Played as matches of legs and sets: the count-down games and the cricket
  // variants of the first page, and the games against the computer.
  constexpr bool PlaysMatches() const {
    return ComputerGame() ||
           (page == GamePage::Games && (kind == GameKind::Out || kind == GameKind::Cricket));
  }
};

// Every entry, ordered by game index.
std::span<const GameCatalogEntry> GameCatalog();

// The entry of a game index, nothing for an index the catalog does not hold.
const GameCatalogEntry* FindCatalogEntry(int gameIndex);
// The first entry stored under the key (the cricket variants share theirs).
const GameCatalogEntry* FindCatalogEntryByKey(std::string_view gameTypeKey);
// A page's entries in list order.
std::vector<const GameCatalogEntry*> PageEntries(GamePage page);
// "Spiele", "Trainingsspiele", "Spezielle Trainings".
std::string_view GamePageLabel(GamePage page);

// The text the overview uses for a kind: "out", "cricket", "shanghai", "aim" or empty.
std::string_view GameKindText(GameKind kind);

// The entries of the statistics window's type list in list order; the window
// puts "Alle" (every type) before them.
std::vector<const GameCatalogEntry*> StatisticsTypes();

// A new game object of the entry's class. Throws Error while the class is not built yet.
std::unique_ptr<Game> CreateGame(const GameCatalogEntry& entry);

}  // namespace korvanti
