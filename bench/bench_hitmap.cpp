#include <benchmark/benchmark.h>

#include "engine/HitMap.h"

namespace {

void BuildHitMap(benchmark::State& state) {
  for (auto _ : state) {
    korvanti::HitMap hitMap;
    benchmark::DoNotOptimize(hitMap);
  }
}
BENCHMARK(BuildHitMap)->Unit(benchmark::kMillisecond);

// Decodes every position of the picture once per iteration.
void DecodeAllPositions(benchmark::State& state) {
  const korvanti::HitMap hitMap;
  for (auto _ : state) {
    for (int y = 0; y < korvanti::HitMap::Height(); ++y) {
      for (int x = 0; x < korvanti::HitMap::Width(); ++x) {
        auto code = hitMap.FieldAt(x, y);
        benchmark::DoNotOptimize(code);
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * korvanti::HitMap::Width() *
                          korvanti::HitMap::Height());
}
BENCHMARK(DecodeAllPositions)->Unit(benchmark::kMillisecond);

}  // namespace
