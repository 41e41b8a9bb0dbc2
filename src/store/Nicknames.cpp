#include "store/Nicknames.h"

#include <QString>

#include "store/SqlStatement.h"

namespace korvanti {

std::string TrimmedNickname(std::string_view nickname) {
  return QString::fromUtf8(nickname.data(), static_cast<qsizetype>(nickname.size()))
      .trimmed()
      .toStdString();
}

std::string NicknameKey(std::string_view nickname) {
  return QString::fromUtf8(nickname.data(), static_cast<qsizetype>(nickname.size()))
      .trimmed()
      .toCaseFolded()
      .toStdString();
}

std::optional<std::string> FindPlayerIdByNickname(Database& database, std::string_view nickname) {
  const auto key = NicknameKey(nickname);
  SqlStatement players(database, "SELECT playerid, nickname FROM player ORDER BY rowid");
  players.Execute();
  while (players.Next()) {
    if (NicknameKey(players.Text(1)) == key) {
      return players.Text(0);
    }
  }
  return std::nullopt;
}

}  // namespace korvanti
