#pragma once

#include <string>

#include "platform/DateTime.h"

namespace korvanti {

class Database;

// What the statistics window's "Löschen" removes: the player's turns of the
// type (every type for the empty key) in the period of the two dates,
// after `from` and not after `to` — the darts its tables are made of.
struct StatisticsSelection {
  std::string playerId;
  std::string nickname;
  std::string gameTypeKey;
  DateTimeNumber from = 0;
  DateTimeNumber to = 0;
};

// The question before the deletion: the window's question, then what will go
// (turns and games, whose, which types — the four cricket entries are stored
// under one key and go together —, the period).
std::string DeletionQuestion(Database& database, const StatisticsSelection& selection);

struct StatisticsDeleted {
  int turns = 0;
  int games = 0;
};
// Deletes the selection in one transaction, with the player's double rates of
// those games and the games left without turns.
StatisticsDeleted DeleteSelectedStatistics(Database& database,
                                           const StatisticsSelection& selection);

}  // namespace korvanti
