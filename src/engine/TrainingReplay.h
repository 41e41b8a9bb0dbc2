#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "engine/TrainingResult.h"
#include "engine/Turn.h"

namespace korvanti {

// The result one player's stored turns of a training give, played again
// through the training's rules on their own; nothing when the type keeps no
// result or the turns do not reach one. Files from before results were kept
// get theirs from here. Throws Error on a field code the rules cannot read.
struct ReplayedTraining {
  int result = 0;
  std::optional<TargetHits> targetHits;
};
std::optional<ReplayedTraining> ReplayTraining(std::string_view gameTypeKey,
                                               const std::vector<Turn>& turns);

}  // namespace korvanti
