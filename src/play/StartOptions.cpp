#include "play/StartOptions.h"

#include "engine/CheckoutGame.h"
#include "engine/CricketGame.h"
#include "engine/DesignedTraining.h"
#include "engine/LevelTraining.h"
#include "engine/SegmentTrainings.h"
#include "platform/IniFile.h"
#include "platform/NumberFormat.h"

namespace korvanti {
namespace {

using Limits = StartOptionLimits;

bool Within(int value, int lowest, int highest) {
  return value >= lowest && value <= highest;
}

std::string Between(std::string_view what, int lowest, int highest) {
  return std::string(what) + " muss zwischen " + std::to_string(lowest) + " und " +
         std::to_string(highest) + " liegen.";
}

// "D1" to "D20" as the double choice offers them.
bool IsChosenDouble(std::string_view code) {
  if (code.size() < 2 || code.front() != 'D') {
    return false;
  }
  const auto number = ParseDecimalInteger(code.substr(1));
  return number && Within(*number, 1, 20) && std::to_string(*number) == code.substr(1);
}

std::optional<std::string> CheckoutGameProblem(const StartOptions& options) {
  if (!Within(options.checkoutStart, Limits::kLowestCheckout, Limits::kHighestCheckout)) {
    return Between("Der Startwert des Checkout Spiels", Limits::kLowestCheckout,
                   Limits::kHighestCheckout);
  }
  if (!Within(options.stepUp, 1, Limits::kMostStepUp)) {
    return Between("Der Wert zum Hochsetzen", 1, Limits::kMostStepUp);
  }
  if (!Within(options.stepDown, 1, Limits::kMostStepDown)) {
    return Between("Der Wert zum Runtersetzen", 1, Limits::kMostStepDown);
  }
  return std::nullopt;
}

std::optional<std::string> PirmelProblem(const StartOptions& options) {
  if (!Within(options.maxLevel, 1, Limits::kHighestLevel)) {
    return Between("Die maximale Stufe", 1, Limits::kHighestLevel);
  }
  if (!Within(options.startLevel, 1, options.maxLevel)) {
    return Between("Die Startstufe", 1, options.maxLevel);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> StartOptionsProblem(const GameCatalogEntry& entry,
                                               const StartOptions& options) {
  if (entry.Takes(StartOption::TrainingRounds) &&
      !Within(options.trainingRounds, Limits::kFewestRounds, Limits::kMostRounds)) {
    return Between("Die Anzahl der Runden pro Zahl", Limits::kFewestRounds, Limits::kMostRounds);
  }
  if (entry.Takes(StartOption::ChosenDouble) && !IsChosenDouble(options.chosenDouble)) {
    return "Bitte ein Doppel von D1 bis D20 wählen.";
  }
  if (entry.Takes(StartOption::CheckoutGame)) {
    if (auto problem = CheckoutGameProblem(options)) {
      return problem;
    }
  }
  if (entry.Takes(StartOption::PirmelLevels)) {
    return PirmelProblem(options);
  }
  if (entry.PlaysMatches()) {
    if (!Within(options.match.legs, 1, MatchFormat::kMostLegs)) {
      return Between("Die Anzahl der Legs", 1, MatchFormat::kMostLegs);
    }
    if (!Within(options.match.sets, 1, MatchFormat::kMostSets)) {
      return Between("Die Anzahl der Sets", 1, MatchFormat::kMostSets);
    }
  }
  return std::nullopt;
}

std::variant<FreeTraining, std::string> ChosenFreeTraining(
    const std::filesystem::path& settingsFile, std::string_view name) {
  if (name.empty()) {
    return std::string("Bitte zuerst ein Training auswählen.");
  }
  const auto file = IniFile(settingsFile).Load();
  if (!file.HasSection(name)) {
    return "Das Training \"" + std::string(name) + "\" gibt es nicht.";
  }
  auto training = ReadFreeTraining(IniFile(settingsFile), name);
  if (auto problem = TrainingProblem(training)) {
    return *problem;
  }
  return training;
}

void ApplyStartOptions(const GameCatalogEntry& entry, Game& game, const StartOptions& options,
                       const FreeTraining& freeTraining) {
  if (entry.Takes(StartOption::MasterOut)) {
    game.masterOut = options.masterOut;
  }
  if (entry.Takes(StartOption::DoubleInOut)) {
    game.doubleOut = options.doubleOut;
    game.doubleIn = options.doubleIn;
  }
  if (auto* cricket = dynamic_cast<CricketGame*>(&game)) {
    cricket->cutThroat = entry.Takes(StartOption::CutThroat);
  }
  if (auto* checkout = dynamic_cast<CheckoutGame*>(&game);
      checkout && entry.Takes(StartOption::CheckoutGame)) {
    checkout->startScore = options.checkoutStart;
    checkout->oneTurn = !options.alwaysZero;
    checkout->stepUp = options.stepUp;
    checkout->stepDown = options.stepDown;
  }
  if (auto* pirmel = dynamic_cast<LevelTraining*>(&game);
      pirmel && entry.Takes(StartOption::PirmelLevels)) {
    pirmel->startLevel = options.startLevel;
    pirmel->maxLevel = options.maxLevel;
  }
  if (auto* free = dynamic_cast<DesignedTraining*>(&game);
      free && entry.Takes(StartOption::FreeTraining)) {
    free->trainingRounds = freeTraining.rounds;
    free->definition = freeTraining.rules.definition;
    free->closeAll = freeTraining.rules.closeAll;
    free->closeInOne = freeTraining.rules.closeInOne;
    free->ignoreMisses = freeTraining.rules.ignoreMisses;
    return;
  }
  if (auto* segment = dynamic_cast<SegmentTraining*>(&game)) {
    if (entry.Takes(StartOption::TrainingRounds)) {
      segment->trainingRounds = options.trainingRounds;
    }
    if (entry.Takes(StartOption::IgnoreMisses)) {
      segment->ignoreMisses = true;
    }
    if (entry.Takes(StartOption::ChosenDouble)) {
      segment->definition = options.chosenDouble + "=3";
    }
  }
}

bool DefaultAimInput(const GameCatalogEntry* entry) {
  return entry == nullptr || entry->aimInput;
}

}  // namespace korvanti
