#pragma once

#include <optional>
#include <span>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "computer/DartSimulation.h"
#include "engine/AimPoints.h"
#include "engine/Player.h"
#include "engine/PlayerTurns.h"

namespace korvanti {

class Database;

// "The Machine": a player whose darts are prepared before each game, every
// turn three landing positions on the hit map. During play it hands out one
// position per dart; the rules score them like clicks.
class ComputerPlayer : public Player {
 public:
  ComputerPlayer();

  bool IsComputer() const override { return true; }

  bool simulateOwnAverage = false;
  bool replayBestGame = false;
  bool simulateChosenAverage = false;
  PlayerTurns simulatedTurns;  // only the hit positions count
  std::string referencePlayerId;
  int targetAverage = 0;
  int toleranceUp = 0;
  int toleranceDown = 0;
  int secondsPerDart = 0;
  bool exactAverage = false;
  // The reference player's measured scatter: with it the own-average computer
  // throws like that player instead of at a spread searched for his average.
  std::optional<Scatter> ownScatter;

  // Where the darts come from: the database for the replay of the best game,
  // the simulation for a chosen or own average. Set by whoever creates the player.
  Database* database = nullptr;
  SimulationContext* simulation = nullptr;

  // Keeps the values for this and every later game of the series and
  // prepares the darts of the coming game (below).
  std::optional<std::string> PrepareGame(std::string referencePlayer, int average, int up, int down,
                                         bool exact, const PreparationProgress& progress = {},
                                         std::stop_token stop = {});
  // Prepares the darts of the coming game from the values kept. Returns the
  // message to show when there were none to get. The simulation touches
  // nothing but this player and its context, so it may run on a worker; the
  // replay of the best game reads the database and belongs on its thread.
  // A stop requested through `stop` ends the simulation after its current
  // game, with no darts and `kPreparationStopped`.
  virtual std::optional<std::string> PrepareNextGame(const PreparationProgress& progress,
                                                     std::stop_token stop = {});

  // The prepared turn for the k-th turn of the game, k the turns booked so far.
  const Turn* NextSimulatedTurn() const;
  // The position of dart n (1..3) of that turn, (0, 0) when there is none.
  BoardPoint NextDartPosition(int n) const;

  // Where its bull-off dart lands, aimed at the centre of the bull with its
  // own scatter, or with the spread of its average in the strength table (a
  // middling one when that is not known).
  BoardPoint BullOffDart() const;

  // Fills the prepared turns, three positions a turn. Returns whether there were any.
  bool LoadPositions(std::span<const BoardPoint> positions);
  // The same from a position list as the database gives it ("x=y,x=y,...").
  bool LoadPositionList(std::string_view positions);
};

inline constexpr const char* kPreparationStopped = "Die Vorbereitung wurde abgebrochen.";

// The positions of a position list ("x=y,x=y,..."); entries without "=" are skipped.
std::vector<BoardPoint> ParsePositionList(std::string_view positions);

}  // namespace korvanti
