#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DateTime.h"
#include "store/abfrageAnzahl.h"

namespace korvanti {

class Database;

// The statistics of one period, answered from turns held in memory. Every
// answer equals the query object's for the same player, game type and period.
class PeriodFigures {
 public:
  struct Turn {
    DateTimeNumber datetime = 0;  // of its game
    std::string gameid;
    bool wins = false;  // the turn is its game's winning turn
    bool tocount = true;
    std::optional<int> score;  // nothing when a code has no value-table row
    std::array<std::string, 3> hits;
    std::array<std::string, 3> aims;
    std::array<int, 3> marks{};
  };

  PeriodFigures(const Turn* first, const Turn* last) : first_(first), last_(last) {}

  int CountHits(std::string_view filter) const;
  int CountAimHits(std::string_view filter, bool exact) const;
  int CountDarts() const { return CountHits(""); }
  int CountExactHits() const { return CountAimHits("", true); }
  double MarksPerRoundQuery() const;
  abfrageAnzahl::Averages GetAverages() const;
  int HighScore() const;
  int BestCheckout() const;
  int CountTurnsInRange(int low, int high) const;
  int TurnsInShortestWin() const;
  int DartsInShortestWin() const;

 private:
  struct ShortestWin {
    int turns = 0;
    std::string gameid;
  };
  ShortestWin FindShortestWin() const;

  const Turn* first_;
  const Turn* last_;
};

// A player's turns of one game type, loaded once for a range of time; its
// periods are then answered without asking the database again.
class TurnSnapshot {
 public:
  // The turns of games saved after `from` and not after `to`.
  static TurnSnapshot Load(Database& database, const std::string& playerid,
                           const std::string& gameTypesId, DateTimeNumber from, DateTimeNumber to);

  // The period after `from` and not after `to` (within the loaded range).
  PeriodFigures Period(DateTimeNumber from, DateTimeNumber to) const;

 private:
  std::vector<PeriodFigures::Turn> turns_;  // by game time, then as appended
};

}  // namespace korvanti
