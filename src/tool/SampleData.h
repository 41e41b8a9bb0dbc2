#pragma once

#include <cstdint>
#include <string>

namespace korvanti {

class Database;

struct SampleDataPlan {
  int players = 4;
  int days = 30;
  std::uint64_t seed = 1;
  double lastDay = 0;  // date-time number of the last day played; 0: yesterday
};

struct SampleDataSummary {
  int games = 0;
  long long turns = 0;
};

// Fills the database with plausible play: every player, every day, some
// games of 501 and 301 double out, cricket, a segment training and round the
// board, thrown by simulated players of different strength through the real
// game classes, loop of play and recorder. The same plan gives the same data.
SampleDataSummary SeedSampleData(Database& database, const SampleDataPlan& plan);

}  // namespace korvanti
