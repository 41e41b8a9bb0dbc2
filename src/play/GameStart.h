#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <variant>
#include <vector>

#include "computer/ComputerPlayer.h"
#include "computer/DartSimulation.h"
#include "engine/Game.h"
#include "engine/GameArchive.h"
#include "engine/GameCatalog.h"
#include "engine/HitMap.h"
#include "platform/Random.h"
#include "play/ComputerOpponent.h"
#include "play/GameSession.h"
#include "play/ProgramOptions.h"
#include "play/StartOptions.h"

namespace korvanti {

class Database;
class DatabaseArchive;

// One ticked row of the start window's player overview.
struct StartPlayer {
  std::string playerId;            // looked up in the archive for the names
  std::string nickname;            // shown when there is no archive to look the names up in
  double referenceAverage = 0;     // the overview's figure the game screen compares with
  double referenceAverage501 = 0;  // the overview's 501 average, which a computer may play
};

// What the start window asks for: an entry, the players in order of play and
// the choices of its pages.
struct StartRequest {
  const GameCatalogEntry* game = nullptr;
  std::vector<StartPlayer> players;
  StartOptions options;  // master out comes from the settings instead
  ComputerOptions computer;
  bool aimInput = false;     // "Zieleingabe aktivieren"
  bool quickCheckIn = true;  // "Schnelles Einchecken"
};

// The player a computer opponent takes its figures from (average, best game,
// scatter): the last one in the order of play; null without players.
const StartPlayer* ComputerReference(const StartRequest& request);

// What a start works with besides the request. The hit map, the generator and
// the archive must outlive the series of games.
struct StartEnvironment {
  const HitMap& hitMap;
  UniformRandom& random;
  // SETTINGS.ini, checkout.ini and ki.ini; empty for the current directory.
  std::filesystem::path programFolder;
  // None: no names are looked up, nothing is stored, no best game is replayed.
  Database* database = nullptr;
  // Where games go and names come from instead of the database's archive.
  GameArchive* archive = nullptr;
};

struct StartRefusal {
  enum class Reason {
    Input,           // the request makes no sense; nothing was touched
    NoComputerData,  // the computer found no darts to play
    Storage,         // the database or a file failed
  };
  Reason reason;
  std::string message;  // German, for the message box
};

// A game ready to be played, with what must live as long as its series: the
// archive adapter and the simulation that later games of the series reuse.
class StartedGame {
 public:
  StartedGame(StartedGame&&) noexcept;
  StartedGame& operator=(StartedGame&&) noexcept;
  ~StartedGame();

  Game& PlayedGame() const { return *game_; }
  const GameCatalogEntry& Entry() const { return *entry_; }
  ModePanel Panel() const { return entry_->panel; }
  // For the game session.
  const SessionOptions& Session() const { return session_; }
  // The computer opponent, the last player, when the entry has one.
  ComputerPlayer* Computer() const { return computer_; }

  // Whether preparing the computer reads the database (the replay of the
  // best game), so that it belongs on the database's thread; the simulation
  // may run on a worker.
  bool PreparationReadsDatabase() const;
  // The computer's darts for the first game; nothing to do without a
  // computer. Returns the message to show when it found none; a simulation
  // stopped through `stop` ends after its current game.
  std::optional<std::string> PrepareComputer(const PreparationProgress& progress = {},
                                             std::stop_token stop = {});

 private:
  friend std::variant<StartedGame, StartRefusal> BuildGame(const StartRequest&,
                                                           const ProgramOptions&,
                                                           const StartEnvironment&);
  StartedGame() = default;

  const GameCatalogEntry* entry_ = nullptr;
  SessionOptions session_;
  std::unique_ptr<DatabaseArchive> databaseArchive_;
  std::unique_ptr<SimulationContext> simulation_;
  std::unique_ptr<Game> game_;  // refers to the two above
  ComputerPlayer* computer_ = nullptr;
};

using GameStartResult = std::variant<StartedGame, StartRefusal>;

// Why the request cannot start, as the message to show; nothing when it can.
// Touches nothing but reads the free training's file.
std::optional<std::string> StartProblem(const StartRequest& request,
                                        const StartEnvironment& environment);

// The checks, then the game object of the entry with its options, the
// players in order, a computer opponent appended last (darts not yet
// prepared), `InitGameType` and `NewGame`. Refused as a whole or done as a whole.
GameStartResult BuildGame(const StartRequest& request, const ProgramOptions& settings,
                          const StartEnvironment& environment);

// `BuildGame`, then the computer's darts on the calling thread: everything a
// game session needs.
GameStartResult StartGame(const StartRequest& request, const ProgramOptions& settings,
                          const StartEnvironment& environment,
                          const PreparationProgress& progress = {});

}  // namespace korvanti
