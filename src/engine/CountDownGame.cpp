#include "engine/CountDownGame.h"

namespace korvanti {

void CountDownGame::SetRules(int start, bool outOnDouble, std::string_view key) {
  startScore = start;
  doubleOut = outOnDouble;
  gameTypeKey = key;
}

bool CountDownGame::IsFinished() const {
  const auto& turns = CurrentTurns();
  return turns.score == turns.current.TurnScore(false);
}

int CountDownGame::LeaderIndex() const {
  return BestScoreIndex(startScore, true);
}

bool CountDownGame::IsTurnValid() {
  auto& turns = CurrentTurns();
  auto& current = turns.current;
  const int rest = turns.score - current.TurnScore(true);
  bool valid = doubleOut ? (rest == 0 || rest >= 2) : rest >= 0;
  if (valid && doubleOut && rest == 0 && current.DartsEntered() > 0) {
    const auto& finishing = current.Hit(current.DartsEntered());
    valid = finishing.IsHitDouble() || (masterOut && finishing.IsHitTreble());
  }
  current.counts = valid;
  return valid;
}

bool CountDownGame::CheckIn() {
  CommitTurn();
  auto& turns = CurrentTurns();
  turns.score -= turns.current.TurnScore(false);
  turns.current.Clear();
  turns.current.counts = true;
  if (!IsFinished()) {
    NextPlayer();
  }
  return true;
}

void CountDownGame::NewGame() {
  Game::NewGame();
  for (auto& player : players) {
    player->turns.score = startScore;
  }
}

}  // namespace korvanti
