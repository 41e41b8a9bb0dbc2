#include "engine/BullOff.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "engine/BoardGeometry.h"

namespace korvanti {

double BullDistanceMillimetres(int x, int y) {
  return std::hypot(x - board::kBullX, y - board::kBullY) * board::kMillimetresPerPixel;
}

BullOff::BullOff(std::size_t players) : distances_(players) {
  if (players == 0) {
    throw std::invalid_argument("a bull-off needs players");
  }
  for (std::size_t i = 0; i < players; ++i) {
    inRound_.push_back(i);
  }
  waiting_ = inRound_;
  if (players == 1) {
    winner_ = 0;
    waiting_.clear();
  }
}

std::optional<std::size_t> BullOff::NextThrower() const {
  if (waiting_.empty()) {
    return std::nullopt;
  }
  return waiting_.front();
}

void BullOff::Throw(double millimetres) {
  if (waiting_.empty()) {
    throw std::logic_error("nobody is to throw at the bull");
  }
  distances_.at(waiting_.front()) = millimetres;
  waiting_.erase(waiting_.begin());
  if (waiting_.empty()) {
    Judge();
  }
}

// Everyone of the round has thrown: the nearest wins, or those tied with him
// throw again.
void BullOff::Judge() {
  double nearest = INFINITY;
  for (const auto player : inRound_) {
    nearest = std::min(nearest, *distances_[player]);
  }
  std::vector<std::size_t> tied;
  for (const auto player : inRound_) {
    if (*distances_[player] - nearest < kTie) {
      tied.push_back(player);
    }
  }
  if (tied.size() == 1) {
    winner_ = tied.front();
    return;
  }
  inRound_ = tied;
  waiting_ = tied;
  ++round_;
}

}  // namespace korvanti
