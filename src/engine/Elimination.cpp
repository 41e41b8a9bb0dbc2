#include "engine/Elimination.h"

namespace korvanti {

void Elimination::InitGameType() {
  startscore = 0;
  target = 301;
  gametypesid = "constelimination";
  undoallowed = !doublein;
}

// A new game needs the opening double again, also in a follow-up game of a series.
void Elimination::NewGame() {
  BaseGameClass::NewGame();
  for (auto& player : players) {
    player->turns.score = startscore;
    player->turns.checkedin = false;
  }
}

bool Elimination::IsTurnValid() {
  auto& turns = CurrentTurns();
  auto& current = turns.current;
  const int total = turns.score + current.TurnScore(true);
  bool valid = total <= target;
  if (doubleout) {
    valid = total == target || total <= target - 2;
    if (total == target && current.DartsEntered() > 0) {
      valid = current.Hit(current.DartsEntered()).IsHitDouble();
    }
  }
  current.tocount = valid;
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
  if (!doublein || turns.checkedin) {
    return;
  }
  for (auto& dart : turns.current.hits) {
    if (dart.IsHitDouble()) {
      turns.checkedin = true;
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
      auto& other = players.Player(i).turns;
      if (static_cast<int>(i) != currentplayer && other.score == runningTotal) {
        other.score = startscore;
      }
    }
  }
  turns.score += turns.current.TurnScore(false);
  turns.current.Clear();
  turns.current.tocount = true;
  if (!IsFinished()) {
    NextPlayer();
  }
  return true;
}

int Elimination::LeaderIndex() const {
  return BestScoreIndex(startscore);
}

bool Elimination::HasProposal() const {
  const auto& turns = CurrentTurns();
  const int total = turns.score + turns.current.TurnScore(true);
  if (doubleout) {
    return target - 170 <= total && total <= target - 2;
  }
  return target - 180 <= total && total <= target - 1;
}

}  // namespace korvanti
