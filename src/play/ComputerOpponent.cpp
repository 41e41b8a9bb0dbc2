#include "play/ComputerOpponent.h"

#include "platform/NumberFormat.h"

namespace korvanti {
namespace {

using Limits = ComputerOptionLimits;

bool Within(int value, int lowest, int highest) {
  return value >= lowest && value <= highest;
}

}  // namespace

std::optional<std::string> ComputerOptionsProblem(const GameCatalogEntry& entry,
                                                  const ComputerOptions& options) {
  if (!entry.ComputerGame()) {
    return std::nullopt;
  }
  if (entry.computer == ComputerMode::ChosenAverage &&
      !Within(options.chosenAverage, Limits::kLowestAverage, Limits::kHighestAverage)) {
    return "Der Computerschnitt muss zwischen " + std::to_string(Limits::kLowestAverage) + " und " +
           std::to_string(Limits::kHighestAverage) + " liegen.";
  }
  if (!Within(options.secondsPerDart, 0, Limits::kMostSecondsPerDart)) {
    return "Die Sekunden pro Dart müssen zwischen 0 und " +
           std::to_string(Limits::kMostSecondsPerDart) + " liegen.";
  }
  if (!Within(options.toleranceUp, Limits::kLeastTolerance, Limits::kMostTolerance) ||
      !Within(options.toleranceDown, Limits::kLeastTolerance, Limits::kMostTolerance)) {
    return "Die Abweichung muss zwischen " + std::to_string(Limits::kLeastTolerance) + " und " +
           std::to_string(Limits::kMostTolerance) + " liegen.";
  }
  return std::nullopt;
}

ComputerPlayer& AddComputerOpponent(Game& game, const GameCatalogEntry& entry,
                                    const ComputerOptions& options,
                                    const std::string& referencePlayerId,
                                    double referenceAverage501, Database* database,
                                    SimulationContext& simulation) {
  auto machine = std::make_unique<ComputerPlayer>();
  auto& computer = *machine;
  computer.database = database;
  computer.simulation = &simulation;
  computer.secondsPerDart = options.secondsPerDart;
  computer.referencePlayerId = referencePlayerId;
  computer.toleranceUp = options.toleranceUp;
  computer.toleranceDown = options.toleranceDown;
  computer.targetAverage = static_cast<int>(RoundHalfEven(referenceAverage501));
  computer.exactAverage = options.exact;
  switch (entry.computer) {
    case ComputerMode::ChosenAverage:
      computer.simulateChosenAverage = true;
      computer.targetAverage = options.chosenAverage;
      break;
    case ComputerMode::OwnAverage:
      computer.simulateOwnAverage = true;
      computer.exactAverage = true;
      break;
    case ComputerMode::BestGame:
    case ComputerMode::None:
      computer.replayBestGame = true;
      break;
  }
  computer.referenceAverage = computer.targetAverage;
  game.AddPlayer(std::move(machine));
  return computer;
}

}  // namespace korvanti
