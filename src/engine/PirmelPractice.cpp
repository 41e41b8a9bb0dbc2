#include "engine/PirmelPractice.h"

#include <algorithm>

#include "platform/IniFile.h"

namespace korvanti {
namespace {

constexpr double kPassingRate = 50.0;

}  // namespace

void PirmelPractice::ClampLevels() {
  maxlevel = std::clamp(maxlevel, 1, kHighestLevel);
  startlevel = std::clamp(startlevel, 1, maxlevel);
}

void PirmelPractice::InitGameType() {
  gametypesid = "constpractice_pirmel";
  ClampLevels();
  level = 0;
  levelpractice = std::make_unique<FreePractice>();
  levelpractice->trainingrounds = 1;
  levelpractice->AddPlayer(std::make_unique<Playerclass>());
  NextLevel();
  levelpractice->InitGameType();
}

void PirmelPractice::NewGame() {
  BaseGameClass::NewGame();
  ClampLevels();
  level = startlevel;
  SetLevel(level);
  levelpractice->NewGame();
}

void PirmelPractice::NextLevel() {
  ++level;
  SetLevel(level);
  levelpractice->NewGame();
}

void PirmelPractice::SetLevel(int number) {
  const auto rules = ReadPirmelLevel(IniFile(levelFile), number).value_or(TrainingRules{});
  levelpractice->definition = rules.definition;
  levelpractice->closeall = rules.closeall;
  levelpractice->closeinone = rules.closeinone;
  levelpractice->ignoremisses = rules.ignoremisses;
}

double PirmelPractice::LevelHitRate() const {
  return levelpractice->players.Player(0).turns.AimHitRate();
}

bool PirmelPractice::CheckIn() {
  CommitTurn();
  auto& current = CurrentTurns().current;
  levelpractice->CurrentTurns().current = current;
  levelpractice->CheckIn();
  current.Clear();
  current.tocount = true;
  if (IsFinished()) {
    return true;
  }
  if (!levelpractice->IsFinished()) {
    NextPlayer();
  } else if (LevelHitRate() >= kPassingRate) {
    NextLevel();
  } else {
    levelpractice->NewGame();
  }
  return true;
}

bool PirmelPractice::IsFinished() const {
  if (levelpractice->targetlist.empty()) {
    return true;
  }
  return level >= maxlevel && levelpractice->IsFinished() && LevelHitRate() >= kPassingRate;
}

bool PirmelPractice::IsTurnOver() const {
  return IsFinished() || levelpractice->IsFinished();
}

}  // namespace korvanti
