#include "play/ComputerOpponent.h"

#include "computer/ComputerPlayerClass.h"
#include "platform/NumberFormat.h"

namespace korvanti {

std::optional<std::string> AddComputerOpponent(BaseGameClass& game, const GameCatalogEntry& entry,
                                               const ComputerOptions& options,
                                               const std::string& referencePlayerId,
                                               double referenceAverage501, Database* database,
                                               SimulationContext& simulation) {
  auto machine = std::make_unique<ComputerPlayerClass>();
  auto& computer = *machine;
  computer.database = database;
  computer.simulation = &simulation;
  computer.secondsPerDart = options.secondsPerDart;
  auto average = static_cast<int>(RoundHalfEven(referenceAverage501));
  bool exact = options.exact;
  switch (entry.index) {
    case 12:
      computer.simulateChosenAverage = true;
      average = options.chosenAverage;
      break;
    case 14:
      computer.simulateOwnAverage = true;
      exact = true;
      break;
    default:
      computer.replayBestGame = true;
      break;
  }
  computer.refvalue = average;
  game.AddPlayer(std::move(machine));
  if (computer.PrepareGame(referencePlayerId, average, options.toleranceUp, options.toleranceDown,
                           exact)) {
    return std::nullopt;
  }
  return entry.index == 12
             ? "Keine Spieldaten gefunden! Bitte anderen Schnitt wählen."
             : "Keine Spieldaten gefunden! Eventuell stehen keine Spieldaten als Basis zur "
               "Verfügung.";
}

}  // namespace korvanti
