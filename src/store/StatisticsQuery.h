#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DateTime.h"
#include "store/FieldFilter.h"

namespace korvanti {

class Database;

// The statistics of one player: a selection (player, game type or all types,
// period) and the queries over it. A game belongs to a period when it was
// saved after `DateFrom` and not after `DateTo`, unless a query says otherwise.
class StatisticsQuery {
 public:
  explicit StatisticsQuery(Database& database) : database_(database) {}

  std::string playerId;
  std::string gameTypeKey;
  DateTimeNumber dateFrom = 0;
  DateTimeNumber dateTo = 0;
  bool allTypes = false;

  std::vector<std::string> PlayerIdsByNickname();
  struct Names {
    std::string firstName;
    std::string lastName;
    std::string nickname;
  };
  std::optional<Names> GetPlayerNames(std::string_view playerId);
  // Every player with his names, by nickname, in one statement.
  struct PlayerWithNames {
    std::string playerId;
    Names names;
  };
  std::vector<PlayerWithNames> PlayersByNickname();

  // Dart counts over the three darts of every selected turn.
  int CountHits(std::string_view filter);
  int CountAimHits(std::string_view filter, bool exact);
  int CountDarts() { return CountHits(""); }
  int CountExactHits() { return CountAimHits("", true); }
  int CountHitsInGame(std::string_view gameId);
  int SumMarks();
  double MarksPerRoundQuery();

  // Landing positions of the darts aimed at the filter ("x=y,..."), per dart
  // number; `dart` 0 asks for all three. The period excludes both ends.
  struct Positions {
    std::string dart1;
    std::string dart2;
    std::string dart3;
    std::string all;
  };
  Positions HitPositions(std::string_view filter, int dart);

  // Deletes, in one transaction, the player's turns of the selection, his
  // double rates of those games, and the games left without any turn.
  struct Deleted {
    int turns = 0;
    int games = 0;  // games that lost every turn and went too
  };
  Deleted DeleteStatistics();

  // The player's stored turns of the selection.
  int CountTurns();
  int CountGames();
  int CountWins();
  // The player's newest game of the key (any key when it is empty); no period.
  struct GameMoment {
    std::string gameId;
    DateTimeNumber datetime = 0;
  };
  std::optional<GameMoment> LastGame();
  std::optional<DateTimeNumber> LastGameDate();
  // The moment of the oldest game in the file, of any player and type and
  // outside the period too; nothing when no game is stored.
  std::optional<DateTimeNumber> OldestGameDate();
  // The player's game moments in the period (its end excluded), ascending.
  std::vector<DateTimeNumber> GameDates();
  struct Averages {
    double average = 0;  // points per three darts
    double perDart = 0;
  };
  Averages GetAverages();
  int HighScore();
  int BestCheckout();
  int CountTurnsInRange(int low, int high);
  int TurnsInShortestWin();
  std::string ShortestWinGameId();
  int DartsInShortestWin();
  std::string ShortestWinPositions();
  struct DoubleRates {
    int throws = 0;
    int hits = 0;
  };
  DoubleRates DoubleRateTotals();

 private:
  // The period condition on game.datetime and, with `withType`, the type.
  SqlCondition Selection(bool withType, bool endIncluded = true) const;
  // Both the player and the selection, joined on game and throw.
  SqlCondition PlayersTurns(bool withType) const;
  long long Integer(const std::string& statement, const std::vector<QVariant>& values);
  std::vector<std::vector<QVariant>> Rows(const std::string& statement,
                                          const std::vector<QVariant>& values);
  QVariant ShortestWin(const std::string& column);
  // Darts of the selected turns meeting each dart's condition.
  int CountDartsWhere(const std::vector<SqlCondition>& perDart);

  Database& database_;
};

}  // namespace korvanti
