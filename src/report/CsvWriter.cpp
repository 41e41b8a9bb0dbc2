#include "report/CsvWriter.h"

#include <cstdio>

#include "report/PeriodText.h"
#include "report/StatisticsReport.h"
#include "store/StoredDarts.h"

namespace korvanti {
namespace {

// "2026-05-10T21:00:00", local time as stored.
std::string IsoDateTime(DateTimeNumber value) {
  const auto t = DecodeDateTime(value);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                t.minute, t.second);
  return text;
}

}  // namespace

void WriteCsvLine(std::ostream& out, const std::vector<std::string>& fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const auto& field = fields[i];
    if (i > 0)
      out << ',';
    if (field.find_first_of(",\"\n\r") == std::string::npos) {
      out << field;
      continue;
    }
    out << '"';
    for (const char c : field) {
      out << c;
      if (c == '"')
        out << '"';
    }
    out << '"';
  }
  out << '\n';
}

void WriteStatisticsCsv(std::ostream& out, const StatisticsTable& table) {
  WriteCsvLine(out, table.columns);
  for (const auto& row : table.rows) {
    auto line = row.row.cells;
    if (!HasPeriodColumns(table.kind)) {
      WriteCsvLine(out, line);
      continue;
    }
    auto period = PeriodColumnTexts(row.from, row.to, row.lastGame);
    line.push_back(std::move(period.from));
    line.push_back(std::move(period.to));
    WriteCsvLine(out, line);
  }
}

void WriteStatisticsCsv(std::ostream& out, const StatisticsTable& table,
                        const StatisticsCsvHeading& heading) {
  WriteCsvLine(out, {"Spieler", heading.player});
  WriteCsvLine(out, {"Spiel/Training", heading.gameType});
  if (table.kind == StatisticsTableKind::AimAndHit) {
    WriteCsvLine(out, {"Feldauswahl", heading.field});
  }
  if (HasPeriodColumns(table.kind)) {
    WriteCsvLine(out, {"Intervall", heading.interval});
  }
  WriteCsvLine(out, {"Zeitraum", PeriodBoundText(table.from), PeriodBoundText(table.to)});
  out << '\n';
  WriteStatisticsCsv(out, table);
}

std::vector<std::string> DartCsvColumns() {
  return {"datetime", "player", "gametype", "gameid", "turn",  "dart", "hit",
          "points",   "hit_x",  "hit_y",    "aim",    "aim_x", "aim_y"};
}

long long WriteDartsCsv(std::ostream& out, Database& database, const StoredDartFilter& filter) {
  WriteCsvLine(out, DartCsvColumns());
  long long count = 0;
  ForEachStoredDart(database, filter, [&](const StoredDart& dart) {
    const auto position = [&](int value) {
      return dart.hitPlaced ? std::to_string(value) : std::string();
    };
    WriteCsvLine(
        out, {IsoDateTime(dart.datetime), dart.nickname, dart.gameType, dart.gameId,
              std::to_string(dart.turn), std::to_string(dart.dart), dart.hit,
              dart.points ? std::to_string(*dart.points) : std::string(), position(dart.hitX),
              position(dart.hitY), dart.aim, std::to_string(dart.aimX), std::to_string(dart.aimY)});
    ++count;
  });
  return count;
}

}  // namespace korvanti
