// The dart simulation of the computer opponent: the exact-mode search and the
// cost of one simulated dart against its floor. Run from a Release build.
#include <benchmark/benchmark.h>

#include <iostream>

#include "computer/DartSimulation.h"
#include "engine/CountDownGame.h"
#include "engine/HitMap.h"

namespace {

using namespace korvanti;

// The hit map and the program's checkout routes are made once, before any timing.
const HitMap& SharedHitMap() {
  static const HitMap hitMap = [] {
    UniformRandom random(1);
    CheckoutTable none("");
    DartSimulation::ChooseAim(40, 1, none, random);
    return HitMap();
  }();
  return hitMap;
}

// The program's own checkout routes (no table file), a fixed seed.
void ExactSearch(benchmark::State& state) {
  SharedHitMap();
  const int target = static_cast<int>(state.range(0));
  const int tolerance = static_cast<int>(state.range(1));
  for (auto _ : state) {
    UniformRandom random(7);
    SimulationContext context{random, SharedHitMap(), "", ""};
    benchmark::DoNotOptimize(
        DartSimulation::GetHitList(context, target, tolerance, tolerance, true));
  }
}
// 40, 60 and 90 with the default tolerances; the worst case: a window nothing
// reaches (the nearest possible average is a game of 200 turns), so every
// spread level from 1.0 to 5.5 plays its 51 games.
BENCHMARK(ExactSearch)
    ->Args({40, 4})
    ->Args({60, 4})
    ->Args({90, 4})
    ->Args({0, 0})
    ->Unit(benchmark::kMillisecond);

// One simulated dart: aim, scatter (re-scattered off wires), decode, judge.
void SimulatedDart(benchmark::State& state) {
  SharedHitMap();
  UniformRandom random(3);
  SimulationContext context{random, SharedHitMap(), "", ""};
  long long darts = 0;
  double averages = 0;
  int games = 0;
  for (auto _ : state) {
    const auto game = DartSimulation::NewSimulatedGame(context);
    DartSimulation::PlayGame(context, *game, 2.0);
    darts += game->CurrentTurns().DartsThrown();
    averages += game->CurrentTurns().Average();
    ++games;
  }
  state.SetItemsProcessed(darts);
  state.counters["darts/game"] = static_cast<double>(darts) / games;
  state.counters["mean average"] = averages / games;
}
BENCHMARK(SimulatedDart);

// The floor of a dart: two normal draws and one hit-map lookup.
void DartFloor(benchmark::State& state) {
  UniformRandom random(3);
  BoardPoint point{332, 172};
  for (auto _ : state) {
    point = {332, 172};
    DartSimulation::Scatter(point, 2.0, random);
    benchmark::DoNotOptimize(SharedHitMap().PositionToField(point.x, point.y));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(DartFloor);

// A fixed set of seeded games: a change of the simulation that moves this
// signature says so in its commit message.
void Signature(benchmark::State& state) {
  for (auto _ : state) {
    UniformRandom random(2024);
    SimulationContext context{random, SharedHitMap(), "", ""};
    long long darts = 0;
    double sum = 0;
    for (int i = 0; i < 200; ++i) {
      const auto game = DartSimulation::NewSimulatedGame(context);
      DartSimulation::PlayGame(context, *game, 1.0 + (i % 4));
      darts += game->CurrentTurns().DartsThrown();
      sum += game->CurrentTurns().Average();
    }
    state.counters["signature darts"] = static_cast<double>(darts);
    state.counters["signature mean average"] = sum / 200;
  }
}
BENCHMARK(Signature)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
