#pragma once

#include <string>
#include <vector>

#include "engine/GameCatalog.h"
#include "platform/DateTime.h"
#include "platform/NumberFormat.h"
#include "report/OverviewCell.h"

namespace korvanti {

class Database;
struct PlayerTotals;

// A statistics column of the start window's player overview: its caption and
// what it counts, for the header's tooltip (empty: the caption says it all).
struct OverviewColumn {
  std::string caption;
  std::string hint;
  bool operator==(const OverviewColumn&) const = default;
};

// The statistics columns for a game kind (after the column "Spieler").
std::vector<OverviewColumn> OverviewColumns(GameKind kind);
// The columns of the entry: its kind's, then for a training with personal
// bests the trainings, the best, the average of the last ten and the date of
// the best.
std::vector<OverviewColumn> OverviewColumns(const GameCatalogEntry* entry);

struct OverviewFigures {
  std::vector<OverviewCell> cells;  // one per column of the kind: text and figure
  double referenceAverage = 0;      // the player's long-term value for the kind
  double referenceAverage501 = 0;   // three-dart average in "const501dout" ("out" only)
};

// The statistics texts of one player from his totals for the entry's type
// and, for the kind "out", for "const501dout".
OverviewFigures OverviewTexts(const PlayerTotals& totals, const PlayerTotals& totals501,
                              GameKind kind, NumberSeparators separators = {});

struct OverviewRow {
  std::string playerId;
  std::string caption;  // first name "nickname" last name
  OverviewFigures figures;
};

// Every player in nickname order with his figures for the entry of the start
// window, over the period from `from` to `now`.
std::vector<OverviewRow> PlayerOverview(Database& database, const GameCatalogEntry* entry,
                                        DateTimeNumber from, DateTimeNumber now,
                                        NumberSeparators separators = {});

}  // namespace korvanti
