#pragma once

// The sample play the statistics and start-window benchmarks measure on: ten
// players, two years of daily play up to a fixed day, so every run sees the
// same data.
#include <iostream>

#include "SampleData.h"
#include "store/Database.h"

namespace korvanti::bench {

inline constexpr double kLastDay = 46000;  // 2025-12-08

// Seeds a fresh database (a few minutes); the caller keeps the file between runs.
inline void SeedTwoYearsOfPlay(Database& database) {
  SampleDataPlan plan;
  plan.players = 10;
  plan.days = 730;
  plan.seed = 1;
  plan.lastDay = kLastDay;
  const auto summary = SeedSampleData(database, plan);
  std::cerr << "seeded " << summary.games << " games, " << summary.turns << " turns\n";
}

}  // namespace korvanti::bench
