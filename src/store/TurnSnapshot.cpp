#include "store/TurnSnapshot.h"

#include <algorithm>
#include <map>

#include "store/Database.h"
#include "store/FieldFilter.h"
#include "store/SqlStatement.h"

namespace korvanti {

namespace {

// The points of each code in the value table of each dart.
using ValueTables = std::array<std::map<std::string, int, std::less<>>, 3>;

ValueTables ReadValueTables(Database& database) {
  ValueTables tables;
  for (std::size_t dart = 0; dart < 3; ++dart) {
    SqlStatement values(database, "SELECT ID, hitvalue FROM values" + std::to_string(dart + 1));
    values.Execute();
    while (values.Next()) {
      tables[dart].emplace(values.Text(0), static_cast<int>(values.Integer(1)));
    }
  }
  return tables;
}

// A field code as it came from the database: codes are short ASCII texts,
// copied without a detour through UTF-8 (anything else is converted).
std::string Code(const QVariant& value) {
  const auto text = value.toString();
  std::string code;
  code.reserve(static_cast<std::size_t>(text.size()));
  for (const QChar c : text) {
    if (c.unicode() >= 0x80) {
      return text.toStdString();
    }
    code.push_back(static_cast<char>(c.unicode()));
  }
  return code;
}

// A turn's points, nothing when a code has no row in its dart's table.
std::optional<int> Score(const ValueTables& tables, const std::array<std::string, 3>& hits) {
  int score = 0;
  for (std::size_t dart = 0; dart < 3; ++dart) {
    const auto value = tables[dart].find(hits[dart]);
    if (value == tables[dart].end()) {
      return std::nullopt;
    }
    score += value->second;
  }
  return score;
}

}  // namespace

// The player's games are found through the per-game totals (GameTotals.h),
// then his turns of each game in the order they were stored (the server
// gives no order unless asked for one).
TurnSnapshot TurnSnapshot::Read(Database& database, const std::string& where,
                                const std::vector<QVariant>& values, bool gameFigures,
                                std::stop_token stop) {
  const auto tables = ReadValueTables(database);
  SqlStatement query(
      database,
      "SELECT gametotals.datetime, throw.gameid, throw.throwid = gametotals.winthrowid, "
      "throw.tocount, throw.hit1value, throw.hit2value, throw.hit3value, "
      "throw.aim1value, throw.aim2value, throw.aim3value, "
      "throw.hit1tocount, throw.hit2tocount, throw.hit3tocount, "
      "throw.hit1x, throw.hit1y, throw.hit2x, throw.hit2y, throw.hit3x, throw.hit3y "
      "FROM gametotals INNER JOIN throw ON throw.gameid = gametotals.gameid "
      "AND throw.playerid = gametotals.playerid WHERE " +
          where + " ORDER BY gametotals.datetime, gametotals.gameid, throw.rowid");
  for (const auto& value : values) {
    query.Bind(value);
  }
  query.Execute();
  TurnSnapshot snapshot;
  QString lastGameId;
  std::string lastGame;
  // Looking at the stop token now and then costs nothing against the rows.
  constexpr std::size_t kRowsBetweenStops = 256;
  while (query.Next()) {
    if (snapshot.turns_.size() % kRowsBetweenStops == 0 && stop.stop_requested()) {
      break;
    }
    PeriodFigures::StoredTurn turn;
    turn.datetime = query.Float(0);
    // The turns of a game come one after the other: its id is converted once.
    if (const auto gameId = query.Value(1).toString(); gameId != lastGameId) {
      lastGameId = gameId;
      lastGame = gameId.toStdString();
    }
    turn.gameId = lastGame;
    turn.wins = query.Integer(2) != 0;
    turn.counts = query.Integer(3) == 1;
    for (int dart = 0; dart < 3; ++dart) {
      const auto d = static_cast<std::size_t>(dart);
      turn.hits[d] = Code(query.Value(4 + dart));
      turn.aims[d] = Code(query.Value(7 + dart));
      turn.marks[d] = static_cast<int>(query.Integer(10 + dart));
      if (!query.Value(13 + 2 * dart).isNull()) {
        turn.landed[d] = BoardPoint{static_cast<int>(query.Integer(13 + 2 * dart)),
                                    static_cast<int>(query.Integer(14 + 2 * dart))};
      }
    }
    turn.score = Score(tables, turn.hits);
    snapshot.turns_.push_back(std::move(turn));
  }
  // By game moment, then game; a game's turns keep the order they were stored
  // in (they come along the game's index in that order).
  std::stable_sort(snapshot.turns_.begin(), snapshot.turns_.end(),
                   [](const PeriodFigures::StoredTurn& a, const PeriodFigures::StoredTurn& b) {
                     return a.datetime != b.datetime ? a.datetime < b.datetime
                                                     : a.gameId < b.gameId;
                   });
  if (gameFigures && !stop.stop_requested()) {
    snapshot.ReadGames(database, where, values);
  }
  return snapshot;
}

// One row per game beside the turns: the figures that need a game's whole
// course (its first turns, the points left before each dart) are counted
// there once.
void TurnSnapshot::ReadGames(Database& database, const std::string& where,
                             const std::vector<QVariant>& values) {
  SqlStatement query(
      database,
      "SELECT gametotals.datetime, gametotals.gameid, trainingresult.result, "
      "trainingresult.targethits, trainingresult.targettries, " +
          CountDownFigureColumns() +
          " FROM gametotals LEFT JOIN trainingresult ON trainingresult.gameid = gametotals.gameid "
          "AND trainingresult.playerid = gametotals.playerid WHERE " +
          where + " ORDER BY gametotals.datetime, gametotals.gameid");
  for (const auto& value : values) {
    query.Bind(value);
  }
  query.Execute();
  while (query.Next()) {
    std::optional<int> result;
    if (!query.Value(2).isNull()) {
      result = static_cast<int>(query.Integer(2));
    }
    std::optional<TargetHits> targetHits;
    if (!query.Value(3).isNull() && !query.Value(4).isNull()) {
      targetHits =
          TargetHits{static_cast<int>(query.Integer(3)), static_cast<int>(query.Integer(4))};
    }
    games_.push_back(
        {query.Float(0), query.Text(1), ReadCountDownFigures(query, 5), result, targetHits});
  }
}

PeriodFigures::Games TurnSnapshot::GamesBetween(DateTimeNumber from, DateTimeNumber to) const {
  const auto byTime = [](const PeriodFigures::StoredGame& game, DateTimeNumber moment) {
    return game.datetime <= moment;
  };
  const auto first = std::lower_bound(games_.begin(), games_.end(), from, byTime);
  const auto last = std::lower_bound(first, games_.end(), to, byTime);
  return {games_.data() + (first - games_.begin()), games_.data() + (last - games_.begin())};
}

TurnSnapshot TurnSnapshot::Load(Database& database, const std::string& playerId,
                                const std::string& gameTypeKey, DateTimeNumber from,
                                DateTimeNumber to, const std::string& leaveOut,
                                std::stop_token stop, bool gameFigures) {
  std::string where =
      "gametotals.playerid = ? AND gametotals.datetime > ? AND gametotals.datetime <= ?";
  std::vector<QVariant> values{QString::fromStdString(playerId), from, to};
  if (!gameTypeKey.empty()) {
    where += " AND gametotals.gametypesid = ?";
    values.emplace_back(QString::fromStdString(gameTypeKey));
  }
  if (!leaveOut.empty()) {
    where += " AND gametotals.gameid <> ?";
    values.emplace_back(QString::fromStdString(leaveOut));
  }
  return Read(database, where, values, gameFigures, std::move(stop));
}

TurnSnapshot TurnSnapshot::LoadGame(Database& database, const std::string& playerId,
                                    const std::string& gameId) {
  return Read(database, "gametotals.playerid = ? AND gametotals.gameid = ?",
              {QString::fromStdString(playerId), QString::fromStdString(gameId)}, true);
}

PeriodFigures TurnSnapshot::Period(DateTimeNumber from, DateTimeNumber to) const {
  const auto byTime = [](const PeriodFigures::StoredTurn& turn, DateTimeNumber moment) {
    return turn.datetime <= moment;
  };
  const auto first = std::lower_bound(turns_.begin(), turns_.end(), from, byTime);
  const auto last = std::lower_bound(first, turns_.end(), to, byTime);
  return PeriodFigures(turns_.data() + (first - turns_.begin()),
                       turns_.data() + (last - turns_.begin()), GamesBetween(from, to), to);
}

PeriodFigures TurnSnapshot::All() const {
  return PeriodFigures(turns_.data(), turns_.data() + turns_.size(),
                       {games_.data(), games_.data() + games_.size()});
}

std::vector<DateTimeNumber> TurnSnapshot::Moments() const {
  std::vector<DateTimeNumber> moments;
  for (const auto& turn : turns_) {
    if (moments.empty() || moments.back() != turn.datetime) {
      moments.push_back(turn.datetime);
    }
  }
  return moments;
}

std::vector<TurnSnapshot::GameFigures> TurnSnapshot::Games() const {
  std::vector<GameFigures> games;
  const auto* turns = turns_.data();
  // Both lists run in the same order; a game without its row (a reading
  // stopped early) has no game figures.
  auto game = games_.begin();
  for (std::size_t first = 0; first < turns_.size();) {
    auto last = first + 1;
    while (last < turns_.size() && turns_[last].gameId == turns_[first].gameId) {
      ++last;
    }
    const auto& id = turns_[first].gameId;
    while (game != games_.end() &&
           (game->datetime < turns_[first].datetime ||
            (game->datetime == turns_[first].datetime && game->gameId < id))) {
      ++game;
    }
    PeriodFigures::Games own{nullptr, nullptr};
    if (game != games_.end() && game->gameId == id) {
      own = {&*game, &*game + 1};
    }
    games.push_back({id, turns_[first].datetime, PeriodFigures(turns + first, turns + last, own)});
    first = last;
  }
  return games;
}

CountDownFigures PeriodFigures::CountDown() const {
  CountDownFigures sum;
  for (auto game = games_.first; game != games_.last; ++game) {
    sum += game->figures;
  }
  return sum;
}

int PeriodFigures::CountResults() const {
  return static_cast<int>(std::count_if(
      games_.first, games_.last, [](const StoredGame& game) { return game.result.has_value(); }));
}

std::optional<double> PeriodFigures::AverageResult() const {
  long long sum = 0;
  int count = 0;
  for (auto game = games_.first; game != games_.last; ++game) {
    if (game->result) {
      sum += *game->result;
      ++count;
    }
  }
  if (count == 0) {
    return std::nullopt;
  }
  return static_cast<double>(sum) / count;
}

std::optional<double> PeriodFigures::TargetHitRate() const {
  long long hits = 0;
  long long tries = 0;
  for (auto game = games_.first; game != games_.last; ++game) {
    if (game->targetHits) {
      hits += game->targetHits->hits;
      tries += game->targetHits->tries;
    }
  }
  if (tries <= 0) {
    return std::nullopt;
  }
  return static_cast<double>(hits) / static_cast<double>(tries) * 100.0;
}

std::optional<int> PeriodFigures::BestResult(BetterResult order) const {
  std::optional<int> best;
  for (auto game = games_.first; game != games_.last; ++game) {
    if (game->result && (!best || Beats(order, *game->result, *best))) {
      best = game->result;
    }
  }
  return best;
}

int PeriodFigures::CountHits(std::string_view filter) const {
  const auto field = FieldFilter::Classify(filter);
  int count = 0;
  for (auto turn = first_; turn != last_; ++turn) {
    for (const auto& hit : turn->hits) {
      count += field.MatchesHit(hit) ? 1 : 0;
    }
  }
  return count;
}

int PeriodFigures::CountAimHits(std::string_view filter, bool exact) const {
  const auto field = FieldFilter::Classify(filter);
  int count = 0;
  for (auto turn = first_; turn != last_; ++turn) {
    for (std::size_t dart = 0; dart < 3; ++dart) {
      const auto& hit = turn->hits[dart];
      count += field.MatchesHit(hit) && field.MatchesAim(turn->aims[dart], hit, exact) ? 1 : 0;
    }
  }
  return count;
}

double PeriodFigures::MarksPerRoundQuery() const {
  const int darts = CountDarts();
  if (darts == 0) {
    return 0.0;
  }
  int marks = 0;
  for (auto turn = first_; turn != last_; ++turn) {
    for (std::size_t dart = 0; dart < 3; ++dart) {
      const auto& hit = turn->hits[dart];
      for (const char* number : {"15", "16", "17", "18", "19", "20", "25"}) {
        if (hit.ends_with(number)) {
          marks += turn->marks[dart];
          break;
        }
      }
    }
  }
  return static_cast<double>(marks) / darts * 3.0;
}

StatisticsQuery::Averages PeriodFigures::GetAverages() const {
  StatisticsQuery::Averages averages;
  const int darts = CountDarts();
  if (darts == 0) {
    return averages;
  }
  std::optional<long long> points;
  for (auto turn = first_; turn != last_; ++turn) {
    if (turn->counts && turn->score) {
      points = points.value_or(0) + *turn->score;
    }
  }
  if (points) {
    averages.average = static_cast<double>(*points) / (darts / 3.0);
    averages.perDart = static_cast<double>(*points) / darts;
  }
  return averages;
}

int PeriodFigures::HighScore() const {
  int best = 0;
  for (auto turn = first_; turn != last_; ++turn) {
    if (turn->counts && turn->score)
      best = std::max(best, *turn->score);
  }
  return best;
}

int PeriodFigures::BestCheckout() const {
  int best = 0;
  for (auto turn = first_; turn != last_; ++turn) {
    if (turn->wins && turn->counts && turn->score)
      best = std::max(best, *turn->score);
  }
  return best;
}

int PeriodFigures::CountTurnsInRange(int low, int high) const {
  return static_cast<int>(std::count_if(first_, last_, [&](const StoredTurn& turn) {
    return turn.counts && turn.score && *turn.score >= low && *turn.score < high;
  }));
}

PeriodFigures::ShortestWin PeriodFigures::FindShortestWin() const {
  std::map<std::string, int> turnsOfWonGames;
  for (auto turn = first_; turn != last_; ++turn) {
    if (turn->wins)
      turnsOfWonGames.emplace(turn->gameId, 0);
  }
  for (auto turn = first_; turn != last_; ++turn) {
    if (const auto game = turnsOfWonGames.find(turn->gameId); game != turnsOfWonGames.end()) {
      ++game->second;
    }
  }
  ShortestWin shortest;
  for (const auto& [gameId, turns] : turnsOfWonGames) {  // by game id on equal counts
    if (shortest.turns == 0 || turns < shortest.turns) {
      shortest = {turns, gameId};
    }
  }
  return shortest;
}

int PeriodFigures::TurnsInShortestWin() const {
  return FindShortestWin().turns;
}

int PeriodFigures::DartsInShortestWin() const {
  const auto gameId = FindShortestWin().gameId;
  if (gameId.empty()) {
    return 0;
  }
  // A game's turns all carry its moment, so they all lie in the period.
  int darts = 0;
  for (auto turn = first_; turn != last_; ++turn) {
    if (turn->gameId != gameId) {
      continue;
    }
    for (const auto& hit : turn->hits) {
      darts += hit != "na" ? 1 : 0;
    }
  }
  return darts;
}

}  // namespace korvanti

