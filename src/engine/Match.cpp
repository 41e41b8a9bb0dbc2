#include "engine/Match.h"

#include <algorithm>
#include <stdexcept>

namespace korvanti {

MatchScore::MatchScore(MatchFormat format, std::size_t players, std::size_t firstStarter)
    : format_(format),
      firstStarter_(firstStarter),
      legs_(players, 0),
      sets_(players, 0),
      totalLegs_(players, 0) {
  if (players == 0 || firstStarter >= players) {
    throw std::invalid_argument("a match needs its players and a starter among them");
  }
  format_.legs = std::clamp(format_.legs, 1, MatchFormat::kMostLegs);
  format_.sets = std::clamp(format_.sets, 1, MatchFormat::kMostSets);
}

std::size_t MatchScore::Starter() const {
  const auto players = Players();
  const auto setStarter = firstStarter_ + static_cast<std::size_t>(set_ - 1);
  return (setStarter + static_cast<std::size_t>(leg_ - 1)) % players;
}

LegOutcome MatchScore::WinLeg(std::size_t player) {
  if (Finished()) {
    throw std::logic_error("the match is over");
  }
  ++legsPlayed_;
  ++totalLegs_.at(player);
  if (++legs_.at(player) < format_.legs) {
    ++leg_;
    return LegOutcome::Leg;
  }
  if (++sets_.at(player) >= format_.sets) {
    winner_ = player;
    return LegOutcome::Match;
  }
  std::fill(legs_.begin(), legs_.end(), 0);
  ++set_;
  leg_ = 1;
  return LegOutcome::Set;
}

}  // namespace korvanti
