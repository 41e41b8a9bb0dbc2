// The measured throw: the scatter fit of a player's darts and the
// expected-points map of the whole board (target: well under 0.3 s).
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "analysis/ExpectedPoints.h"
#include "analysis/ScatterFit.h"

namespace korvanti {
namespace {

const BoardValues& Board() {
  static const BoardValues board{HitMap()};
  return board;
}

std::vector<AimedDart> Darts(int count) {
  std::mt19937_64 random(1);
  std::normal_distribution<double> normal;
  const Scatter truth{{3, -2}, {400, 120, 200}};
  std::vector<AimedDart> darts;
  for (int i = 0; i < count; ++i) {
    const auto offset = OffsetFor(truth, normal(random), normal(random));
    darts.push_back({{332, 172},
                     {332 + static_cast<int>(offset.x), 172 + static_cast<int>(offset.y)},
                     TargetClass::Treble,
                     "T20"});
  }
  return darts;
}

void BM_ScatterFit(benchmark::State& state) {
  const auto darts = Darts(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(FitScatter(darts));
  }
}
BENCHMARK(BM_ScatterFit)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_BoardValues(benchmark::State& state) {
  const HitMap hitMap;
  for (auto _ : state) {
    benchmark::DoNotOptimize(BoardValues(hitMap));
  }
}
BENCHMARK(BM_BoardValues)->Unit(benchmark::kMillisecond);

// Spread in millimetres; the transform grows with it.
void BM_ExpectedPointsMap(benchmark::State& state) {
  const auto scatter = Scatter::Round(static_cast<double>(state.range(0)) / kMillimetresPerPixel);
  Board();
  for (auto _ : state) {
    benchmark::DoNotOptimize(ExpectedPointsMap(Board(), scatter));
  }
}
BENCHMARK(BM_ExpectedPointsMap)->Arg(5)->Arg(20)->Arg(60)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvanti

BENCHMARK_MAIN();
