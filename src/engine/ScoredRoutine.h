#pragma once

#include <string>

#include "engine/PlayerTurns.h"

namespace korvanti {

// A practice routine that keeps a score from its rounds' targets (Bob's 27,
// Halve-It): what its list shows of each player besides the score.
class ScoredRoutine {
 public:
  virtual ~ScoredRoutine() = default;
  // The player's next target as a player says it ("D7", "T", "Bull"); empty
  // once his training is over.
  virtual std::string PlayerTarget(const PlayerTurns& turns) const = 0;
  // The booked darts that hit their round's target.
  virtual int HitsOnTargets(const PlayerTurns& turns) const = 0;
};

}  // namespace korvanti
