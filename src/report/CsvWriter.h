#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace korvanti {

class Database;
struct StatisticsTable;
struct StoredDartFilter;

// One CSV line; fields with a comma, a quote or a line break are quoted.
void WriteCsvLine(std::ostream& out, const std::vector<std::string>& fields);

// A statistics table as the window shows it: the captions, then one line per
// row with its period columns.
void WriteStatisticsCsv(std::ostream& out, const StatisticsTable& table);

// What an exported table was chosen by, as the window shows it.
struct StatisticsCsvHeading {
  std::string player;    // the nickname
  std::string gameType;  // the type list's entry, "Alle" for every type
  std::string interval;  // "täglich", "pro Woche", ...
  std::string field;     // the aim-and-hit view's field selection
};

// The table after lines naming the player, game type, field selection (in
// the aim-and-hit view), interval and the period counted, and an empty line:
// a file read later says what it holds.
void WriteStatisticsCsv(std::ostream& out, const StatisticsTable& table,
                        const StatisticsCsvHeading& heading);

// The columns of the dart export.
std::vector<std::string> DartCsvColumns();
// Every stored dart of the filter, one line each, after the captions.
// Returns the number of darts written.
long long WriteDartsCsv(std::ostream& out, Database& database, const StoredDartFilter& filter);

}  // namespace korvanti
