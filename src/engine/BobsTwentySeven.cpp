#include "engine/BobsTwentySeven.h"

#include "engine/FieldCode.h"

namespace korvanti {

std::string BobsTwentySeven::TargetCode(int step) {
  return step < kTargets - 1 ? "D" + std::to_string(step + 1) : std::string("D25");
}

int BobsTwentySeven::TargetValue(int step) {
  return FieldValue(TargetCode(step));
}

void BobsTwentySeven::InitGameType() {
  gameTypeKey = "constbobs27";
  rounds = kTargets;
}

void BobsTwentySeven::NewGame() {
  Game::NewGame();
  bookedBy_.clear();
  for (auto& player : players) {
    player->turns.score = kStartScore;
    player->turns.bookedScore = kStartScore;
    player->turns.progress = 0;
  }
}

int BobsTwentySeven::HitsOnTargets(const PlayerTurns& turns) const {
  int hits = 0;
  for (const auto& turn : turns.Turns()) {
    for (const auto& dart : turn.hits) {
      hits += dart.hit == TargetCode(turn.progressBefore) ? 1 : 0;
    }
  }
  return hits;
}

bool BobsTwentySeven::PlayerDone(const PlayerTurns& turns) {
  return turns.score <= 0 || turns.progress >= kTargets;
}

int BobsTwentySeven::ScoreAfter(const PlayerTurns& turns) {
  const auto target = TargetCode(turns.progress);
  int hits = 0;
  for (const auto& dart : turns.current.hits) {
    hits += dart.hit == target ? 1 : 0;
  }
  const int value = TargetValue(turns.progress);
  return turns.score + (hits > 0 ? hits * value : -value);
}

Turn BobsTwentySeven::CurrentTargets() const {
  Turn targets;
  const auto& turns = CurrentTurns();
  if (PlayerDone(turns)) {
    return targets;
  }
  for (int n = turns.current.FirstEmptyHit(); n >= 1 && n <= 3; ++n) {
    targets.Hit(n).aim = TargetCode(turns.progress);
  }
  return targets;
}

bool BobsTwentySeven::CheckIn() {
  auto& turns = CurrentTurns();
  if (PlayerDone(turns)) {
    return false;
  }
  CommitTurn();
  bookedBy_.push_back(currentPlayer);
  turns.score = ScoreAfter(turns);
  turns.bookedScore = turns.score;
  ++turns.progress;
  turns.current.Clear();
  turns.current.counts = true;
  if (IsFinished()) {
    return true;
  }
  // Players whose training has ended are passed over.
  do {
    NextPlayer();
  } while (PlayerDone(CurrentTurns()));
  return true;
}

void BobsTwentySeven::UndoCheckIn() {
  CurrentTurns().current.Clear();
  if (bookedBy_.empty()) {
    return;
  }
  currentPlayer = bookedBy_.back();
  bookedBy_.pop_back();
  auto& turns = CurrentTurns();
  const auto& last = turns.Last();
  turns.score = last.scoreBefore;
  turns.bookedScore = last.scoreBefore;
  turns.progress = last.progressBefore;
  turns.RemoveLastTurn();
  round = static_cast<int>(turns.Count()) + 1;
}

bool BobsTwentySeven::IsFinished() const {
  for (const auto* player : players) {
    const auto& turns = player->turns;
    const bool onTurn = player == &CurrentPlayer();
    if (onTurn && turns.current.IsComplete() && !PlayerDone(turns)) {
      // The turn in progress counts: it may be his last.
      if (ScoreAfter(turns) > 0 && turns.progress + 1 < kTargets) {
        return false;
      }
    } else if (!PlayerDone(turns)) {
      return false;
    }
  }
  return true;
}

}  // namespace korvanti
