#include "store/StatisticsQuery.h"

#include "platform/NumberFormat.h"

#include "engine/FieldCode.h"
#include "store/Database.h"
#include "store/ScopedTransaction.h"
#include "store/SqlStatement.h"

namespace korvanti {
namespace {

QVariant Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr const char* kHitColumns[] = {"throw.hit1value", "throw.hit2value", "throw.hit3value"};
constexpr const char* kAimColumns[] = {"throw.aim1value", "throw.aim2value", "throw.aim3value"};

void Append(std::vector<QVariant>& values, const std::vector<QVariant>& more) {
  values.insert(values.end(), more.begin(), more.end());
}

// "CASE WHEN <condition> THEN 1 ELSE 0 END" summed over the three darts.
SqlCondition CountOverDarts(const std::vector<SqlCondition>& perDart) {
  SqlCondition sum;
  for (const auto& dart : perDart) {
    sum.text += std::string(sum.text.empty() ? "" : " + ") + "CASE WHEN " + dart.text +
                " THEN 1 ELSE 0 END";
    Append(sum.values, dart.values);
  }
  return sum;
}

}  // namespace

long long StatisticsQuery::Integer(const std::string& statement,
                                   const std::vector<QVariant>& values) {
  SqlStatement query(database_, statement);
  for (const auto& value : values) {
    query.Bind(value);
  }
  query.Execute();
  return query.Next() ? query.Integer(0) : 0;
}

std::vector<std::vector<QVariant>> StatisticsQuery::Rows(const std::string& statement,
                                                         const std::vector<QVariant>& values) {
  SqlStatement query(database_, statement);
  for (const auto& value : values) {
    query.Bind(value);
  }
  query.Execute();
  std::vector<std::vector<QVariant>> rows;
  while (query.Next()) {
    std::vector<QVariant> row;
    for (int column = 0; column < query.ColumnCount(); ++column) {
      row.push_back(query.Value(column));
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

SqlCondition StatisticsQuery::Selection(bool withType, bool endIncluded) const {
  SqlCondition condition{
      std::string("game.datetime > ? AND game.datetime ") + (endIncluded ? "<=" : "<") + " ?",
      {dateFrom, dateTo}};
  if (withType) {
    condition.text += " AND game.gametypesid = ?";
    condition.values.push_back(Text(gameTypeKey));
  }
  return condition;
}

SqlCondition StatisticsQuery::PlayersTurns(bool withType) const {
  auto selection = Selection(withType);
  SqlCondition condition{"throw.playerid = ? AND " + selection.text, {Text(playerId)}};
  Append(condition.values, selection.values);
  return condition;
}

std::vector<std::string> StatisticsQuery::PlayerIdsByNickname() {
  std::vector<std::string> ids;
  for (const auto& row : Rows("SELECT playerid FROM player ORDER BY nickname ASC", {})) {
    ids.push_back(row[0].toString().toStdString());
  }
  return ids;
}

std::optional<StatisticsQuery::Names> StatisticsQuery::GetPlayerNames(std::string_view playerId) {
  const auto rows =
      Rows("SELECT vorname, nachname, nickname FROM player WHERE playerid = ?", {Text(playerId)});
  if (rows.empty()) {
    return std::nullopt;
  }
  return Names{rows[0][0].toString().toStdString(), rows[0][1].toString().toStdString(),
               rows[0][2].toString().toStdString()};
}

std::vector<StatisticsQuery::PlayerWithNames> StatisticsQuery::PlayersByNickname() {
  std::vector<PlayerWithNames> players;
  for (const auto& row :
       Rows("SELECT playerid, vorname, nachname, nickname FROM player ORDER BY nickname ASC", {})) {
    players.push_back({row[0].toString().toStdString(),
                       {row[1].toString().toStdString(), row[2].toString().toStdString(),
                        row[3].toString().toStdString()}});
  }
  return players;
}

int StatisticsQuery::CountDartsWhere(const std::vector<SqlCondition>& perDart) {
  const auto sum = CountOverDarts(perDart);
  const auto where = PlayersTurns(!allTypes);
  auto values = sum.values;
  Append(values, where.values);
  return static_cast<int>(Integer("SELECT SUM(" + sum.text +
                                      ") FROM game INNER JOIN throw ON game.gameid = "
                                      "throw.gameid WHERE " +
                                      where.text,
                                  values));
}

int StatisticsQuery::CountHits(std::string_view filter) {
  const auto field = FieldFilter::Classify(filter);
  std::vector<SqlCondition> perDart;
  for (const char* column : kHitColumns) {
    perDart.push_back(field.OnColumn(column));
  }
  return CountDartsWhere(perDart);
}

int StatisticsQuery::CountAimHits(std::string_view filter, bool exact) {
  const auto field = FieldFilter::Classify(filter);
  std::vector<SqlCondition> perDart;
  for (std::size_t i = 0; i < 3; ++i) {
    auto aim = field.OnAim(kAimColumns[i], kHitColumns[i], exact);
    const auto hit = field.OnColumn(kHitColumns[i]);
    aim.text = "(" + aim.text + " AND " + hit.text + ")";
    Append(aim.values, hit.values);
    perDart.push_back(std::move(aim));
  }
  return CountDartsWhere(perDart);
}

int StatisticsQuery::CountHitsInGame(std::string_view gameId) {
  if (gameId.empty()) {
    return 0;
  }
  std::vector<SqlCondition> perDart;
  for (const char* column : kHitColumns) {
    perDart.push_back({std::string(column) + " <> 'na'", {}});
  }
  return static_cast<int>(Integer("SELECT SUM(" + CountOverDarts(perDart).text +
                                      ") FROM throw WHERE throw.gameid = ? AND throw.playerid = ?",
                                  {Text(gameId), Text(playerId)}));
}

// Marks of darts on 15 to 20 and the bull; always for the one game type.
int StatisticsQuery::SumMarks() {
  std::string sum;
  for (int i = 1; i <= 3; ++i) {
    const std::string column = "throw.hit" + std::to_string(i) + "value";
    std::string onCricketNumber;
    for (const char* number : {"15", "16", "17", "18", "19", "20", "25"}) {
      onCricketNumber +=
          std::string(onCricketNumber.empty() ? "" : " OR ") + column + " LIKE '%" + number + "'";
    }
    sum += std::string(sum.empty() ? "" : " + ") + "CASE WHEN " + onCricketNumber +
           " THEN throw.hit" + std::to_string(i) + "tocount ELSE 0 END";
  }
  const auto where = PlayersTurns(true);
  return static_cast<int>(Integer("SELECT SUM(" + sum +
                                      ") FROM game INNER JOIN throw ON game.gameid = "
                                      "throw.gameid WHERE " +
                                      where.text,
                                  where.values));
}

double StatisticsQuery::MarksPerRoundQuery() {
  const int darts = CountDarts();
  if (darts == 0) {
    return 0.0;
  }
  return static_cast<double>(SumMarks()) / darts * 3.0;
}

StatisticsQuery::Positions StatisticsQuery::HitPositions(std::string_view filter, int dart) {
  Positions positions;
  const std::string text(filter);
  std::string* lists[] = {&positions.dart1, &positions.dart2, &positions.dart3};
  for (int i = 1; i <= 3; ++i) {
    if (dart != 0 && dart != i) {
      continue;
    }
    const auto n = std::to_string(i);
    SqlCondition aim;
    if (!text.empty()) {
      const auto number = ParseDecimalInteger(text);
      const bool isNumber =
          number && *number >= 0 && text.find_first_not_of("0123456789") == std::string::npos;
      if (!isNumber) {
        aim = {"throw.aim" + n + "value = ?", {Text(text)}};
      } else if (*number > 9) {
        aim = {"throw.aim" + n + "value LIKE ?", {Text("%" + text)}};
      } else {
        aim = FourCodesOf("throw.aim" + n + "value", std::to_string(*number));
      }
      aim.text += " AND ";
    }
    const auto selection = Selection(!allTypes, false);
    std::vector<QVariant> values{Text(playerId)};
    Append(values, aim.values);
    Append(values, selection.values);
    const auto rows = Rows("SELECT throw.hit" + n + "x, throw.hit" + n +
                               "y FROM (gametypes INNER JOIN game ON gametypes.gametypesid = "
                               "game.gametypesid) INNER JOIN throw ON game.gameid = throw.gameid "
                               "WHERE throw.playerid = ? AND " +
                               aim.text + "throw.hit" + n + "value <> 'na' AND throw.hit" + n +
                               "x IS NOT NULL AND " + selection.text +
                               " ORDER BY game.datetime, throw.Zeitstempel",
                           values);
    auto& list = *lists[i - 1];
    for (const auto& row : rows) {
      list += (list.empty() ? "" : ",") + std::to_string(row[0].toLongLong()) + "=" +
              std::to_string(row[1].toLongLong());
    }
  }
  for (const auto* list : lists) {
    positions.all += (positions.all.empty() || list->empty() ? "" : ",") + *list;
  }
  return positions;
}

StatisticsQuery::Deleted StatisticsQuery::DeleteStatistics() {
  const auto where = PlayersTurns(!allTypes);
  const auto run = [&](const std::string& text, const std::vector<QVariant>& values) {
    SqlStatement statement(database_, text);
    for (const auto& value : values) {
      statement.Bind(value);
    }
    statement.Execute();
    return statement.RowsAffected();
  };
  ScopedTransaction deletion(database_);
  // The games the player threw in, remembered before his turns go.
  const auto games = database_.Dialect().TemporaryTable("statisticsgames");
  ExecuteStatement(database_, "CREATE TEMP TABLE IF NOT EXISTS statisticsgames (gameid TEXT)");
  ExecuteStatement(database_, "DELETE FROM " + games);
  run("INSERT INTO " + games +
          " SELECT DISTINCT game.gameid FROM game INNER JOIN throw "
          "ON game.gameid = throw.gameid WHERE " +
          where.text,
      where.values);
  for (const char* table : {"doublerate", "trainingresult"}) {
    run("DELETE FROM " + std::string(table) +
            " WHERE playerid = ? AND gameid IN (SELECT gameid FROM " + games + ")",
        {Text(playerId)});
  }
  Deleted deleted;
  deleted.turns =
      run("DELETE FROM throw WHERE playerid = ? AND gameid IN (SELECT gameid FROM " + games + ")",
          {Text(playerId)});
  const std::string emptied = "(SELECT gameid FROM " + games +
                              " WHERE NOT EXISTS "
                              "(SELECT 1 FROM throw WHERE throw.gameid = statisticsgames.gameid))";
  run("DELETE FROM doublerate WHERE gameid IN " + emptied, {});
  run("DELETE FROM trainingresult WHERE gameid IN " + emptied, {});
  deleted.games = run("DELETE FROM game WHERE gameid IN " + emptied, {});
  ExecuteStatement(database_, "DELETE FROM " + games);
  deletion.Commit();
  return deleted;
}

}  // namespace korvanti
