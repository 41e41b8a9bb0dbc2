#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "engine/BaseGameClass.h"

namespace korvanti {

// Which columns the player overview shows for an entry.
enum class GameKind { None, Out, Cricket, Shanghai, Aim };

// The panel of the game screen that shows the mode.
enum class ModePanel { CountDown, Cricket, Target };

using GameFactory = std::unique_ptr<BaseGameClass> (*)();

// One entry of the start window's game lists. The single source that the start
// window, the statistics window and the tool read.
struct GameCatalogEntry {
  int index;               // game index 1..30
  std::string_view label;  // start-window entry
  GameKind kind;
  ModePanel panel;
  std::string_view className;
  std::string_view gameTypeKey;      // stored with every game of the entry
  std::string_view statisticsLabel;  // under which the statistics list the games; empty: not listed
  bool onePlayerOnly;
  bool computerGame;    // a computer opponent is appended last
  GameFactory factory;  // null while the mode is not yet built
};

// All 30 entries, ordered by game index.
std::span<const GameCatalogEntry> GameCatalog();

// The entry of a game index, nothing for an index outside 1..30.
const GameCatalogEntry* FindCatalogEntry(int gameIndex);

// The text the overview uses for a kind: "out", "cricket", "shanghai", "aim" or empty.
std::string_view GameKindText(GameKind kind);

// One entry of the statistics window's game-type list: position 0 is "Alle"
// (every type, empty key); 1 to 27 follow the catalog; 28 and 29 list the
// free trainings the other way round ("Training (selbst def.)", "Freies Training").
struct StatisticsType {
  std::string_view label;
  std::string_view key;
};
std::span<const StatisticsType> StatisticsTypeList();

// A new game object of the entry's class. Throws Error while the class is not built yet.
std::unique_ptr<BaseGameClass> CreateGame(const GameCatalogEntry& entry);

}  // namespace korvanti
