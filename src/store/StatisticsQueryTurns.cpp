// The queries over whole turns and games: games, wins, dates, averages, best
// turns, score bands, the shortest win and the double rates.
#include "engine/AimPoints.h"
#include "store/Database.h"
#include "store/SqlStatement.h"
#include "store/StatisticsQuery.h"

namespace korvanti {
namespace {

QVariant Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void Append(std::vector<QVariant>& values, const std::vector<QVariant>& more) {
  values.insert(values.end(), more.begin(), more.end());
}

// A turn's points: each dart's code looked up in its own value table. Turns
// whose codes have no row there are not seen.
constexpr const char* kTurnScore = "(values1.hitvalue + values2.hitvalue + values3.hitvalue)";
constexpr const char* kTurnsWithValues =
    "throw INNER JOIN values1 ON throw.hit1value = values1.ID "
    "INNER JOIN values2 ON throw.hit2value = values2.ID "
    "INNER JOIN values3 ON throw.hit3value = values3.ID "
    "INNER JOIN game ON game.gameid = throw.gameid";

// The key condition of the date queries: one key, or every key when it is empty.
std::string TypeOrAny(const std::string& key) {
  return key.empty() ? "game.gametypesid <> ''" : "game.gametypesid = ?";
}

}  // namespace

int StatisticsQuery::CountTurns() {
  const auto where = PlayersTurns(!allTypes);
  return static_cast<int>(
      Integer("SELECT COUNT(*) FROM game INNER JOIN throw ON game.gameid = throw.gameid WHERE " +
                  where.text,
              where.values));
}

int StatisticsQuery::CountGames() {
  const auto where = PlayersTurns(!allTypes);
  return static_cast<int>(
      Integer("SELECT COUNT(DISTINCT game.gameid) FROM game INNER JOIN throw ON game.gameid = "
              "throw.gameid WHERE " +
                  where.text,
              where.values));
}

int StatisticsQuery::CountWins() {
  const auto where = PlayersTurns(!allTypes);
  return static_cast<int>(
      Integer("SELECT COUNT(game.winthrowid) FROM throw INNER JOIN game ON throw.throwid = "
              "game.winthrowid WHERE " +
                  where.text,
              where.values));
}

// From the per-game totals (GameTotals.h): the player's games by moment.
std::optional<StatisticsQuery::GameMoment> StatisticsQuery::LastGame() {
  std::vector<QVariant> values{Text(playerId)};
  if (!gameTypeKey.empty())
    values.push_back(Text(gameTypeKey));
  const auto rows = Rows(std::string("SELECT gameid, datetime FROM gametotals WHERE playerid = ?") +
                             (gameTypeKey.empty() ? "" : " AND gametypesid = ?") +
                             " ORDER BY datetime DESC, gameid DESC LIMIT 1",
                         values);
  if (rows.empty()) {
    return std::nullopt;
  }
  return GameMoment{rows[0][0].toString().toStdString(), rows[0][1].toDouble()};
}

std::optional<DateTimeNumber> StatisticsQuery::LastGameDate() {
  const auto last = LastGame();
  return last ? std::optional(last->datetime) : std::nullopt;
}

std::optional<DateTimeNumber> StatisticsQuery::OldestGameDate() {
  const auto rows = Rows("SELECT MIN(datetime) FROM game", {});
  if (rows.empty() || rows[0][0].isNull()) {
    return std::nullopt;
  }
  return rows[0][0].toDouble();
}

std::vector<DateTimeNumber> StatisticsQuery::GameDates() {
  std::vector<QVariant> values{Text(playerId), dateFrom, dateTo};
  if (!gameTypeKey.empty())
    values.push_back(Text(gameTypeKey));
  std::vector<DateTimeNumber> dates;
  for (const auto& row : Rows("SELECT DISTINCT game.datetime FROM game INNER JOIN throw ON "
                              "game.gameid = throw.gameid WHERE throw.playerid = ? AND "
                              "game.datetime > ? AND game.datetime < ? AND " +
                                  TypeOrAny(gameTypeKey) + " ORDER BY game.datetime",
                              values)) {
    dates.push_back(row[0].toDouble());
  }
  return dates;
}

// Points of the counting turns of the one type, over all darts thrown (busts
// add their darts, not their points).
StatisticsQuery::Averages StatisticsQuery::GetAverages() {
  Averages averages;
  const int darts = CountDarts();
  if (darts == 0) {
    return averages;
  }
  const auto where = PlayersTurns(true);
  const auto rows = Rows(std::string("SELECT SUM") + kTurnScore + " FROM " + kTurnsWithValues +
                             " WHERE " + where.text + " AND throw.tocount = 1",
                         where.values);
  if (!rows.empty() && !rows[0][0].isNull()) {
    const double points = rows[0][0].toDouble();
    averages.average = points / (darts / 3.0);
    averages.perDart = points / darts;
  }
  return averages;
}

// Best turn and score bands look at scoring turns only: a bust's darts score nothing.
int StatisticsQuery::HighScore() {
  const auto where = PlayersTurns(true);
  return static_cast<int>(Integer(std::string("SELECT MAX") + kTurnScore + " FROM " +
                                      kTurnsWithValues + " WHERE " + where.text +
                                      " AND throw.tocount = 1",
                                  where.values));
}

int StatisticsQuery::BestCheckout() {
  const auto where = PlayersTurns(true);
  return static_cast<int>(Integer(std::string("SELECT MAX") + kTurnScore + " FROM " +
                                      kTurnsWithValues +
                                      " AND throw.throwid = game.winthrowid "
                                      "WHERE " +
                                      where.text + " AND throw.tocount = 1",
                                  where.values));
}

int StatisticsQuery::CountTurnsInRange(int low, int high) {
  const auto where = PlayersTurns(true);
  std::vector<QVariant> values{low, high};
  Append(values, where.values);
  return static_cast<int>(Integer(std::string("SELECT COUNT(*) FROM ") + kTurnsWithValues +
                                      " WHERE " + kTurnScore + " >= ? AND " + kTurnScore +
                                      " < ? AND throw.tocount = 1 AND " + where.text,
                                  values));
}

// The player's won games of the type in the period, fewest turns first.
QVariant StatisticsQuery::ShortestWin(const std::string& column) {
  const auto where = PlayersTurns(true);
  std::vector<QVariant> values{Text(playerId)};
  Append(values, where.values);
  const auto rows = Rows("SELECT " + column +
                             " FROM throw WHERE throw.playerid = ? AND throw.gameid IN "
                             "(SELECT game.gameid FROM throw INNER JOIN game ON throw.throwid = "
                             "game.winthrowid WHERE " +
                             where.text +
                             ") GROUP BY throw.gameid ORDER BY COUNT(throw.throwid), "
                             "throw.gameid LIMIT 1",
                         values);
  return rows.empty() ? QVariant() : rows[0][0];
}

int StatisticsQuery::TurnsInShortestWin() {
  return ShortestWin("COUNT(throw.throwid)").toInt();
}

std::string StatisticsQuery::ShortestWinGameId() {
  return ShortestWin("throw.gameid").toString().toStdString();
}

int StatisticsQuery::DartsInShortestWin() {
  return CountHitsInGame(ShortestWinGameId());
}

std::string StatisticsQuery::ShortestWinPositions() {
  const auto gameId = ShortestWinGameId();
  if (gameId.empty()) {
    return {};
  }
  // A dart typed as a field code has no position: it is replayed at its
  // field's aim point, so that the replay scores what was scored.
  std::string positions;
  for (const auto& row :
       Rows("SELECT throw.hit1x, throw.hit1y, throw.hit2x, throw.hit2y, throw.hit3x, throw.hit3y, "
            "throw.hit1value, throw.hit2value, throw.hit3value "
            "FROM throw WHERE throw.gameid = ? AND throw.playerid = ? AND throw.Zeitstempel > 0 "
            "GROUP BY throw.hit1x, throw.hit1y, throw.hit2x, throw.hit2y, throw.hit3x, "
            "throw.hit3y, throw.hit1value, throw.hit2value, throw.hit3value, throw.Zeitstempel "
            "ORDER BY throw.Zeitstempel",
            {Text(gameId), Text(playerId)})) {
    for (int dart = 0; dart < 3; ++dart) {
      BoardPoint point{static_cast<int>(row[2 * dart].toLongLong()),
                       static_cast<int>(row[2 * dart + 1].toLongLong())};
      if (row[2 * dart].isNull()) {
        point = AimPointFor(row[6 + dart].toString().toStdString()).value_or(BoardPoint{});
      }
      positions +=
          (positions.empty() ? "" : ",") + std::to_string(point.x) + "=" + std::to_string(point.y);
    }
  }
  return positions;
}

StatisticsQuery::DoubleRates StatisticsQuery::DoubleRateTotals() {
  const auto selection = Selection(!allTypes);
  std::vector<QVariant> values{Text(playerId)};
  Append(values, selection.values);
  const auto rows = Rows(
      "SELECT SUM(doublerate.throwsatdouble), SUM(doublerate.hitsatdouble) FROM game INNER "
      "JOIN doublerate ON game.gameid = doublerate.gameid WHERE doublerate.playerid = ? AND " +
          selection.text,
      values);
  DoubleRates rates;
  if (!rows.empty()) {
    rates.throws = static_cast<int>(rows[0][0].toLongLong());
    rates.hits = static_cast<int>(rows[0][1].toLongLong());
  }
  return rates;
}

}  // namespace korvanti
