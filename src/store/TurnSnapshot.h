#pragma once

#include <array>
#include <limits>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "engine/AimPoints.h"
#include "engine/TrainingResult.h"
#include "platform/DateTime.h"
#include "store/GameFigures.h"
#include "store/StatisticsQuery.h"

namespace korvanti {

class Database;

// The statistics of one period, answered from turns held in memory. Every
// answer equals the query object's for the same player, game type (or all
// types) and period.
class PeriodFigures {
 public:
  struct StoredTurn {
    DateTimeNumber datetime = 0;  // of its game
    std::string gameId;
    bool wins = false;  // the turn is its game's winning turn
    bool counts = true;
    std::optional<int> score;  // nothing when a code has no value-table row
    std::array<std::string, 3> hits;
    std::array<std::string, 3> aims;
    std::array<int, 3> marks{};
    // Where each dart was clicked; nothing for a dart typed as a field code.
    std::array<std::optional<BoardPoint>, 3> landed{};
  };

  // A game's figures from the per-game totals, and the player's result when
  // the game is a decided training that keeps one.
  struct StoredGame {
    DateTimeNumber datetime = 0;
    std::string gameId;
    CountDownFigures figures;
    std::optional<int> result;
    std::optional<TargetHits> targetHits;
  };
  struct Games {
    const StoredGame* first;
    const StoredGame* last;
  };

  // The turns from `first` to `last` and their games; the landing positions
  // leave out games saved at `positionsBefore` or later (the period's end), as
  // the query does.
  PeriodFigures(const StoredTurn* first, const StoredTurn* last, Games games = {nullptr, nullptr},
                DateTimeNumber positionsBefore = std::numeric_limits<double>::infinity())
      : first_(first), last_(last), games_(games), positionsBefore_(positionsBefore) {}

  bool Empty() const { return first_ == last_; }
  int CountTurns() const { return static_cast<int>(last_ - first_); }
  int CountHits(std::string_view filter) const;
  int CountAimHits(std::string_view filter, bool exact) const;
  int CountDarts() const { return CountHits(""); }
  int CountExactHits() const { return CountAimHits("", true); }
  double MarksPerRoundQuery() const;
  StatisticsQuery::Averages GetAverages() const;
  int HighScore() const;
  int BestCheckout() const;
  int CountTurnsInRange(int low, int high) const;
  int TurnsInShortestWin() const;
  int DartsInShortestWin() const;
  // Where the darts aimed at the filter landed, per dart number, in the
  // order the turns were stored.
  std::array<std::vector<BoardPoint>, 3> HitPoints(std::string_view filter) const;
  // First nine, bands, checkouts and match legs of the period's games (all
  // zero unless the snapshot was loaded with its game figures).
  CountDownFigures CountDown() const;
  // The trainings' results of the period's games (none unless the snapshot
  // was loaded with its game figures): how many, their mean and the best.
  int CountResults() const;
  std::optional<double> AverageResult() const;
  std::optional<int> BestResult(BetterResult order) const;
  // The share in percent of the trainings' darts (Catch 40: targets) that hit
  // what the training asked for; nothing without stored hits.
  std::optional<double> TargetHitRate() const;

 private:
  struct ShortestWin {
    int turns = 0;
    std::string gameId;
  };
  ShortestWin FindShortestWin() const;

  const StoredTurn* first_;
  const StoredTurn* last_;
  Games games_;
  DateTimeNumber positionsBefore_;
};

// A player's turns of one game type (every type for an empty key), loaded
// once for a range of time; its periods are then answered without asking the
// database again.
class TurnSnapshot {
 public:
  // The turns of games saved after `from` and not after `to`, without the
  // game `leaveOut` (none when empty); with `gameFigures` the games' rows of
  // the per-game totals and the player's training results too
  // (PeriodFigures::CountDown, the results). A stop requested through `stop`
  // ends the reading early, with part of the turns: the caller drops them.
  static TurnSnapshot Load(Database& database, const std::string& playerId,
                           const std::string& gameTypeKey, DateTimeNumber from, DateTimeNumber to,
                           const std::string& leaveOut = {}, std::stop_token stop = {},
                           bool gameFigures = false);
  // The player's turns of one game, with its game figures and result.
  static TurnSnapshot LoadGame(Database& database, const std::string& playerId,
                               const std::string& gameId);

  // The period after `from` and not after `to` (within the loaded range).
  PeriodFigures Period(DateTimeNumber from, DateTimeNumber to) const;
  // Every loaded turn.
  PeriodFigures All() const;

  // The moments of the loaded games, ascending, each once.
  std::vector<DateTimeNumber> Moments() const;
  // The loaded games in the order they were saved, each with its turns.
  struct GameFigures {
    std::string gameId;
    DateTimeNumber datetime = 0;
    PeriodFigures figures;
  };
  std::vector<GameFigures> Games() const;

 private:
  static TurnSnapshot Read(Database& database, const std::string& where,
                           const std::vector<QVariant>& values, bool gameFigures,
                           std::stop_token stop = {});

  void ReadGames(Database& database, const std::string& where, const std::vector<QVariant>& values);
  PeriodFigures::Games GamesBetween(DateTimeNumber from, DateTimeNumber to) const;

  std::vector<PeriodFigures::StoredTurn> turns_;  // by game time, game, then as stored
  std::vector<PeriodFigures::StoredGame> games_;  // by game time, then game
};

}  // namespace korvanti