namespace korvanti {

// The aim condition of the landing positions: a code must be the aim, a
// number above 9 must end it, a number from 0 to 9 is one of its four fields;
// no filter takes every dart thrown.
std::array<std::vector<BoardPoint>, 3> PeriodFigures::HitPoints(std::string_view filter) const {
  const bool isNumber =
      !filter.empty() && filter.find_first_not_of("0123456789") == std::string_view::npos;
  const auto aimed = [&](const std::string& aim) {
    if (filter.empty()) {
      return true;
    }
    if (!isNumber) {
      return aim == filter;
    }
    const auto significant = filter.find_first_not_of('0');
    if (significant != std::string_view::npos && filter.size() - significant > 1) {
      return aim.ends_with(filter);  // above 9
    }
    const std::string digit(1, significant == std::string_view::npos ? '0' : filter.back());
    return aim == "LS" + digit || aim == "SS" + digit || aim == "D" + digit || aim == "T" + digit;
  };
  std::array<std::vector<BoardPoint>, 3> points;
  for (auto turn = first_; turn != last_; ++turn) {
    if (turn->datetime >= positionsBefore_) {
      continue;
    }
    for (std::size_t dart = 0; dart < 3; ++dart) {
      if (turn->hits[dart] != "na" && turn->landed[dart] && aimed(turn->aims[dart])) {
        points[dart].push_back(*turn->landed[dart]);
      }
    }
  }
  return points;
}

}  // namespace korvanti
