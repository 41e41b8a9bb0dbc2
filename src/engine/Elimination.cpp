#include "engine/Elimination.h"

namespace korvanti {

void Elimination::InitGameType() {
  startScore = 0;
  target = 301;
  gameTypeKey = "constelimination";
  undoAllowed = !doubleIn;
}

// A new game needs the opening double again, also in a follow-up game of a series.
void Elimination::NewGame() {
  Game::NewGame();
  for (auto& player : players) {
    player->turns.score = startScore;
    player->turns.checkedIn = false;
  }
}

bool Elimination::IsTurnValid() {
  auto& turns = CurrentTurns();
  auto& current = turns.current;
  const int total = turns.score + current.TurnScore(true);
  bool valid = total <= target;
  if (doubleOut) {
    valid = total == target || total <= target - 2;
    if (total == target && current.DartsEntered() > 0) {
      valid = current.Hit(current.DartsEntered()).IsHitDouble();
    }
  }
  current.counts = valid;
  return valid;
}

bool Elimination::IsFinished() const {
  const auto& turns = CurrentTurns();
  return turns.score + turns.current.TurnScore(false) == target;
}

// Until the opening double, darts score nothing: the first double checks the
// player in, every dart before it (thrown or not) becomes a miss.
void Elimination::ApplyDoubleIn() {
  auto& turns = CurrentTurns();
  if (!doubleIn || turns.checkedIn) {
    return;
  }
  for (auto& dart : turns.current.hits) {
    if (dart.IsHitDouble()) {
      turns.checkedIn = true;
      return;
    }
    dart.hit = "0";
  }
}

bool Elimination::CheckIn() {
  ApplyDoubleIn();
  CommitTurn();
  auto& turns = CurrentTurns();
  int runningTotal = turns.score;
  for (const auto& dart : turns.current.hits) {
    runningTotal += dart.HitValue();
    for (std::size_t i = 0; i < players.Count(); ++i) {
      auto& other = players.At(i).turns;
      if (static_cast<int>(i) != currentPlayer && other.score == runningTotal) {
        other.score = startScore;
      }
    }
  }
  turns.score += turns.current.TurnScore(false);
  turns.current.Clear();
  turns.current.counts = true;
  if (!IsFinished()) {
    NextPlayer();
  }
  return true;
}

int Elimination::LeaderIndex() const {
  return BestScoreIndex(startScore);
}

bool Elimination::HasProposal() const {
  const auto& turns = CurrentTurns();
  const int total = turns.score + turns.current.TurnScore(true);
  if (doubleOut) {
    return target - 170 <= total && total <= target - 2;
  }
  return target - 180 <= total && total <= target - 1;
}

}  // namespace korvanti
