#include "engine/DesignedTraining.h"

#include "engine/FieldCode.h"

#include <algorithm>

namespace korvanti {
namespace {

std::size_t StartIndex(int progress, std::size_t size) {
  return progress < 0 || static_cast<std::size_t>(progress) >= size
             ? 0
             : static_cast<std::size_t>(progress);
}

// Whether the darts hit the open targets one after the other, removing each.
bool AllHitInSequence(std::vector<Dart> open, std::size_t index, const Turn& turn) {
  for (const auto& dart : turn.hits) {
    if (open.empty()) {
      return true;
    }
    if (!Game::AimMatches(open[index].aim, dart.hit)) {
      return false;
    }
    open.erase(open.begin() + static_cast<std::ptrdiff_t>(index));
    if (index >= open.size()) {
      index = 0;
    }
  }
  return true;
}

}  // namespace

void DesignedTraining::CountRounds() {
  rounds = static_cast<int>((targetSteps.size() + 2) / 3);
}

void DesignedTraining::InitGameType() {
  SetUp("constpractice_free1");
  CountRounds();
  undoAllowed = false;
}

void DesignedTraining::NewGame() {
  SegmentTraining::NewGame();
  BuildTargets();
  CountRounds();
}

Turn DesignedTraining::CurrentTargets() const {
  if (!closeAll) {
    return SegmentTraining::CurrentTargets();
  }
  const auto& player = CurrentPlayer();
  Turn targets;
  const auto& open = player.openTargets;
  if (open.empty()) {
    return targets;
  }
  auto index = StartIndex(player.turns.progress, open.size());
  const auto& current = player.turns.current;
  const int firstFree = current.FirstEmptyHit();
  const int entered = firstFree == 0 ? 3 : firstFree - 1;
  for (int dart = 1; dart <= entered; ++dart) {
    if (ignoreMisses || SameCodeIgnoringCase(current.Hit(dart).hit, open[index].aim)) {
      index = (index + 1) % open.size();
    }
  }
  for (int dart = entered + 1; dart <= 3; ++dart) {
    targets.Hit(dart).aim = open[index].aim;
    index = (index + 1) % open.size();
  }
  return targets;
}

bool DesignedTraining::CheckIn() {
  return closeAll ? CheckInClosingAll() : SegmentTraining::CheckIn();
}

bool DesignedTraining::CheckInClosingAll() {
  CommitTurn();
  auto& player = CurrentPlayer();
  auto& open = player.openTargets;
  auto index = StartIndex(player.turns.progress, open.size());
  bool done = open.empty();
  const auto& turn = player.turns.current;
  if (!done && (!closeInOne || AllHitInSequence(open, index, turn))) {
    for (const auto& dart : turn.hits) {
      if (AimMatches(open[index].aim, dart.hit)) {
        open.erase(open.begin() + static_cast<std::ptrdiff_t>(index));
        if (open.empty()) {
          done = true;
          break;
        }
        if (index >= open.size()) {
          index = 0;
        }
      } else if (ignoreMisses) {
        index = (index + 1) % open.size();
      }
    }
  }
  if (!done) {
    player.turns.progress = static_cast<int>(index);
  }
  player.turns.current.Clear();
  player.turns.current.counts = true;
  if (!done) {
    NextPlayer();
  }
  return true;
}

bool DesignedTraining::WouldCloseAll(const Player& player) const {
  auto open = player.openTargets;
  if (open.empty()) {
    return true;
  }
  auto index = StartIndex(player.turns.progress, open.size());
  const auto& turn = player.turns.current;
  if (closeInOne && !AllHitInSequence(open, index, turn)) {
    return false;
  }
  for (const auto& dart : turn.hits) {
    if (!dart.HasHit()) {
      break;
    }
    if (AimMatches(open[index].aim, dart.hit)) {
      open.erase(open.begin() + static_cast<std::ptrdiff_t>(index));
      if (open.empty()) {
        return true;
      }
      if (index >= open.size()) {
        index = 0;
      }
    } else {
      index = (index + 1) % open.size();
    }
  }
  return false;
}

bool DesignedTraining::IsFinished() const {
  if (!closeAll) {
    return SegmentTraining::IsFinished();
  }
  if (CurrentPlayer().openTargets.empty()) {
    return true;
  }
  // Someone near the end closes his last targets with the darts just thrown.
  return std::any_of(players.begin(), players.end(), [&](const Player* player) {
    return player->openTargets.size() <= 3 && player->turns.current.DartsEntered() > 0 &&
           WouldCloseAll(*player);
  });
}

int DesignedTraining::LeaderIndex() const {
  auto best = targetSteps.size();
  int leader = 0;
  for (std::size_t i = 0; i < players.Count(); ++i) {
    if (players.At(i).openTargets.size() < best) {
      best = players.At(i).openTargets.size();
      leader = static_cast<int>(i);
    }
  }
  return leader;
}

}  // namespace korvanti
