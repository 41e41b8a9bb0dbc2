// Statistics on a seeded database of 10 players over two years of daily play,
// against one full scan of the turn table. Run from a Release build; the
// database is made on first use (a few minutes) and kept in the temp folder.
// KORVANTI_BENCH_DB=postgresql://... measures a club server's database
// instead (seeded the same way when it is empty), so the ratios of both
// engines can be compared.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QSqlQuery>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "TwoYearsOfPlay.h"
#include "platform/DateTime.h"
#include "play/OwnScatter.h"
#include "report/AimAdvice.h"
#include "report/PlayerOverview.h"
#include "report/StatisticsReport.h"
#include "store/Database.h"
#include "store/StatisticsQuery.h"
#include "store/TurnSnapshot.h"

namespace {

using namespace korvanti;

using bench::kLastDay;

Database& SeededDatabase() {
  static const auto database = [] {
    const char* server = std::getenv("KORVANTI_BENCH_DB");
    const auto address = server != nullptr && *server != '\0'
                             ? DatabaseAddress{server, {}}
                             : DatabaseAddress::File(std::filesystem::temp_directory_path() /
                                                     "korvanti-bench-10x730.mdb");
    auto opened = Database::Open(address);
    QSqlQuery games(opened->Connection());
    games.exec("SELECT COUNT(*) FROM game");
    if (!games.next() || games.value(0).toLongLong() == 0) {
      bench::SeedTwoYearsOfPlay(*opened);
    }
    return opened;
  }();
  return *database;
}

StatisticsQuery PlayerYear() {
  StatisticsQuery query(SeededDatabase());
  query.playerId = query.PlayerIdsByNickname().front();
  query.gameTypeKey = "const501dout";
  query.dateFrom = kLastDay - 365;
  query.dateTo = kLastDay + 1;
  return query;
}

// The bare scan every workload is measured against: one pass over the turns.
double BareScan() {
  QSqlQuery scan(SeededDatabase().Connection());
  scan.exec("SELECT sum(length(hit1value)) FROM throw");
  scan.next();
  return scan.value(0).toDouble();
}

// The bare scan's time in this run (the best of five), in seconds.
double BareScanSeconds() {
  static const double seconds = [] {
    double best = 1e9;
    for (int i = 0; i < 5; ++i) {
      const auto start = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(BareScan());
      best = std::min(
          best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
  }();
  return seconds;
}

// Runs the workload and reports its time per run as a ratio to the bare scan.
template <typename Work>
void AgainstBareScan(benchmark::State& state, Work work) {
  const double bare = BareScanSeconds();
  double total = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    work();
    total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  state.counters["ratio"] = total / static_cast<double>(state.iterations()) / bare;
  state.counters["bare_ms"] = bare * 1000;
}

void FullScanOfTurns(benchmark::State& state) {
  AgainstBareScan(state, [] { benchmark::DoNotOptimize(BareScan()); });
}
BENCHMARK(FullScanOfTurns)->Unit(benchmark::kMillisecond);

template <typename Query>
void QueryFamily(benchmark::State& state, Query run) {
  auto query = PlayerYear();
  for (auto _ : state) {
    run(query);
  }
}
BENCHMARK_CAPTURE(QueryFamily, CountHits, [](StatisticsQuery& q) {
  q.CountHits("20");
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryFamily, CountAimHits, [](StatisticsQuery& q) {
  q.CountAimHits("T20", false);
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryFamily, GetAverages, [](StatisticsQuery& q) {
  q.GetAverages();
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryFamily, HighScore, [](StatisticsQuery& q) {
  q.HighScore();
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryFamily, BestCheckout, [](StatisticsQuery& q) {
  q.BestCheckout();
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryFamily, CountTurnsInRange, [](StatisticsQuery& q) {
  q.CountTurnsInRange(100, 140);
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryFamily, GamesAndWins, [](StatisticsQuery& q) {
  q.CountGames();
  q.CountWins();
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryFamily, ShortestWin, [](StatisticsQuery& q) {
  q.TurnsInShortestWin();
  q.DartsInShortestWin();
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryFamily, DoubleRateTotals, [](StatisticsQuery& q) {
  q.DoubleRateTotals();
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryFamily, GameDates, [](StatisticsQuery& q) {
  q.GameDates();
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryFamily, HitPositions, [](StatisticsQuery& q) {
  q.HitPositions("20", 0);
})->Unit(benchmark::kMillisecond);

// (a) The start window's player overview: all players, one entry of each
// kind (501 double out, cricket, Shanghai, a training), over all time (0) or
// the last year (1).
void Overview(benchmark::State& state) {
  const double from = state.range(0) == 0 ? 0 : kLastDay - 365;
  const int gameIndex = static_cast<int>(state.range(1));
  AgainstBareScan(state, [&] {
    benchmark::DoNotOptimize(
        PlayerOverview(SeededDatabase(), FindCatalogEntry(gameIndex), from, kLastDay + 1));
  });
}
BENCHMARK(Overview)
    ->ArgsProduct({{0, 1}, {4, 5, 9, 18}})
    ->ArgNames({"lastyear", "entry"})
    ->Unit(benchmark::kMillisecond);

// (b) One statistics window refresh for one player: the last year by day (0)
// or by game (1); the detailed view of 501 DO (view 0), the aim-and-hit view
// of 501 DO (view 1) or of every type ("Alle", view 2), the doubles view of
// 501 DO (view 3); years 1 or 10.
void StatisticsWindowRefresh(benchmark::State& state) {
  StatisticsRequest request;
  request.playerId = PlayerYear().playerId;
  request.interval = state.range(0) == 0 ? StatisticsInterval::Day : StatisticsInterval::Game;
  constexpr StatisticsView kViews[] = {StatisticsView::Detail, StatisticsView::AimAndHit,
                                       StatisticsView::AimAndHit, StatisticsView::Doubles};
  request.view = kViews[state.range(1)];
  request.gameTypeKey = state.range(1) == 2 ? "" : "const501dout";
  request.from = kLastDay - 365.0 * static_cast<double>(state.range(2));
  request.to = kLastDay;
  AgainstBareScan(state,
                  [&] { benchmark::DoNotOptimize(RefreshStatistics(SeededDatabase(), request)); });
}
BENCHMARK(StatisticsWindowRefresh)
    ->ArgsProduct({{0, 1}, {0, 1, 2, 3}, {1}})
    ->Args({0, 0, 10})
    ->Args({0, 3, 10})
    ->Args({0, 2, 10})
    ->ArgNames({"bygame", "view", "years"})
    ->Unit(benchmark::kMillisecond);

// (c) What a refresh of the aim-and-hit view of every type costs before any
// row is built: reading the player's turns of one year.
void SnapshotOfEveryType(benchmark::State& state) {
  const auto player = PlayerYear().playerId;
  AgainstBareScan(state, [&] {
    benchmark::DoNotOptimize(
        TurnSnapshot::Load(SeededDatabase(), player, "", kLastDay - 365, kLastDay));
  });
}
BENCHMARK(SnapshotOfEveryType)->Unit(benchmark::kMillisecond);

// (d) The measured throw: the start window's "Streuung aus meinen Würfen"
// (the fit of the player's newest 1000 turns, window thread) and the aim-and-hit
// view's throw report over a year of every type (fit and expected-points map,
// worker thread).
void OwnScatterOfNewestTurns(benchmark::State& state) {
  const auto player = PlayerYear().playerId;
  AgainstBareScan(state, [&] { benchmark::DoNotOptimize(OwnScatter(&SeededDatabase(), player)); });
}
BENCHMARK(OwnScatterOfNewestTurns)->Unit(benchmark::kMillisecond);

void ThrowReportOfAYear(benchmark::State& state) {
  static const HitMap hitMap;
  const AimedDartSelection selection{PlayerYear().playerId, "", kLastDay - 365, kLastDay};
  AgainstBareScan(state, [&] {
    benchmark::DoNotOptimize(MakeThrowReport(SeededDatabase(), selection, hitMap));
  });
}
BENCHMARK(ThrowReportOfAYear)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
