#include "engine/CatchForty.h"

#include "engine/FieldCode.h"

namespace korvanti {
namespace {

constexpr int kNinetyNine = 99;  // no two darts finish it

enum class DartOutcome { Scored, CheckedOut, Bust };

DartOutcome Throw(int& left, const Dart& dart) {
  const int rest = left - FieldValue(dart.hit);
  if (rest == 0 && dart.IsHitDouble()) {
    left = 0;
    return DartOutcome::CheckedOut;
  }
  if (rest < 2) {
    return DartOutcome::Bust;
  }
  left = rest;
  return DartOutcome::Scored;
}

}  // namespace

int CatchForty::CheckoutPoints(int target, int darts) {
  if (darts <= 2 || (darts == 3 && target == kNinetyNine)) {
    return 3;
  }
  return darts == 3 ? 2 : 1;
}

CatchForty::Tally CatchForty::Replay(const std::vector<Turn>& turns) {
  Tally tally;
  const auto nextTarget = [&tally] {
    ++tally.target;
    tally.left = kFirstTarget + tally.target;
    tally.dartsOnTarget = 0;
  };
  for (const auto& turn : turns) {
    if (tally.target >= kTargets) {
      break;
    }
    bool ended = false;
    for (const auto& dart : turn.hits) {
      if (dart.hit.empty()) {
        break;
      }
      ++tally.dartsOnTarget;
      const auto outcome = Throw(tally.left, dart);
      if (outcome == DartOutcome::CheckedOut) {
        tally.points += CheckoutPoints(kFirstTarget + tally.target, tally.dartsOnTarget);
        ++tally.checkouts;
      }
      if (outcome != DartOutcome::Scored) {
        ended = true;
        break;
      }
    }
    if (ended || tally.dartsOnTarget >= kDartsPerTarget) {
      nextTarget();
    }
  }
  return tally;
}

void CatchForty::InitGameType() {
  SetRules(kFirstTarget, true, "constcatch40");
}

void CatchForty::NewGame() {
  CountDownGame::NewGame();
  Settle();
}

void CatchForty::Settle() {
  auto& turns = CurrentTurns();
  const auto tally = Current();
  turns.score = tally.target < kTargets ? tally.left : 0;
  turns.bookedScore = turns.score;
  turns.progress = tally.target;
}

bool CatchForty::TargetEnds() const {
  int left = CurrentTurns().score;
  for (const auto& dart : CurrentTurns().current.hits) {
    if (dart.hit.empty()) {
      break;
    }
    if (Throw(left, dart) != DartOutcome::Scored) {
      return true;
    }
  }
  return false;
}

bool CatchForty::IsTurnValid() {
  return CountDownGame::IsTurnValid();  // a bust shows as one; it ends the target all the same
}

bool CatchForty::IsTurnOver() const {
  return TargetEnds() || IsFinished();
}

bool CatchForty::IsFinished() const {
  const auto& turns = CurrentTurns();
  if (turns.progress >= kTargets) {
    return true;
  }
  if (turns.progress < kTargets - 1) {
    return false;
  }
  // The last target: over once the turn in progress ends it.
  const auto tally = Current();
  const int entered = turns.current.DartsEntered();
  return TargetEnds() || (entered == 3 && tally.dartsOnTarget + entered >= kDartsPerTarget);
}

bool CatchForty::CheckIn() {
  if (CurrentTurns().progress >= kTargets) {
    return false;
  }
  CommitTurn();
  auto& turns = CurrentTurns();
  turns.current.Clear();
  turns.current.counts = true;
  Settle();
  ++round;
  return true;
}

void CatchForty::UndoCheckIn() {
  CountDownGame::UndoCheckIn();
  Settle();
}

std::string CatchForty::GameOverText() const {
  const auto tally = Current();
  return "Practice over with " + std::to_string(tally.points) + " points, " +
         std::to_string(tally.checkouts) + " of " + std::to_string(kTargets) + " checked out.";
}

}  // namespace korvanti
