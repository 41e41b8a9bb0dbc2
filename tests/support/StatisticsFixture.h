#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "Engines.h"
#include "TempFolder.h"
#include "engine/Turn.h"
#include "platform/Guid.h"
#include "store/Database.h"
#include "store/Recorder.h"
#include "store/StatisticsQuery.h"

namespace korvanti::testing {

// One stored turn: darts as text ("T20 D16", missing darts become "na"),
// optional aims, and whether it counts.
struct TurnSpec {
  TurnSpec(const char* darts, const char* aims = "", bool counts = true)
      : darts(darts), aims(aims), counts(counts) {}
  std::string darts;
  std::string aims;
  bool counts;
};

// A fresh database with games written turn by turn through the recorder.
class StatisticsFixture {
 public:
  explicit StatisticsFixture(Engine engine = Engine::SQLite)
      : address(NewDatabase(engine, folder / "dart.mdb")),
        database(Database::Open(address)),
        recorder(*database) {}

  std::unique_ptr<RawDatabase> Raw() const { return OpenRaw(address); }

  std::string AddPlayer(const std::string& nickname) {
    return recorder.AppendPlayer(nickname, "", nickname);
  }

  // Stores a game of the player; with `won` its last turn wins the game.
  // Dart n of turn k lands at (100 + 10 k + n, 200 + k).
  std::string AddGame(const std::string& playerId, const std::string& key, double when,
                      const std::vector<TurnSpec>& turns, bool won = true) {
    const auto gameId = NewGuidString();
    std::string last;
    for (std::size_t k = 0; k < turns.size(); ++k) {
      Turn turn;
      turn.turnId = NewGuidString();
      turn.counts = turns[k].counts;
      std::istringstream darts(turns[k].darts);
      std::istringstream aims(turns[k].aims);
      for (int n = 1; n <= 3; ++n) {
        auto& dart = turn.Hit(n);
        if (!(darts >> dart.hit)) {
          dart.hit = "na";
          continue;
        }
        aims >> dart.aim;
        if (dart.aim == "-")
          dart.aim.clear();
        dart.hitX = 100 + 10 * static_cast<int>(k) + n;
        dart.hitY = 200 + static_cast<int>(k);
      }
      recorder.AppendThrow(turn, gameId, playerId);
      last = turn.turnId;
    }
    recorder.AppendGame(gameId, key, when, won ? last : NewGuidString());
    return gameId;
  }

  StatisticsQuery Query(const std::string& playerId, const std::string& key, double from = 0,
                        double to = 99999) {
    StatisticsQuery query(*database);
    query.playerId = playerId;
    query.gameTypeKey = key;
    query.allTypes = key.empty();
    query.dateFrom = from;
    query.dateTo = to;
    return query;
  }

  TempFolder folder;
  DatabaseAddress address;
  std::unique_ptr<Database> database;
  Recorder recorder;
};

}  // namespace korvanti::testing
