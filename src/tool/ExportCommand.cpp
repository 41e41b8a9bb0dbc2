#include "ExportCommand.h"

#include <iostream>

#include "ToolArguments.h"
#include "ToolDatabase.h"
#include "UsageError.h"
#include "report/CsvWriter.h"
#include "store/Database.h"
#include "store/DatabaseArchive.h"
#include "store/StoredDarts.h"

namespace korvanti {

const char* const kExportUsage =
    "korvanti-tool export --db DB [--player NICK] [--from DATUM] [--to DATUM]\n"
    "  Schreibt jeden gespeicherten Dart als CSV-Zeile auf die Standardausgabe: datetime,\n"
    "  player, gametype, gameid, turn, dart, hit, points, hit_x, hit_y, aim, aim_x, aim_y.\n"
    "  --to mit einem Datum ohne Uhrzeit schließt den ganzen Tag ein.\n";

namespace {

// A date without a time of day as the end of a period means the whole day.
DateTimeNumber PeriodEnd(const std::string& text) {
  const auto value = ParseDate(text);
  constexpr std::size_t kDateOnly = 10;  // "JJJJ-MM-TT"
  return text.size() == kDateOnly ? IncDay(value, 1) - 1.0 / 86'400'000.0 : value;
}

}  // namespace

int RunExportCommand(std::span<const std::string_view> raw) {
  const ToolArguments arguments(raw, {"--db", "--player", "--from", "--to"});
  StoredDartFilter filter;
  if (const auto from = arguments.Get("--from")) {
    filter.from = ParseDate(*from);
  }
  if (const auto to = arguments.Get("--to")) {
    filter.to = PeriodEnd(*to);
  }
  if (filter.from && filter.to && *filter.from > *filter.to) {
    throw UsageError("--from liegt nach --to; der Zeitraum ist leer.");
  }
  auto database =
      OpenToolDatabase(DatabaseArgument(arguments.Required("--db"), DatabaseFile::MustExist),
                       DatabaseAccess::ReadOnly);
  if (const auto nickname = arguments.Get("--player")) {
    const auto playerId = DatabaseArchive(*database).FindPlayerIdByNickname(*nickname);
    if (!playerId) {
      throw UsageError("Einen Spieler \"" + *nickname + "\" gibt es in der Datenbank nicht.");
    }
    filter.playerId = *playerId;
  }
  WriteDartsCsv(std::cout, *database, filter);
  return 0;
}

}  // namespace korvanti
