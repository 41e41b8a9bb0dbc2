#include "play/DoubleStatistics.h"

namespace korvanti {

void DoubleStatistics::Record(int dart, bool hit) {
  current_.at(static_cast<std::size_t>(dart - 1)) = {1, hit ? 1 : 0};
}

void DoubleStatistics::Forget(int dart) {
  current_.at(static_cast<std::size_t>(dart - 1)) = {};
}

void DoubleStatistics::Book(const Player& player) {
  booked_[&player].push_back(current_);
  current_ = {};
}

void DoubleStatistics::TakeBack(const Player& player, std::size_t turns) {
  auto& booked = booked_[&player];
  booked.resize(booked.size() > turns ? booked.size() - turns : 0);
}

void DoubleStatistics::Clear() {
  current_ = {};
  booked_.clear();
}

void DoubleStatistics::Apply(PlayerList& players, const Player& onTurn) const {
  for (auto& player : players) {
    DartCount sum;
    const auto add = [&sum](const TurnCounts& turn) {
      for (const auto& dart : turn) {
        sum.thrown += dart.thrown;
        sum.hit += dart.hit;
      }
    };
    if (const auto found = booked_.find(player); found != booked_.end()) {
      for (const auto& turn : found->second) {
        add(turn);
      }
    }
    if (player == &onTurn) {
      add(current_);
    }
    player->doubleThrows = sum.thrown;
    player->doubleHits = sum.hit;
  }
}

}  // namespace korvanti
