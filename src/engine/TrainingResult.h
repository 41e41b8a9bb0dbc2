#pragma once

#include <optional>
#include <string_view>

namespace korvanti {

// Whether a training's result is better the higher or the lower it is.
enum class BetterResult { Higher, Lower };

// The trainings that keep a result per player, and which way it improves:
// the practice routines, the segment trainings, Shanghai, round the board and
// the checkout training. Nothing for every other game type.
std::optional<BetterResult> ResultOrder(std::string_view gameTypeKey);

// How often a player's darts (Catch 40: his targets) hit what the training
// asked for.
struct TargetHits {
  int hits = 0;
  int tries = 0;
  bool operator==(const TargetHits&) const = default;
};

// Whether `result` beats `best` in that order (an equal result does not).
constexpr bool Beats(BetterResult order, int result, int best) {
  return order == BetterResult::Higher ? result > best : result < best;
}

}  // namespace korvanti
