#include "engine/LevelTraining.h"

#include <algorithm>

#include "platform/IniFile.h"

namespace korvanti {
namespace {

constexpr double kPassingRate = 50.0;

}  // namespace

void LevelTraining::ClampLevels() {
  maxLevel = std::clamp(maxLevel, 1, kHighestLevel);
  startLevel = std::clamp(startLevel, 1, maxLevel);
}

void LevelTraining::InitGameType() {
  gameTypeKey = "constpractice_pirmel";
  ClampLevels();
  level = 0;
  levelGame = std::make_unique<DesignedTraining>();
  levelGame->trainingRounds = 1;
  levelGame->AddPlayer(std::make_unique<Player>());
  NextLevel();
  levelGame->InitGameType();
}

void LevelTraining::NewGame() {
  Game::NewGame();
  ClampLevels();
  level = startLevel;
  SetLevel(level);
  levelGame->NewGame();
}

void LevelTraining::NextLevel() {
  ++level;
  SetLevel(level);
  levelGame->NewGame();
}

void LevelTraining::SetLevel(int number) {
  const auto rules = ReadPirmelLevel(IniFile(levelFile), number).value_or(TrainingRules{});
  levelGame->definition = rules.definition;
  levelGame->closeAll = rules.closeAll;
  levelGame->closeInOne = rules.closeInOne;
  levelGame->ignoreMisses = rules.ignoreMisses;
}

double LevelTraining::LevelHitRate() const {
  return levelGame->players.At(0).turns.AimHitRate();
}

bool LevelTraining::CheckIn() {
  CommitTurn();
  auto& current = CurrentTurns().current;
  levelGame->CurrentTurns().current = current;
  levelGame->CheckIn();
  current.Clear();
  current.counts = true;
  if (IsFinished()) {
    return true;
  }
  if (!levelGame->IsFinished()) {
    NextPlayer();
  } else if (LevelHitRate() >= kPassingRate) {
    NextLevel();
  } else {
    levelGame->NewGame();
  }
  return true;
}

bool LevelTraining::IsFinished() const {
  if (levelGame->targetSteps.empty()) {
    return true;
  }
  return level >= maxLevel && levelGame->IsFinished() && LevelHitRate() >= kPassingRate;
}

bool LevelTraining::IsTurnOver() const {
  return IsFinished() || levelGame->IsFinished();
}

}  // namespace korvanti
