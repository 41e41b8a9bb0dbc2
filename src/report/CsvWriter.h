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

// The columns of the dart export.
std::vector<std::string> DartCsvColumns();
// Every stored dart of the filter, one line each, after the captions.
// Returns the number of darts written.
long long WriteDartsCsv(std::ostream& out, Database& database, const StoredDartFilter& filter);

}  // namespace korvanti
