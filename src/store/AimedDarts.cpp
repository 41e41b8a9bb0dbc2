#include "store/AimedDarts.h"

#include "engine/FieldCode.h"
#include "store/Database.h"
#include "store/SqlStatement.h"

namespace korvanti {
namespace {

std::optional<AimedDart> AimedDartOf(const std::string& aim, BoardPoint aimAt,
                                     const std::string& hit, BoardPoint hitAt) {
  if (!IsBoardField(aim) || hit.empty() || hit == kNotThrownCode || hitAt == BoardPoint{}) {
    return std::nullopt;
  }
  const auto upper = UpperCase(aim);
  const auto target = TargetClassOf(upper);
  if (aimAt == BoardPoint{}) {
    const auto point = AimPointFor(upper);
    if (!point) {
      return std::nullopt;
    }
    aimAt = *point;
  }
  return AimedDart{aimAt, hitAt, target.value_or(TargetClass::Single), upper};
}

}  // namespace

std::vector<AimedDart> LoadAimedDarts(Database& database, const AimedDartSelection& selection) {
  const bool newest = selection.newestTurns > 0;
  // The newest turns walk the per-game totals backwards by date and stop at the limit.
  std::string text =
      "SELECT throw.aim1value, throw.aim1x, throw.aim1y, throw.hit1value, throw.hit1x, "
      "throw.hit1y, throw.aim2value, throw.aim2x, throw.aim2y, throw.hit2value, throw.hit2x, "
      "throw.hit2y, throw.aim3value, throw.aim3x, throw.aim3y, throw.hit3value, throw.hit3x, "
      "throw.hit3y FROM ";
  text += newest ? "gametotals AS game INNER JOIN throw ON game.gameid = throw.gameid "
                   "AND game.playerid = throw.playerid WHERE game.playerid = ? "
                 : "game INNER JOIN throw ON game.gameid = throw.gameid "
                   "WHERE throw.playerid = ? ";
  // Only turns with a dart that may be aimed: an aim and a landing position
  // (the full test is below); the newest turns count no others.
  text +=
      "AND game.datetime > ? AND game.datetime <= ? AND ("
      "(throw.aim1value <> '' AND (throw.hit1x <> 0 OR throw.hit1y <> 0)) OR "
      "(throw.aim2value <> '' AND (throw.hit2x <> 0 OR throw.hit2y <> 0)) OR "
      "(throw.aim3value <> '' AND (throw.hit3x <> 0 OR throw.hit3y <> 0)))";
  if (!selection.gameTypeKey.empty()) {
    text += " AND game.gametypesid = ?";
  }
  text += newest ? " ORDER BY game.datetime DESC, game.gameid, throw.Zeitstempel DESC LIMIT ?"
                 : " ORDER BY game.datetime, throw.gameid, throw.Zeitstempel";
  SqlStatement query(database, text);
  query.Bind(selection.playerId).Bind(selection.from).Bind(selection.to);
  if (!selection.gameTypeKey.empty()) {
    query.Bind(selection.gameTypeKey);
  }
  if (newest) {
    query.Bind(selection.newestTurns);
  }
  query.Execute();
  std::vector<AimedDart> darts;
  while (query.Next()) {
    for (int dart = 0; dart < 3; ++dart) {
      const int column = 6 * dart;
      const auto point = [&](int at) {
        return BoardPoint{static_cast<int>(query.Integer(column + at)),
                          static_cast<int>(query.Integer(column + at + 1))};
      };
      if (auto aimed =
              AimedDartOf(query.Text(column), point(1), query.Text(column + 3), point(4))) {
        darts.push_back(*aimed);
      }
    }
  }
  return darts;
}

ScatterFit FitStoredScatter(Database& database, const AimedDartSelection& selection) {
  const auto darts = LoadAimedDarts(database, selection);
  return FitScatter(darts);
}

}  // namespace korvanti
