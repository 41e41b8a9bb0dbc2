#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "RawDatabase.h"
#include "SampleData.h"
#include "TempFolder.h"
#include "engine/FieldCode.h"
#include "store/Database.h"
#include "store/GameFigures.h"
#include "store/PlayerTotals.h"
#include "store/StatisticsQuery.h"
#include "store/TurnSnapshot.h"

namespace korvanti {
namespace {

// The figures counted from turns in memory, and the totals of all players in
// one pass, are the query object's figures.
TEST(PeriodFigures, AnswerLikeTheQueries) {
  TempFolder folder;
  auto database = Database::OpenFile(folder / "dart.mdb");
  SampleDataPlan plan;
  plan.players = 2;
  plan.days = 3;
  plan.seed = 11;
  plan.lastDay = 46000;
  SeedSampleData(*database, plan);

  StatisticsQuery query(*database);
  const char* filters[] = {"", "S", "D", "T", "5", "20", "25", "T20", "D25", "SS25", "0", "LS1"};
  // The landing positions as the query object lists them.
  const auto listed = [](const std::vector<BoardPoint>& points) {
    std::string list;
    for (const auto& point : points) {
      list += (list.empty() ? "" : ",") + std::to_string(point.x) + "=" + std::to_string(point.y);
    }
    return list;
  };
  for (const auto& player : query.PlayerIdsByNickname()) {
    // Every type at once: what the aim-and-hit view asks.
    const auto everything = TurnSnapshot::Load(*database, player, "", 45990, 46010);
    for (const auto& [from, to] : {std::pair{45990.0, 46010.0}, {45998.75, 45999.75}}) {
      auto all = query;
      all.playerId = player;
      all.gameTypeKey.clear();
      all.allTypes = true;
      all.dateFrom = from;
      all.dateTo = to;
      const auto figures = everything.Period(from, to);
      EXPECT_EQ(figures.CountTurns(), all.CountTurns());
      for (const char* filter : filters) {
        EXPECT_EQ(figures.CountHits(filter), all.CountHits(filter)) << filter;
        EXPECT_EQ(figures.CountAimHits(filter, false), all.CountAimHits(filter, false)) << filter;
        const auto points = figures.HitPoints(filter);
        const auto positions = all.HitPositions(filter, 0);
        EXPECT_EQ(listed(points[0]), positions.dart1) << filter;
        EXPECT_EQ(listed(points[1]), positions.dart2) << filter;
        EXPECT_EQ(listed(points[2]), positions.dart3) << filter;
      }
    }
    for (const char* key : {"const501dout", "constcricket", "constpractice_segment_20",
                            "constpractice_roundsingle", "const301dout"}) {
      const auto snapshot = TurnSnapshot::Load(*database, player, key, 45990, 46010);
      for (const auto& [from, to] : {std::pair{45990.0, 46010.0},
                                     {45997.9, 45998.9},
                                     {45998.75, 45999.75},
                                     {45999.0, 46000.73}}) {
        query.playerId = player;
        query.gameTypeKey = key;
        query.dateFrom = from;
        query.dateTo = to;
        const auto figures = snapshot.Period(from, to);
        const auto where = std::string(key) + " " + std::to_string(from);
        for (const char* filter : filters) {
          EXPECT_EQ(figures.CountHits(filter), query.CountHits(filter)) << where << filter;
          for (const bool exact : {false, true}) {
            EXPECT_EQ(figures.CountAimHits(filter, exact), query.CountAimHits(filter, exact))
                << where << filter << exact;
          }
        }
        EXPECT_DOUBLE_EQ(figures.GetAverages().average, query.GetAverages().average) << where;
        EXPECT_DOUBLE_EQ(figures.MarksPerRoundQuery(), query.MarksPerRoundQuery()) << where;
        EXPECT_EQ(figures.HighScore(), query.HighScore()) << where;
        EXPECT_EQ(figures.BestCheckout(), query.BestCheckout()) << where;
        EXPECT_EQ(figures.CountTurnsInRange(60, 100), query.CountTurnsInRange(60, 100)) << where;
        EXPECT_EQ(figures.CountTurns(), query.CountTurns()) << where;
        EXPECT_EQ(figures.TurnsInShortestWin(), query.TurnsInShortestWin()) << where;
        EXPECT_EQ(figures.DartsInShortestWin(), query.DartsInShortestWin()) << where;

        const auto all = TotalsByPlayer(*database, key, from, to);
        const auto found = all.find(player);
        const auto totals = found == all.end() ? PlayerTotals{} : found->second;
        EXPECT_EQ(totals.games, query.CountGames()) << where;
        EXPECT_EQ(totals.wins, query.CountWins()) << where;
        EXPECT_EQ(totals.darts, query.CountDarts()) << where;
        EXPECT_EQ(totals.exactHits, query.CountExactHits()) << where;
        EXPECT_DOUBLE_EQ(totals.Average(), query.GetAverages().average) << where;
        EXPECT_DOUBLE_EQ(totals.PointsPerDart(), query.GetAverages().perDart) << where;
        EXPECT_EQ(totals.highScore, query.HighScore()) << where;
        EXPECT_EQ(totals.bestCheckout, query.BestCheckout()) << where;
        EXPECT_DOUBLE_EQ(totals.MarksPerRound(), query.MarksPerRoundQuery()) << where;
        EXPECT_EQ(totals.doubleThrows, query.DoubleRateTotals().throws) << where;
        EXPECT_EQ(totals.doubleHits, query.DoubleRateTotals().hits) << where;
      }
    }
  }
}

struct StoredTurn {
  bool counts = true;
  bool wins = false;
  std::array<std::string, 3> hits;
  std::array<std::string, 3> aims;
};

// The double a dart was thrown at (0: none), as a reader of the turns would
// tell it: the aimed double, else the double that finishes the points left.
int DoubleAt(const std::string& aim, const std::string& hit, int left) {
  if (hit == "na")
    return 0;
  for (const int n : kDoubleNumbers) {
    if (aim == "D" + std::to_string(n))
      return n;
  }
  if (left == 50)
    return 25;
  return left >= 2 && left <= 40 && left % 2 == 0 ? left / 2 : 0;
}

// One player's turns of a game of 501 double out, replayed dart by dart.
CountDownFigures Replay(const std::vector<StoredTurn>& turns, DoubleCounts& doubles) {
  CountDownFigures figures;
  int left = 501;
  int number = 0;
  for (const auto& turn : turns) {
    int score = 0;
    int dartLeft = left;
    for (std::size_t dart = 0; dart < 3; ++dart) {
      const auto& hit = turn.hits[dart];
      const bool finish =
          hit != "na" && (dartLeft == 50 || (dartLeft >= 2 && dartLeft <= 40 && dartLeft % 2 == 0));
      figures.finishDarts += finish ? 1 : 0;
      if (const int at = DoubleAt(turn.aims[dart], hit, dartLeft); at > 0) {
        const auto index = static_cast<std::size_t>(
            std::find(kDoubleNumbers.begin(), kDoubleNumbers.end(), at) - kDoubleNumbers.begin());
        ++doubles.darts[index];
        doubles.hits[index] += hit == "D" + std::to_string(at) ? 1 : 0;
      }
      score += FieldValue(hit);
      dartLeft -= FieldValue(hit);
    }
    if (++number <= 3) {
      ++figures.firstNineTurns;
      figures.firstNinePoints += turn.counts ? score : 0;
    }
    if (turn.counts) {
      figures.turns100 += score >= 100 && score < 140 ? 1 : 0;
      figures.turns140 += score >= 140 && score < 180 ? 1 : 0;
      figures.turns180 += score == 180 ? 1 : 0;
      left -= score;
    }
    figures.checkouts += turn.wins ? 1 : 0;
  }
  return figures;
}

// The figures of the per-game totals are those of the stored turns replayed
// in the order they were stored, on sample play against the computer.
TEST(GameFigures, AreTheStoredTurnsReplayed) {
  TempFolder folder;
  auto database = Database::OpenFile(folder / "dart.mdb");
  SampleDataPlan plan;
  plan.players = 2;
  plan.days = 3;
  plan.seed = 11;
  plan.lastDay = 46000;
  SeedSampleData(*database, plan);

  testing::RawDatabase raw(folder / "dart.mdb");
  std::map<std::pair<std::string, std::string>, std::vector<StoredTurn>> turns;
  for (const auto& row :
       raw.Rows("SELECT throw.gameid, throw.playerid, tocount, throw.throwid = game.winthrowid, "
                "hit1value, hit2value, hit3value, aim1value, aim2value, aim3value FROM throw "
                "INNER JOIN game ON game.gameid = throw.gameid "
                "WHERE game.gametypesid = 'const501dout' ORDER BY throw.rowid")) {
    StoredTurn turn;
    turn.counts = row[2].toInt() == 1;
    turn.wins = row[3].toInt() == 1;
    for (std::size_t dart = 0; dart < 3; ++dart) {
      turn.hits[dart] = row[4 + dart].toString().toStdString();
      turn.aims[dart] = row[7 + dart].toString().toStdString();
    }
    turns[{row[0].toString().toStdString(), row[1].toString().toStdString()}].push_back(turn);
  }
  ASSERT_GT(turns.size(), 10u);
  std::map<std::string, DoubleCounts> doubles;
  int finishDarts = 0;
  for (const auto& [key, list] : turns) {
    const auto& [gameId, playerId] = key;
    const auto expected = Replay(list, doubles[playerId]);
    finishDarts += expected.finishDarts;
    CountDownFigures stored;
    for (const auto& player : GameFiguresOf(*database, gameId)) {
      if (player.playerId == playerId)
        stored = player.figures;
    }
    EXPECT_EQ(stored, expected) << gameId << " " << playerId;
  }
  EXPECT_GT(finishDarts, 10);
  for (const auto& [playerId, expected] : doubles) {
    const auto counted = CountDoubles(*database, playerId, "const501dout", 0, 99999);
    EXPECT_EQ(counted.darts, expected.darts) << playerId;
    EXPECT_EQ(counted.hits, expected.hits) << playerId;
  }
}

}  // namespace
}  // namespace korvanti
