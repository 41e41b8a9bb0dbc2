#include "engine/SegmentTrainings.h"

#include <algorithm>

#include "engine/FieldCode.h"
#include "engine/TrainingFiles.h"

namespace korvanti {

// Read files and start options are checked before a game starts; the clamps
// keep a training that slipped through finite and never empty of rounds.
void SegmentTraining::SetUp(const char* key) {
  trainingRounds = std::clamp(trainingRounds, 1, kMostRounds);
  rounds = trainingRounds;
  BuildTargets();
  gameTypeKey = key;
}

void SegmentTraining::InitGameType() {
  SetUp("");
}

void SegmentTraining::AddRoundSteps(std::initializer_list<std::string> codes, int roundCount) {
  for (int i = 0; i < 3 * roundCount; ++i) {
    AddStep(codes);
  }
}

void SegmentTraining::BuildTargets() {
  targetSteps.clear();
  const auto targets = ParseTrainingDefinition(definition);
  for (int repetition = 0; repetition < trainingRounds; ++repetition) {
    for (const auto& target : targets) {
      // Hits are recorded in upper case; a target written otherwise could never be hit.
      const auto code = UpperCase(target.code);
      const int darts = std::min(target.count, kMostDartsPerTarget);
      for (int i = 0; i < darts && targetSteps.size() < kMostSteps; ++i) {
        AddStep({code});
      }
    }
  }
  for (auto& player : players) {
    player->openTargets.clear();
    for (const auto& step : targetSteps) {
      player->openTargets.push_back(step.front());
    }
  }
}

bool SegmentTraining::IsFinished() const {
  const bool lastPlayerOnTurn = currentPlayer == static_cast<int>(players.Count()) - 1;
  if (round < rounds || !lastPlayerOnTurn) {
    return false;
  }
  return CurrentTurns().current.IsComplete() || OutOfTargets();
}

std::string SegmentTraining::GameOverText() const {
  const auto& leader = players.At(static_cast<std::size_t>(LeaderIndex()));
  const auto tail = " with " + std::to_string(leader.turns.score) + " hits out of " +
                    std::to_string(3 * round) + " trys.";
  if (players.Count() == 1) {
    return "Practice over!" + tail;
  }
  return "Practice over! The best player was: " + leader.nickname + tail;
}

void DoublesRoundTraining::InitGameType() {
  SetUp("constpractice_dout_segments");
  rounds = 8 * trainingRounds;
}

void DoublesRoundTraining::BuildTargets() {
  targetSteps.clear();
  for (const int n : {20, 16, 10, 8, 5, 4, 2, 1}) {
    AddRoundSteps({"D" + std::to_string(n)}, trainingRounds);
  }
}

void FreeThrowTraining::InitGameType() {
  SetUp("constpractice_self");
}

bool FreeThrowTraining::CheckIn() {
  CommitTurn();
  auto& current = CurrentTurns().current;
  current.Clear();
  current.counts = true;
  if (!IsFinished()) {
    NextPlayer();
  }
  return true;
}

}  // namespace korvanti
