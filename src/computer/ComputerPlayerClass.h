#pragma once

#include <string>
#include <string_view>

#include "computer/simulateDart.h"
#include "engine/AimPoints.h"
#include "engine/Playerclass.h"
#include "engine/ThrowListClass.h"
#include "platform/Waiting.h"

namespace korvanti {

class Database;

// "The Machine": a player whose darts are prepared before each game, every
// turn three landing positions on the hit map. During play it hands out one
// position per dart; the rules score them like clicks.
class ComputerPlayerClass : public Playerclass {
 public:
  ComputerPlayerClass();

  bool simulateOwnAverage = false;
  bool replayBestGame = false;
  bool simulateChosenAverage = false;
  ThrowListClass simulatedTurns;  // only the hit positions count
  std::string referencePlayerId;
  int targetAverage = 0;
  int toleranceUp = 0;
  int toleranceDown = 0;
  int secondsPerDart = 0;
  bool exactAverage = false;

  // Where the darts come from: the database for the replay of the best game,
  // the simulation for a chosen or own average. Set by whoever creates the player.
  Database* database = nullptr;
  SimulationContext* simulation = nullptr;

  // Prepares the darts of the coming game; false when there were none to get.
  bool PrepareGame(std::string referencePlayer, int average, int up, int down, bool exact);
  // The same preparation again, for the next game of a series.
  void RepeatPrepare() override;

  // The prepared turn for the k-th turn of the game, k the turns booked so far.
  const Throwclass* NextSimulatedTurn() const;
  // The position of dart n (1..3) of that turn, (0, 0) when there is none,
  // after the pause of `secondsPerDart`.
  BoardPoint NextDartPosition(int n, WaitingFacade& waiting) const;

  // Fills the prepared turns from a position list ("x=y,x=y,..."), three
  // entries a turn. Returns whether it held any position.
  bool LoadPositionList(std::string_view positions);
};

}  // namespace korvanti
