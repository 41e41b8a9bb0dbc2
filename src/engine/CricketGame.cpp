#include "engine/CricketGame.h"

#include <algorithm>

namespace korvanti {

void CricketGame::InitGameType() {
  doubleOut = false;
  startScore = 0;
  gameTypeKey = "constcricket";
  rounds = 20;
  numbers = {15, 16, 17, 18, 19, 20, 25};
  undoAllowed = !cutThroat;
}

void CricketTraining::InitGameType() {
  CricketGame::InitGameType();
  gameTypeKey = "constpractice_cricket";
}

bool CricketGame::IsCricketNumber(int number) const {
  return std::find(numbers.begin(), numbers.end(), number) != numbers.end();
}

bool CricketGame::AllNumbersClosed(const Player& player) const {
  return std::all_of(numbers.begin(), numbers.end(),
                     [&](int number) { return player.turns.MarksOnNumber(number, true) >= 3; });
}

int CricketGame::ClosedNumbers(const Player& player) const {
  return static_cast<int>(std::count_if(numbers.begin(), numbers.end(), [&](int number) {
    return player.turns.MarksOnNumber(number, true) >= 3;
  }));
}

bool CricketGame::OthersOpen(int number) const {
  for (std::size_t i = 0; i < players.Count(); ++i) {
    if (static_cast<int>(i) != currentPlayer &&
        players.At(i).turns.MarksOnNumber(number, false) < 3) {
      return true;
    }
  }
  return false;
}

bool CricketGame::AnyoneOpen(int number, bool withCurrent) const {
  return std::any_of(players.begin(), players.end(), [&](const Player* player) {
    return player->turns.MarksOnNumber(number, withCurrent) < 3;
  });
}

int CricketGame::EarlierMarksInTurn(std::size_t dart, int number) const {
  const auto& current = CurrentTurns().current;
  int marks = 0;
  for (std::size_t earlier = 0; earlier < dart; ++earlier) {
    const auto& hit = current.hits[earlier];
    if (IsCricketNumber(hit.HitNumber()) && hit.HitNumber() == number) {
      marks += hit.HitMultiplier();
    }
  }
  return marks;
}

CricketGame::TurnEvaluation CricketGame::Evaluate() const {
  const auto& turns = CurrentTurns();
  TurnEvaluation evaluation;
  evaluation.charges.assign(players.Count(), 0);
  for (std::size_t j = 0; j < 3; ++j) {
    const auto& dart = turns.current.hits[j];
    const int n = dart.HitNumber();
    if (!IsCricketNumber(n)) {
      continue;
    }
    const DartOnNumber thrown{n, dart.HitMultiplier(), turns.MarksOnNumber(n, false),
                              EarlierMarksInTurn(j, n), AnyoneOpen(n, true)};
    const auto score = ScoreDart(thrown);
    evaluation.marks[j] = score.marks;
    evaluation.points += score.points;
    if (cutThroat) {
      for (std::size_t i = 0; i < players.Count(); ++i) {
        if (static_cast<int>(i) != currentPlayer &&
            players.At(i).turns.MarksOnNumber(n, false) < 3) {
          evaluation.charges[i] += score.points;
        }
      }
    }
  }
  if (cutThroat) {
    evaluation.points = 0;
  }
  return evaluation;
}

int CricketGame::PendingPoints() const {
  return Evaluate().points;
}

std::vector<int> CricketGame::PendingCharges() const {
  return Evaluate().charges;
}

int CricketGame::EvaluateTurn() {
  const auto evaluation = Evaluate();
  auto& current = CurrentTurns().current;
  for (std::size_t j = 0; j < 3; ++j) {
    current.hits[j].marks = evaluation.marks[j];
  }
  if (cutThroat) {
    for (std::size_t i = 0; i < players.Count(); ++i) {
      if (static_cast<int>(i) != currentPlayer) {
        auto& other = players.At(i).turns;
        other.bookedScore = other.score - evaluation.charges[i];
      }
    }
  }
  return evaluation.points;
}

bool CricketGame::IsTurnValid() {
  EvaluateTurn();
  return CurrentTurns().current.counts = true;
}

// A dart on a number closed before it credits no marks.
CricketGame::DartScore CricketGame::ScoreDart(const DartOnNumber& d) const {
  if (d.before + d.earlier + d.multiplier <= 3) {
    return {d.multiplier, 0};
  }
  if (d.before + d.earlier >= 3) {
    return {0, d.open ? d.number * d.multiplier : 0};
  }
  const int closing = 3 - d.before - d.earlier;
  return {closing, d.open ? (d.multiplier - closing) * d.number : 0};
}

CricketGame::DartScore MasterCricketGame::ScoreDart(const DartOnNumber& d) const {
  const bool doubleOrTreble = d.multiplier >= 2;
  const bool all = d.open && AllNumbersClosed(CurrentPlayer());
  if (d.before + d.earlier + d.multiplier <= 3) {
    return {d.multiplier, 0};
  }
  if (d.before + d.earlier >= 3) {
    return {0, all && doubleOrTreble ? d.number * d.multiplier : 0};
  }
  const int closing = 3 - d.before - d.earlier;
  const bool sameNumberEarlier = d.earlier > 0;
  return {closing, (sameNumberEarlier || all) && doubleOrTreble && d.open
                       ? (d.multiplier - closing) * d.number
                       : 0};
}

bool CricketGame::CheckIn() {
  auto& turns = CurrentTurns();
  const int old = turns.score;
  const int points = EvaluateTurn();
  turns.score = old;
  CommitTurn();
  turns.score = old + points;
  turns.bookedScore = turns.score;
  turns.current.Clear();
  for (std::size_t i = 0; i < players.Count(); ++i) {
    if (static_cast<int>(i) != currentPlayer) {
      players.At(i).turns.score = players.At(i).turns.bookedScore;
    }
  }
  if (!IsFinished()) {
    NextPlayer();
  }
  return true;
}

bool CricketGame::IsFinished() const {
  if (round > rounds) {
    return true;
  }
  const int leader = LeaderIndex();
  const auto& leading = players.At(static_cast<std::size_t>(leader));
  if (!AllNumbersClosed(leading)) {
    return false;
  }
  const int leaderScore = leading.turns.score + (leader == currentPlayer ? PendingPoints() : 0);
  for (std::size_t i = 0; i < players.Count(); ++i) {
    if (static_cast<int>(i) != leader && players.At(i).turns.score > leaderScore) {
      return false;
    }
  }
  return true;
}

int CricketGame::LeaderIndex() const {
  int leader = 0;
  int bestClosed = -1;
  int bestScore = 0;
  for (std::size_t i = 0; i < players.Count(); ++i) {
    const auto& player = players.At(i);
    const int closed = ClosedNumbers(player);
    if (closed > bestClosed || (closed == bestClosed && player.turns.score > bestScore)) {
      leader = static_cast<int>(i);
      bestClosed = closed;
      bestScore = player.turns.score;
    }
  }
  return leader;
}

// A game ended by the round limit names the last round played.
std::string CricketGame::GameOverText() const {
  return GameOverInRoundsText(round == rounds + 1 ? rounds : round, "Practice over after ");
}

}  // namespace korvanti
