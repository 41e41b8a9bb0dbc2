#include "engine/FreePractice.h"

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
bool AllHitInSequence(std::vector<Hitclass> open, std::size_t index, const Throwclass& turn) {
  for (const auto& dart : turn.hits) {
    if (open.empty()) {
      return true;
    }
    if (!BaseGameClass::AimMatches(open[index].aim, dart.hit)) {
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

void FreePractice::CountRounds() {
  rounds = static_cast<int>((targetlist.size() + 2) / 3);
}

void FreePractice::InitGameType() {
  SetUp("constpractice_free1");
  CountRounds();
  undoallowed = false;
}

void FreePractice::NewGame() {
  SegmentClass::NewGame();
  BuildTargets();
  CountRounds();
}

Throwclass FreePractice::CurrentTargets() const {
  if (!closeall) {
    return SegmentClass::CurrentTargets();
  }
  const auto& player = CurrentPlayer();
  Throwclass targets;
  const auto& open = player.opentargets;
  if (open.empty()) {
    return targets;
  }
  auto index = StartIndex(player.turns.progress, open.size());
  const auto& current = player.turns.current;
  const int firstFree = current.FirstEmptyHit();
  const int entered = firstFree == 0 ? 3 : firstFree - 1;
  for (int dart = 1; dart <= entered; ++dart) {
    if (ignoremisses || SameCodeIgnoringCase(current.Hit(dart).hit, open[index].aim)) {
      index = (index + 1) % open.size();
    }
  }
  for (int dart = entered + 1; dart <= 3; ++dart) {
    targets.Hit(dart).aim = open[index].aim;
    index = (index + 1) % open.size();
  }
  return targets;
}

bool FreePractice::CheckIn() {
  return closeall ? CheckInClosingAll() : SegmentClass::CheckIn();
}

bool FreePractice::CheckInClosingAll() {
  CommitTurn();
  auto& player = CurrentPlayer();
  auto& open = player.opentargets;
  auto index = StartIndex(player.turns.progress, open.size());
  bool done = open.empty();
  const auto& turn = player.turns.current;
  if (!done && (!closeinone || AllHitInSequence(open, index, turn))) {
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
      } else if (ignoremisses) {
        index = (index + 1) % open.size();
      }
    }
  }
  if (!done) {
    player.turns.progress = static_cast<int>(index);
  }
  player.turns.current.Clear();
  player.turns.current.tocount = true;
  if (!done) {
    NextPlayer();
  }
  return true;
}

bool FreePractice::WouldCloseAll(const Playerclass& player) const {
  auto open = player.opentargets;
  if (open.empty()) {
    return true;
  }
  auto index = StartIndex(player.turns.progress, open.size());
  const auto& turn = player.turns.current;
  if (closeinone && !AllHitInSequence(open, index, turn)) {
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

bool FreePractice::IsFinished() const {
  if (!closeall) {
    return SegmentClass::IsFinished();
  }
  if (CurrentPlayer().opentargets.empty()) {
    return true;
  }
  // Someone near the end closes his last targets with the darts just thrown.
  return std::any_of(players.begin(), players.end(), [&](const Playerclass* player) {
    return player->opentargets.size() <= 3 && player->turns.current.DartsEntered() > 0 &&
           WouldCloseAll(*player);
  });
}

int FreePractice::LeaderIndex() const {
  auto best = targetlist.size();
  int leader = 0;
  for (std::size_t i = 0; i < players.Count(); ++i) {
    if (players.Player(i).opentargets.size() < best) {
      best = players.Player(i).opentargets.size();
      leader = static_cast<int>(i);
    }
  }
  return leader;
}

}  // namespace korvanti
