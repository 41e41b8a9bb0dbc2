#include "play/StartOptions.h"

#include "engine/CheckoutGame.h"
#include "engine/CricketGame.h"
#include "engine/FreePractice.h"
#include "engine/PirmelPractice.h"
#include "engine/SegmentTrainings.h"
#include "engine/TrainingFiles.h"
#include "platform/IniFile.h"

namespace korvanti {

void ApplyStartOptions(const GameCatalogEntry& entry, BaseGameClass& game,
                       const StartOptions& options) {
  const int index = entry.index;
  if (index == 3 || index == 4 || index == 25 || index == 26) {
    game.masterout = options.masterOut;
  }
  if (index == 30) {
    game.doubleout = options.doubleOut;
    game.doublein = options.doubleIn;
  }
  if (auto* cricket = dynamic_cast<CricketGame*>(&game)) {
    cricket->cutthroat = index == 7 || index == 8;
  }
  if (auto* checkout = dynamic_cast<CheckoutgamePractice*>(&game)) {
    checkout->startscore = options.checkoutStart;
    checkout->oneturn = !options.alwaysZero;
    checkout->stepup = options.stepUp;
    checkout->stepdown = options.stepDown;
  }
  if (auto* pirmel = dynamic_cast<PirmelPractice*>(&game)) {
    pirmel->startlevel = options.startLevel;
    pirmel->maxlevel = options.maxLevel;
  }
  if (auto* free = dynamic_cast<FreePractice*>(&game)) {
    const auto training = ReadFreeTraining(IniFile(std::string(kSettingsFile)), options.training);
    free->trainingrounds = training.rounds;
    free->definition = training.rules.definition;
    free->closeall = training.rules.closeall;
    free->closeinone = training.rules.closeinone;
    free->ignoremisses = training.rules.ignoremisses;
  } else if (auto* segment = dynamic_cast<SegmentClass*>(&game)) {
    segment->trainingrounds = options.trainingRounds;
    segment->ignoremisses = index != 28;
    if (index == 24) {
      segment->definition = options.chosenDouble + "=3";
    }
  }
}

bool DefaultAimInput(int gameIndex) {
  return !((gameIndex >= 1 && gameIndex <= 9) || gameIndex == 30);
}

}  // namespace korvanti
