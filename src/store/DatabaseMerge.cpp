#include "store/DatabaseMerge.h"

#include <QSqlField>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <map>
#include <set>
#include <system_error>

#include "platform/Error.h"
#include "platform/Guid.h"
#include "store/Database.h"
#include "store/Nicknames.h"
#include "store/ScopedTransaction.h"
#include "store/SqlStatement.h"

namespace korvanti {
namespace {

using PlayerIds = std::map<std::string, std::string>;  // source id to target id

// The columns both databases have, in the source's order.
QStringList SharedColumns(Database& from, Database& to, const QString& table) {
  const auto source = from.Connection().record(table);
  const auto target = to.Connection().record(table);
  QStringList columns;
  for (int i = 0; i < source.count(); ++i) {
    if (target.contains(source.fieldName(i))) {
      columns << source.fieldName(i);
    }
  }
  return columns;
}

bool IsPlayerColumn(const QString& column) {
  return column.compare("playerid", Qt::CaseInsensitive) == 0 ||
         column.compare("winnerid", Qt::CaseInsensitive) == 0;
}

// Copies the rows of `table` whose `key` is `value`, with the players' ids
// mapped; returns how many.
int CopyRows(Database& from, Database& to, const QString& table, const QString& key,
             const std::string& value, const PlayerIds& players) {
  const auto columns = SharedColumns(from, to, table);
  if (columns.isEmpty()) {
    return 0;
  }
  SqlStatement read(
      from,
      ("SELECT " + columns.join(", ") + " FROM " + table + " WHERE " + key + " = ?").toStdString());
  read.Bind(value).Execute();
  QStringList marks;
  for (int i = 0; i < columns.size(); ++i) {
    marks << "?";
  }
  const auto insertText =
      ("INSERT INTO " + table + " (" + columns.join(", ") + ") VALUES (" + marks.join(", ") + ")")
          .toStdString();
  int copied = 0;
  while (read.Next()) {
    SqlStatement insert(to, insertText);
    for (int i = 0; i < columns.size(); ++i) {
      auto cell = read.Value(i);
      if (IsPlayerColumn(columns[i]) && !cell.isNull()) {
        const auto found = players.find(cell.toString().toStdString());
        if (found != players.end()) {
          cell = QString::fromStdString(found->second);
        }
      }
      insert.Bind(cell);
    }
    insert.Execute();
    ++copied;
  }
  return copied;
}

bool Exists(Database& database, const char* sql, const std::string& id) {
  SqlStatement query(database, sql);
  query.Bind(id).Execute();
  return query.Next();
}

// Every player of the source: the target's player of the same nickname, or a
// new one with the source's names (and id, unless the target uses it).
PlayerIds MatchPlayers(Database& from, Database& to) {
  PlayerIds ids;
  SqlStatement players(from, "SELECT playerid, nickname FROM player");
  players.Execute();
  while (players.Next()) {
    const auto id = players.Text(0);
    const auto nickname = players.Text(1);
    if (const auto found = FindPlayerIdByNickname(to, nickname)) {
      ids[id] = *found;
      continue;
    }
    auto newId = Exists(to, "SELECT 1 FROM player WHERE playerid = ?", id) ? NewGuidString() : id;
    ids[id] = newId;
    const PlayerIds self{{id, newId}};
    CopyRows(from, to, "player", "playerid", id, self);
  }
  return ids;
}

// An older file is lifted to the current version in a copy, never in place.
std::filesystem::path CopyOfSource(const std::filesystem::path& source,
                                   const QTemporaryDir& folder) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(source, error) ||
      std::filesystem::file_size(source, error) == 0) {
    throw Error("\"" + source.string() + "\" ist keine Datenbank von Korvanti.");
  }
  const auto copy = std::filesystem::path(folder.path().toStdString()) / "merge.mdb";
  std::filesystem::copy_file(source, copy, error);
  if (error) {
    throw Error("\"" + source.string() + "\" kann nicht gelesen werden: " + error.message());
  }
  return copy;
}

}  // namespace

std::string MergeReport::Text() const {
  return std::to_string(gamesAdded) + (gamesAdded == 1 ? " Spiel" : " Spiele") + " von " +
         std::to_string(players) + (players == 1 ? " Spieler" : " Spielern") + " übernommen, " +
         std::to_string(gamesPresent) + " schon vorhanden";
}

MergeReport MergeGamesFrom(Database& target, const std::filesystem::path& source) {
  std::error_code error;
  if (!target.OnServer() && std::filesystem::equivalent(source, target.Path(), error)) {
    throw Error("Die Spiele dieser Datei sind schon in der geöffneten Datenbank.");
  }
  const QTemporaryDir folder;
  if (!folder.isValid()) {
    throw Error("Kein Platz für eine Arbeitskopie von \"" + source.string() + "\".");
  }
  const auto copy = CopyOfSource(source, folder);
  std::unique_ptr<Database> from;
  try {
    from = Database::OpenFile(copy);
  } catch (const Error& refused) {
    // The refusal speaks of the copy; the user knows the file he chose.
    std::string text = refused.what();
    for (auto at = text.find(copy.string()); at != std::string::npos;
         at = text.find(copy.string(), at + source.string().size())) {
      text.replace(at, copy.string().size(), source.string());
    }
    throw Error(text);
  }
  MergeReport report;
  ScopedTransaction merge(target);
  const auto players = MatchPlayers(*from, target);
  std::set<std::string> playing;
  SqlStatement games(*from, "SELECT gameid, matchid FROM game ORDER BY datetime");
  games.Execute();
  while (games.Next()) {
    const auto gameId = games.Text(0);
    if (Exists(target, "SELECT 1 FROM game WHERE gameid = ?", gameId)) {
      ++report.gamesPresent;
      continue;
    }
    const auto matchId = games.Text(1);
    if (!matchId.empty() && !Exists(target, "SELECT 1 FROM matches WHERE matchid = ?", matchId)) {
      CopyRows(*from, target, "matches", "matchid", matchId, players);
    }
    // The game before its turns: the per-game totals follow the turns.
    CopyRows(*from, target, "game", "gameid", gameId, players);
    for (const char* table : {"throw", "doublerate", "trainingresult"}) {
      CopyRows(*from, target, table, "gameid", gameId, players);
    }
    SqlStatement who(*from, "SELECT DISTINCT playerid FROM throw WHERE gameid = ?");
    who.Bind(gameId).Execute();
    while (who.Next()) {
      playing.insert(players.count(who.Text(0)) ? players.at(who.Text(0)) : who.Text(0));
    }
    ++report.gamesAdded;
  }
  merge.Commit();
  report.players = static_cast<int>(playing.size());
  return report;
}

}  // namespace korvanti
