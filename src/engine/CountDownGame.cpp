#include "engine/CountDownGame.h"

namespace korvanti {

void CountDownGame::SetRules(int start, bool doubleOut, std::string_view key) {
  startscore = start;
  doubleout = doubleOut;
  gametypesid = key;
}

bool CountDownGame::IsFinished() const {
  const auto& turns = CurrentTurns();
  return turns.score == turns.current.TurnScore(false);
}

int CountDownGame::LeaderIndex() const {
  return BestScoreIndex(startscore, true);
}

bool CountDownGame::IsTurnValid() {
  auto& turns = CurrentTurns();
  auto& current = turns.current;
  const int rest = turns.score - current.TurnScore(true);
  bool valid = doubleout ? (rest == 0 || rest >= 2) : rest >= 0;
  if (valid && doubleout && rest == 0 && current.DartsEntered() > 0) {
    const auto& finishing = current.Hit(current.DartsEntered());
    valid = finishing.IsHitDouble() || (masterout && finishing.IsHitTreble());
  }
  current.tocount = valid;
  return valid;
}

bool CountDownGame::CheckIn() {
  CommitTurn();
  auto& turns = CurrentTurns();
  turns.score -= turns.current.TurnScore(false);
  turns.current.Clear();
  turns.current.tocount = true;
  if (!IsFinished()) {
    NextPlayer();
  }
  return true;
}

void CountDownGame::NewGame() {
  BaseGameClass::NewGame();
  for (auto& player : players) {
    player->turns.score = startscore;
  }
}

}  // namespace korvanti
