#include "report/DoublesTable.h"

#include "store/GameFigures.h"

namespace korvanti {

std::vector<StatisticsRow> DoublesRows(const DoubleCounts& counts, NumberSeparators separators) {
  std::vector<StatisticsRow> rows;
  int total = 0;
  for (const int darts : counts.darts) {
    total += darts;
  }
  if (total <= 0) {
    return rows;
  }
  for (std::size_t i = 0; i < kDoubleNumbers.size(); ++i) {
    const int n = kDoubleNumbers[i];
    const int darts = counts.darts[i];
    const int hits = counts.hits[i];
    StatisticsRow row;
    row.cells = {n == 25 ? "Bull" : "D" + std::to_string(n), std::to_string(darts),
                 std::to_string(hits),
                 darts > 0 ? FormatFloat("0.00", 100.0 * hits / darts, separators) : "-"};
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace korvanti
