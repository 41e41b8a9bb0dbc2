#include "engine/RoundTheBoard.h"

#include "engine/FieldCode.h"

#include <algorithm>

namespace korvanti {
void RoundTheBoard::InitGameType() {
  rounds = 60;
  goal = 21;
  BuildTargets();
}

void RoundTheBoard::NewGame() {
  Game::NewGame();
  for (auto& player : players) {
    player->turns.progress = 0;
    player->turns.score = 0;
  }
}

void RoundTheBoard::AddStep(std::initializer_list<std::string> codes) {
  TargetStep step;
  for (const auto& code : codes) {
    Dart entry;
    entry.aim = code;
    step.push_back(std::move(entry));
  }
  targetSteps.push_back(std::move(step));
}

void RoundTheBoard::AddSegmentSteps(std::initializer_list<const char*> prefixes) {
  for (int n = 1; n <= 20; ++n) {
    TargetStep step;
    for (const char* prefix : prefixes) {
      Dart entry;
      entry.aim = prefix + std::to_string(n);
      step.push_back(std::move(entry));
    }
    targetSteps.push_back(std::move(step));
  }
}

Turn RoundTheBoard::CurrentTargets() const {
  const auto& turns = CurrentTurns();
  Turn targets;
  auto step = static_cast<std::size_t>(std::max(turns.progress, 0));
  const int firstFree = turns.current.FirstEmptyHit();
  if (firstFree == 0 || step >= targetSteps.size()) {
    return targets;
  }
  for (int dart = 1; dart < firstFree && step < targetSteps.size(); ++dart) {
    const auto& hit = turns.current.Hit(dart).hit;
    const auto& entries = targetSteps[step];
    if (std::any_of(entries.begin(), entries.end(),
                    [&](const Dart& entry) { return SameCodeIgnoringCase(entry.aim, hit); })) {
      ++step;
    }
  }
  for (int dart = firstFree; dart <= 3; ++dart, ++step) {
    if (step < TargetLimit() && step < targetSteps.size()) {
      targets.Hit(dart).aim = targetSteps[step].front().aim;
    }
  }
  return targets;
}

bool RoundTheBoard::CheckIn() {
  CommitTurn();
  auto& turns = CurrentTurns();
  int singles = 0;
  int doubles = 0;
  int trebles = 0;
  for (const auto& dart : turns.current.hits) {
    const auto step = static_cast<std::size_t>(turns.progress);
    if (step >= targetSteps.size()) {
      break;
    }
    for (const auto& entry : targetSteps[step]) {
      if (AimMatches(entry.aim, dart.hit)) {
        ++turns.progress;
        ++turns.score;
        (dart.IsHitTreble() ? trebles : dart.IsHitDouble() ? doubles : singles) += 1;
        break;
      }
    }
    // Darts after the last step count for nothing. (Asking IsFinished here
    // would walk the darts of this turn a second time from the new step and
    // drop the point of the final hit.)
    if (!ignoreMisses && ReachedTheEnd()) {
      break;
    }
  }
  if (InstantWinCounts() && singles == 1 && doubles == 1 && trebles == 1) {
    turns.score = goal;
  }
  const bool finished = IsFinished();
  if (ignoreMisses) {
    turns.progress = 3 * round;
  }
  turns.current.Clear();
  turns.current.counts = true;
  if (!finished) {
    NextPlayer();
  }
  return true;
}

bool RoundTheBoard::OutOfTargets() const {
  const int firstFree = CurrentTurns().current.FirstEmptyHit();
  return firstFree != 0 && CurrentTargets().Hit(firstFree).aim.empty();
}

bool RoundTheBoard::ReachedTheEnd() const {
  const auto& turns = CurrentTurns();
  return static_cast<std::size_t>(turns.progress) >= std::min(TargetLimit(), targetSteps.size()) ||
         turns.score >= goal || round > rounds;
}

bool RoundTheBoard::IsFinished() const {
  if (OutOfTargets()) {
    return true;
  }
  return round > rounds || CurrentTurns().score >= goal;
}

std::optional<int> RoundTheBoard::PlayerResult(const Player& player) const {
  if (player.turns.score < goal) {
    return std::nullopt;
  }
  return player.turns.DartsBooked();
}

int RoundTheBoard::LeaderIndex() const {
  return BestScoreIndex(0);
}

std::string RoundTheBoard::GameOverText() const {
  return GameOverWithPointsText("Practice over  ");
}

void RoundTheBoardSingles::BuildTargets() {
  targetSteps.clear();
  AddSegmentSteps({"LS", "SS", "D", "T"});
  AddStep({"SS25", "D25"});
}

void RoundTheBoardSingles::InitGameType() {
  RoundTheBoard::InitGameType();
  rounds = 60;
  goal = 21;
  gameTypeKey = "constpractice_roundsingle";
}

void RoundTheBoardDoubles::BuildTargets() {
  targetSteps.clear();
  AddSegmentSteps({"D"});
}

void RoundTheBoardDoubles::InitGameType() {
  RoundTheBoard::InitGameType();
  rounds = 60;
  goal = 20;
  gameTypeKey = "constpractice_rounddouble";
}

void RoundTheBoardDoublesAndBull::BuildTargets() {
  targetSteps.clear();
  for (int n = 1; n <= 20; ++n) {
    AddStep({"D" + std::to_string(n)});
    AddStep({"D25", "SS25"});
  }
}

void RoundTheBoardDoublesAndBull::InitGameType() {
  RoundTheBoard::InitGameType();
  rounds = 160;
  goal = 40;
  gameTypeKey = "constpractice_rounddouble_bull";
}

void RoundTheBoardTrebles::BuildTargets() {
  targetSteps.clear();
  AddSegmentSteps({"T"});
}

void RoundTheBoardTrebles::InitGameType() {
  RoundTheBoard::InitGameType();
  rounds = 60;
  goal = 20;
  gameTypeKey = "constroundtheboardtriple";
}

int RoundTheBoardTrebles::DartsNeeded(const PlayerTurns& turns) {
  if (turns.Empty() || turns.score < 20) {
    return 3 * static_cast<int>(turns.Count());
  }
  const auto& last = turns.Last();
  int dart = 3;
  for (int n = 1; n <= 3; ++n) {
    if (last.Hit(n).hit == "T20") {
      dart = n;
      break;
    }
  }
  return 3 * static_cast<int>(turns.Count() - 1) + dart;
}

std::string RoundTheBoardTrebles::TargetText() const {
  const auto step = static_cast<std::size_t>(std::max(CurrentTurns().progress, 0));
  return step < targetSteps.size() ? targetSteps[step].front().aim : std::string();
}

std::string RoundTheBoardTrebles::GameOverText() const {
  const auto& leader = players.At(static_cast<std::size_t>(LeaderIndex()));
  return GameOverWithResultText("after " + std::to_string(DartsNeeded(leader.turns)) + " darts");
}

void Shanghai::InitGameType() {
  RoundTheBoard::InitGameType();
  rounds = 7;
  goal = 21;
  gameTypeKey = "constshanghai";
}

}  // namespace korvanti
