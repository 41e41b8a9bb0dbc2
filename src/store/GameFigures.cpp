#include "store/GameFigures.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "store/Database.h"
#include "store/SqlStatement.h"

namespace korvanti {
namespace {

constexpr const char* kFigureColumns[] = {
    "first9points",
    "first9turns",
    "turns100",
    "turns140",
    "turns180",
    "finishdarts",
    "checkouts",
    "matchid IS NOT NULL",
    "matchid IS NOT NULL AND won = 1",
};

// Adds a game's darts at doubles, "16+;8-;" (the double, hit or not).
void AddDoubleList(std::string_view list, DoubleCounts& counts) {
  while (!list.empty()) {
    const auto end = std::min(list.find(';'), list.size());
    const auto entry = list.substr(0, end);
    list.remove_prefix(std::min(end + 1, list.size()));
    int number = 0;
    const auto [sign, error] = std::from_chars(entry.data(), entry.data() + entry.size(), number);
    const auto at = std::find(kDoubleNumbers.begin(), kDoubleNumbers.end(), number);
    if (error != std::errc() || at == kDoubleNumbers.end()) {
      continue;
    }
    const auto index = static_cast<std::size_t>(at - kDoubleNumbers.begin());
    ++counts.darts[index];
    counts.hits[index] += sign != entry.data() + entry.size() && *sign == '+' ? 1 : 0;
  }
}

}  // namespace

CountDownFigures& CountDownFigures::operator+=(const CountDownFigures& other) {
  firstNinePoints += other.firstNinePoints;
  firstNineTurns += other.firstNineTurns;
  turns100 += other.turns100;
  turns140 += other.turns140;
  turns180 += other.turns180;
  finishDarts += other.finishDarts;
  checkouts += other.checkouts;
  matchLegs += other.matchLegs;
  matchLegsWon += other.matchLegsWon;
  return *this;
}

std::optional<double> CountDownFigures::FirstNineAverage() const {
  if (firstNineTurns <= 0) {
    return std::nullopt;
  }
  return static_cast<double>(firstNinePoints) / firstNineTurns;
}

std::optional<double> CountDownFigures::CheckoutRate() const {
  if (finishDarts <= 0) {
    return std::nullopt;
  }
  return static_cast<double>(checkouts) / finishDarts * 100.0;
}

std::string CountDownFigureColumns() {
  std::string columns;
  for (const char* column : kFigureColumns) {
    columns += std::string(columns.empty() ? "" : ", ") + column;
  }
  return columns;
}

CountDownFigures ReadCountDownFigures(const SqlStatement& row, int firstColumn) {
  const auto at = [&](int n) { return static_cast<int>(row.Integer(firstColumn + n)); };
  return {at(0), at(1), at(2), at(3), at(4), at(5), at(6), at(7), at(8)};
}

std::vector<PlayerGameFigures> GameFiguresOf(Database& database, const std::string& gameId) {
  SqlStatement query(database, "SELECT playerid, " + CountDownFigureColumns() +
                                   " FROM gametotals WHERE gameid = ? ORDER BY playerid");
  query.Bind(gameId).Execute();
  std::vector<PlayerGameFigures> players;
  while (query.Next()) {
    players.push_back({query.Text(0), ReadCountDownFigures(query, 1)});
  }
  return players;
}

DoubleCounts CountDoubles(Database& database, const std::string& playerId,
                          const std::string& gameTypeKey, DateTimeNumber from, DateTimeNumber to) {
  SqlStatement query(database,
                     "SELECT doubles FROM gametotals WHERE playerid = ? AND datetime > ? AND "
                     "datetime <= ? AND doubles <> ''" +
                         std::string(gameTypeKey.empty() ? "" : " AND gametypesid = ?"));
  query.Bind(playerId).Bind(from).Bind(to);
  if (!gameTypeKey.empty()) {
    query.Bind(gameTypeKey);
  }
  query.Execute();
  DoubleCounts counts;
  while (query.Next()) {
    AddDoubleList(query.Text(0), counts);
  }
  return counts;
}

}  // namespace korvanti
