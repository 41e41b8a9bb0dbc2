#include "store/Einfuegen.h"

#include <algorithm>

#include "platform/DateTime.h"
#include "platform/Error.h"
#include "platform/Guid.h"
#include "store/Database.h"
#include "store/Nicknames.h"
#include "store/ScopedTransaction.h"
#include "store/SqlStatement.h"

namespace korvanti {

std::string Einfuegen::AppendGame(std::string_view gameid, std::string_view gametypesid,
                                  double when, std::string_view winthrowid) {
  SqlStatement(database_,
               "INSERT INTO game (gameid, gametypesid, datetime, winthrowid) VALUES (?, ?, ?, ?)")
      .Bind(gameid)
      .Bind(gametypesid)
      .Bind(when)
      .Bind(winthrowid)
      .Execute();
  return std::string(gameid);
}

void Einfuegen::AppendThrow(const Throwclass& turn, std::string_view gameid,
                            std::string_view playerid) {
  SqlStatement insert(
      database_,
      "INSERT INTO throw (throwid, aim1value, aim1x, aim1y, aim2value, aim2x, aim2y, aim3value, "
      "aim3x, aim3y, hit1value, hit1x, hit1y, hit1tocount, hit2value, hit2x, hit2y, hit2tocount, "
      "hit3value, hit3x, hit3y, hit3tocount, gameid, playerid, tocount, Zeitstempel) "
      "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
  insert.Bind(turn.throwid);
  for (const auto& dart : turn.hits) {
    insert.Bind(dart.aim).Bind(dart.aimx).Bind(dart.aimy);
  }
  for (const auto& dart : turn.hits) {
    insert.Bind(dart.hit).Bind(dart.hitx).Bind(dart.hity).Bind(dart.marks);
  }
  insert.Bind(gameid).Bind(playerid).Bind(turn.tocount ? 1 : 0).Bind(NextTimestamp());
  insert.Execute();
}

double Einfuegen::NextTimestamp() {
  constexpr double kMillisecond = 1.0 / 86'400'000.0;
  lastTimestamp_ = std::max(DateTimeNow(), lastTimestamp_ + kMillisecond);
  return lastTimestamp_;
}

void Einfuegen::AppendDoubleRate(std::string_view gameid, std::string_view playerid,
                                 int throwsatdouble, int hitsatdouble) {
  SqlStatement(database_,
               "INSERT INTO doublerate (indexid, gameid, playerid, throwsatdouble, hitsatdouble, "
               "zeitstempel) VALUES (?, ?, ?, ?, ?, ?)")
      .Bind(NewGuidString())
      .Bind(gameid)
      .Bind(playerid)
      .Bind(throwsatdouble)
      .Bind(hitsatdouble)
      .Bind(DateTimeNow())
      .Execute();
}

std::string Einfuegen::InsertPlayer(std::string_view vorname, std::string_view nachname,
                                    std::string_view nickname) {
  auto playerid = NewGuidString();
  SqlStatement(database_,
               "INSERT INTO player (playerid, vorname, nachname, nickname) VALUES (?, ?, ?, ?)")
      .Bind(playerid)
      .Bind(vorname)
      .Bind(nachname)
      .Bind(nickname)
      .Execute();
  return playerid;
}

std::string Einfuegen::AppendPlayer(std::string_view vorname, std::string_view nachname,
                                    std::string_view nickname) {
  const auto trimmed = TrimmedNickname(nickname);
  if (trimmed.empty()) {
    throw Error("Leider nicht genügend Felder ausgefüllt, bitte noch mal versuchen.");
  }
  ScopedTransaction addition(database_);
  if (FindPlayerIdByNickname(database_, trimmed)) {
    throw Error("Den Anzeigenamen \"" + trimmed + "\" gibt es schon, bitte einen anderen wählen.");
  }
  auto playerid = InsertPlayer(vorname, nachname, trimmed);
  addition.Commit();
  return playerid;
}

std::string Einfuegen::FindOrAppendPlayer(std::string_view nickname) {
  const auto trimmed = TrimmedNickname(nickname);
  if (trimmed.empty()) {
    throw Error("Leider nicht genügend Felder ausgefüllt, bitte noch mal versuchen.");
  }
  ScopedTransaction lookup(database_);
  auto playerid = FindPlayerIdByNickname(database_, trimmed);
  if (!playerid) {
    playerid = InsertPlayer(trimmed, "", trimmed);
  }
  lookup.Commit();
  return *playerid;
}

void Einfuegen::DeletePlayerAndThrows(std::string_view playerid) {
  ScopedTransaction deletion(database_);
  SqlStatement(database_,
               "DELETE FROM throw WHERE playerid = ? "
               "AND EXISTS (SELECT 1 FROM player WHERE player.playerid = throw.playerid)")
      .Bind(playerid)
      .Execute();
  SqlStatement count(database_, "SELECT COUNT(*) FROM player WHERE playerid = ?");
  count.Bind(playerid).Execute();
  if (count.Next() && count.Integer(0) == 1) {
    SqlStatement(database_, "DELETE FROM player WHERE playerid = ?").Bind(playerid).Execute();
  }
  deletion.Commit();
}

}  // namespace korvanti
