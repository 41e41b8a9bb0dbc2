#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/TrainingResult.h"
#include "platform/DateTime.h"

namespace korvanti {

class Database;

// A player's record in one training with personal bests.
struct PersonalBest {
  int trainings = 0;             // decided trainings with a result
  std::optional<int> best;       // nothing before the first
  DateTimeNumber bestDate = 0;   // when the best was first reached
  std::optional<double> recent;  // average of the last ten results
};

// Which trainings count: of the player, of one type, saved after `from` and
// not after `to`, without the game `leaveOut` (none when empty).
struct PersonalBestQuery {
  std::string playerId;
  std::string gameTypeKey;
  BetterResult order = BetterResult::Higher;
  DateTimeNumber from = 0;
  DateTimeNumber to = 1e9;
  std::string leaveOut;
};

PersonalBest ReadPersonalBest(Database& database, const PersonalBestQuery& query);

// The stored result of a player in one game, nothing when it keeps none.
std::optional<int> ReadTrainingResult(Database& database, std::string_view gameId,
                                      std::string_view playerId);

}  // namespace korvanti
