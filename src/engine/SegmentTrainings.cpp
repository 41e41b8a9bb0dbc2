#include "engine/SegmentTrainings.h"

#include <algorithm>

#include "engine/FieldCode.h"
#include "engine/TrainingFiles.h"

namespace korvanti {

// Read files and start options are checked before a game starts; the clamps
// keep a training that slipped through finite and never empty of rounds.
void SegmentClass::SetUp(const char* key) {
  trainingrounds = std::clamp(trainingrounds, 1, kMostRounds);
  rounds = trainingrounds;
  BuildTargets();
  gametypesid = key;
}

void SegmentClass::InitGameType() {
  SetUp("");
}

void SegmentClass::AddRoundSteps(std::initializer_list<std::string> codes, int roundCount) {
  for (int i = 0; i < 3 * roundCount; ++i) {
    AddStep(codes);
  }
}

void SegmentClass::BuildTargets() {
  targetlist.clear();
  const auto targets = ParseTrainingDefinition(definition);
  for (int repetition = 0; repetition < trainingrounds; ++repetition) {
    for (const auto& target : targets) {
      // Hits are recorded in upper case; a target written otherwise could never be hit.
      const auto code = UpperCase(target.code);
      const int darts = std::min(target.count, kMostDartsPerTarget);
      for (int i = 0; i < darts && targetlist.size() < kMostSteps; ++i) {
        AddStep({code});
      }
    }
  }
  for (auto& player : players) {
    player->opentargets.clear();
    for (const auto& step : targetlist) {
      player->opentargets.push_back(step.front());
    }
  }
}

bool SegmentClass::IsFinished() const {
  const bool lastPlayerOnTurn = currentplayer == static_cast<int>(players.Count()) - 1;
  if (round < rounds || !lastPlayerOnTurn) {
    return false;
  }
  return CurrentTurns().current.IsComplete() || OutOfTargets();
}

std::string SegmentClass::GameOverText() const {
  const auto& leader = players.Player(static_cast<std::size_t>(LeaderIndex()));
  const auto tail = " with " + std::to_string(leader.turns.score) + " hits out of " +
                    std::to_string(3 * round) + " trys.";
  if (players.Count() == 1) {
    return "Practice over!" + tail;
  }
  return "Practice over! The best player was: " + leader.nickname + tail;
}

void Segments::InitGameType() {
  SetUp("constpractice_dout_segments");
  rounds = 8 * trainingrounds;
}

void Segments::BuildTargets() {
  targetlist.clear();
  for (const int n : {20, 16, 10, 8, 5, 4, 2, 1}) {
    AddRoundSteps({"D" + std::to_string(n)}, trainingrounds);
  }
}

void SelfPractice::InitGameType() {
  SetUp("constpractice_self");
}

bool SelfPractice::CheckIn() {
  CommitTurn();
  auto& current = CurrentTurns().current;
  current.Clear();
  current.tocount = true;
  if (!IsFinished()) {
    NextPlayer();
  }
  return true;
}

}  // namespace korvanti
