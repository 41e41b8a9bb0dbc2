#include "store/Recorder.h"

#include <algorithm>

#include <QString>
#include <QVariant>

#include "platform/DateTime.h"
#include "platform/Error.h"
#include "platform/Guid.h"
#include "store/Database.h"
#include "store/Nicknames.h"
#include "store/ScopedTransaction.h"
#include "store/SqlStatement.h"

namespace korvanti {
namespace {

// NULL for an empty text: a game outside a match, a match not yet won.
QVariant TextOrNull(std::string_view text) {
  return text.empty()
             ? QVariant()
             : QVariant(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace

std::string Recorder::AppendGame(std::string_view gameId, std::string_view gameTypeKey, double when,
                                 std::string_view winningTurnId, std::string_view matchId,
                                 std::string_view boardName) {
  SqlStatement(database_,
               "INSERT INTO game (gameid, gametypesid, datetime, winthrowid, matchid, brett) "
               "VALUES (?, ?, ?, ?, ?, ?)")
      .Bind(gameId)
      .Bind(gameTypeKey)
      .Bind(when)
      .Bind(winningTurnId)
      .Bind(TextOrNull(matchId))
      .Bind(TextOrNull(boardName))
      .Execute();
  return std::string(gameId);
}

void Recorder::StoreMatch(const MatchRecord& match, std::string_view gameTypeKey) {
  SqlStatement(database_, "DELETE FROM matches WHERE matchid = ?").Bind(match.matchId).Execute();
  SqlStatement(database_,
               "INSERT INTO matches (matchid, gametypesid, legs, sets, starttime, endtime, "
               "winnerid, bulloff) VALUES (?, ?, ?, ?, ?, ?, ?, ?)")
      .Bind(match.matchId)
      .Bind(gameTypeKey)
      .Bind(match.legs)
      .Bind(match.sets)
      .Bind(match.startTime)
      .Bind(match.endTime > 0 ? QVariant(match.endTime) : QVariant())
      .Bind(TextOrNull(match.winnerId))
      .Bind(TextOrNull(match.bullOff))
      .Execute();
}

void Recorder::AppendThrow(const Turn& turn, std::string_view gameId, std::string_view playerId) {
  SqlStatement insert(
      database_,
      "INSERT INTO throw (throwid, aim1value, aim1x, aim1y, aim2value, aim2x, aim2y, aim3value, "
      "aim3x, aim3y, hit1value, hit1x, hit1y, hit1tocount, hit2value, hit2x, hit2y, hit2tocount, "
      "hit3value, hit3x, hit3y, hit3tocount, gameid, playerid, tocount, Zeitstempel) "
      "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
  insert.Bind(turn.turnId);
  for (const auto& dart : turn.hits) {
    insert.Bind(dart.aim).Bind(dart.aimX).Bind(dart.aimY);
  }
  for (const auto& dart : turn.hits) {
    // A typed dart has no landing position: its columns stay empty, so that
    // every figure drawn from positions leaves it out.
    insert.Bind(dart.hit)
        .Bind(dart.hitPlaced ? QVariant(dart.hitX) : QVariant())
        .Bind(dart.hitPlaced ? QVariant(dart.hitY) : QVariant())
        .Bind(dart.marks);
  }
  insert.Bind(gameId).Bind(playerId).Bind(turn.counts ? 1 : 0).Bind(NextTimestamp());
  insert.Execute();
}

double Recorder::NextTimestamp() {
  constexpr double kMillisecond = 1.0 / 86'400'000.0;
  lastTimestamp_ = std::max(DateTimeNow(), lastTimestamp_ + kMillisecond);
  return lastTimestamp_;
}

void Recorder::AppendDoubleRate(std::string_view gameId, std::string_view playerId,
                                int doubleThrows, int doubleHits) {
  SqlStatement(database_,
               "INSERT INTO doublerate (indexid, gameid, playerid, throwsatdouble, hitsatdouble, "
               "zeitstempel) VALUES (?, ?, ?, ?, ?, ?)")
      .Bind(NewGuidString())
      .Bind(gameId)
      .Bind(playerId)
      .Bind(doubleThrows)
      .Bind(doubleHits)
      .Bind(DateTimeNow())
      .Execute();
}

void Recorder::AppendTrainingResult(std::string_view gameId, std::string_view playerId, int result,
                                    std::optional<TargetHits> targetHits) {
  SqlStatement(database_,
               "INSERT INTO trainingresult (gameid, playerid, result, targethits, targettries) "
               "VALUES (?, ?, ?, ?, ?)")
      .Bind(gameId)
      .Bind(playerId)
      .Bind(result)
      .Bind(targetHits ? QVariant(targetHits->hits) : QVariant())
      .Bind(targetHits ? QVariant(targetHits->tries) : QVariant())
      .Execute();
}

std::string Recorder::InsertPlayer(std::string_view firstName, std::string_view lastName,
                                   std::string_view nickname) {
  auto playerId = NewGuidString();
  SqlStatement(database_,
               "INSERT INTO player (playerid, vorname, nachname, nickname) VALUES (?, ?, ?, ?)")
      .Bind(playerId)
      .Bind(firstName)
      .Bind(lastName)
      .Bind(nickname)
      .Execute();
  return playerId;
}

std::string Recorder::AppendPlayer(std::string_view firstName, std::string_view lastName,
                                   std::string_view nickname) {
  const auto trimmed = TrimmedNickname(nickname);
  if (trimmed.empty()) {
    throw Error("Leider nicht genügend Felder ausgefüllt, bitte noch mal versuchen.");
  }
  ScopedTransaction addition(database_);
  if (FindPlayerIdByNickname(database_, trimmed)) {
    throw Error("Den Anzeigenamen \"" + trimmed + "\" gibt es schon, bitte einen anderen wählen.");
  }
  auto playerId = InsertPlayer(firstName, lastName, trimmed);
  addition.Commit();
  return playerId;
}

std::string Recorder::FindOrAppendPlayer(std::string_view nickname) {
  const auto trimmed = TrimmedNickname(nickname);
  if (trimmed.empty()) {
    throw Error("Leider nicht genügend Felder ausgefüllt, bitte noch mal versuchen.");
  }
  ScopedTransaction lookup(database_);
  auto playerId = FindPlayerIdByNickname(database_, trimmed);
  if (!playerId) {
    playerId = InsertPlayer(trimmed, "", trimmed);
  }
  lookup.Commit();
  return *playerId;
}

void Recorder::DeletePlayerAndThrows(std::string_view playerId) {
  ScopedTransaction deletion(database_);
  SqlStatement(database_,
               "DELETE FROM throw WHERE playerid = ? "
               "AND EXISTS (SELECT 1 FROM player WHERE player.playerid = throw.playerid)")
      .Bind(playerId)
      .Execute();
  SqlStatement(database_,
               "DELETE FROM trainingresult WHERE playerid = ? "
               "AND EXISTS (SELECT 1 FROM player WHERE player.playerid = trainingresult.playerid)")
      .Bind(playerId)
      .Execute();
  SqlStatement count(database_, "SELECT COUNT(*) FROM player WHERE playerid = ?");
  count.Bind(playerId).Execute();
  if (count.Next() && count.Integer(0) == 1) {
    SqlStatement(database_, "DELETE FROM player WHERE playerid = ?").Bind(playerId).Execute();
  }
  deletion.Commit();
}

}  // namespace korvanti
