#pragma once

#include <string>
#include <vector>

#include "analysis/ScatterFit.h"
#include "platform/DateTime.h"

namespace korvanti {

class Database;

// Whose darts: one player's, of one game type (every type for an empty key),
// of games saved after `from` and not after `to`; with `newestTurns` only
// that many of those turns, the newest games first.
struct AimedDartSelection {
  std::string playerId;
  std::string gameTypeKey;
  DateTimeNumber from = 0;
  DateTimeNumber to = 0;
  int newestTurns = 0;  // 0: all
};

// The selection's darts that have both an aim and a landing position. The
// aim point is the stored aim position when there is one, else the aim point
// of the aimed field; darts aimed at no board field, or with no landing
// position, are not aimed darts.
std::vector<AimedDart> LoadAimedDarts(Database& database, const AimedDartSelection& selection);

// The scatter fit of those darts.
ScatterFit FitStoredScatter(Database& database, const AimedDartSelection& selection);

}  // namespace korvanti
