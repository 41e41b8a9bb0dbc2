// Statistics on a seeded database of 10 players over two years of daily play,
// against one full scan of the turn table. Run from a Release build; the
// database is made on first use (a few minutes) and kept in the temp folder.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QSqlQuery>
#include <filesystem>
#include <iostream>

#include "SampleData.h"
#include "platform/DateTime.h"
#include "report/PlayerOverview.h"
#include "report/StatisticsReport.h"
#include "store/Database.h"
#include "store/abfrageAnzahl.h"

namespace {

using namespace korvanti;

constexpr double kLastDay = 46000;  // 2025-12-08: fixed, so every run sees the same data

Database& SeededDatabase() {
  static const auto database = [] {
    const auto path = std::filesystem::temp_directory_path() / "korvanti-bench-10x730.mdb";
    const bool fresh = !std::filesystem::exists(path);
    auto opened = Database::OpenFile(path);
    if (fresh) {
      SampleDataPlan plan;
      plan.players = 10;
      plan.days = 730;
      plan.seed = 1;
      plan.lastDay = kLastDay;
      const auto summary = SeedSampleData(*opened, plan);
      std::cerr << "seeded " << summary.games << " games, " << summary.turns << " turns\n";
    }
    return opened;
  }();
  return *database;
}

abfrageAnzahl PlayerYear() {
  abfrageAnzahl query(SeededDatabase());
  query.PlayerId = query.PlayerIdsByNickname().front();
  query.GameTypesId = "const501dout";
  query.DateFrom = kLastDay - 365;
  query.DateTo = kLastDay + 1;
  return query;
}

void FullScanOfTurns(benchmark::State& state) {
  for (auto _ : state) {
    QSqlQuery scan(SeededDatabase().Connection());
    scan.exec("SELECT count(*) FROM throw WHERE length(hit1value || aim1value || hit3value) >= 0");
    scan.next();
    benchmark::DoNotOptimize(scan.value(0).toLongLong());
  }
}
BENCHMARK(FullScanOfTurns)->Unit(benchmark::kMillisecond);

template <typename Query>
void QueryFamily(benchmark::State& state, Query run) {
  auto query = PlayerYear();
  for (auto _ : state) {
    run(query);
  }
}
BENCHMARK_CAPTURE(QueryFamily, CountHits, [](abfrageAnzahl& q) {
  q.CountHits("20");
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryFamily, CountAimHits, [](abfrageAnzahl& q) {
  q.CountAimHits("T20", false);
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryFamily, GetAverages, [](abfrageAnzahl& q) {
  q.GetAverages();
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryFamily, HighScore, [](abfrageAnzahl& q) {
  q.HighScore();
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryFamily, BestCheckout, [](abfrageAnzahl& q) {
  q.BestCheckout();
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryFamily, CountTurnsInRange, [](abfrageAnzahl& q) {
  q.CountTurnsInRange(100, 140);
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryFamily, GamesAndWins, [](abfrageAnzahl& q) {
  q.CountGames();
  q.CountWins();
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryFamily, ShortestWin, [](abfrageAnzahl& q) {
  q.TurnsInShortestWin();
  q.DartsInShortestWin();
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryFamily, DoubleRateTotals, [](abfrageAnzahl& q) {
  q.DoubleRateTotals();
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryFamily, GameDates, [](abfrageAnzahl& q) {
  q.GameDates();
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryFamily, HitPositions, [](abfrageAnzahl& q) {
  q.HitPositions("20", 0);
})->Unit(benchmark::kMillisecond);

// (a) The start window's player overview: all players, one game kind, over the
// whole two years (0) or the last year (1); 501 double out (4) and cricket (5).
void OverviewAllPlayers(benchmark::State& state) {
  const double from = state.range(0) == 0 ? 0 : kLastDay - 365;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        PlayerOverview(SeededDatabase(), static_cast<int>(state.range(1)), from, kLastDay + 1));
  }
}
BENCHMARK(OverviewAllPlayers)
    ->Args({0, 4})
    ->Args({1, 4})
    ->Args({1, 5})
    ->Unit(benchmark::kMillisecond);

// (b) One statistics window refresh: one player, one year, by day and by game.
void StatisticsYear(benchmark::State& state) {
  StatisticsRequest request;
  request.playerId = PlayerYear().PlayerId;
  request.typeIndex = 4;
  request.from = kLastDay - 365;
  request.to = kLastDay;
  request.view = StatisticsView::Detail;
  request.interval = state.range(0) == 0 ? StatisticsInterval::Day : StatisticsInterval::Game;
  for (auto _ : state) {
    benchmark::DoNotOptimize(RefreshStatistics(SeededDatabase(), request));
  }
}
BENCHMARK(StatisticsYear)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
