// The start window at program start on two years of daily play by ten
// players: from creating the window through opening the database, filling the
// overview of "501 double out" over the whole two years, to the first picture
// of the window. Offscreen; run it with --benchmark_repetitions for a spread.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "TwoYearsOfPlay.h"
#include "engine/HitMap.h"
#include "engine/ProgramFolderSetup.h"
#include "platform/IniFile.h"
#include "platform/Random.h"
#include "play/ProgramOptions.h"
#include "store/Database.h"
#include "ui/common/KorvantiLook.h"
#include "ui/common/ScriptedDialogs.h"
#include "ui/start/PlayerOverviewModel.h"
#include "ui/start/StartWindow.h"

namespace {

using namespace korvanti;

using bench::kLastDay;
constexpr int kGame501DoubleOut = 4;

// A program folder with the seeded database, made once and kept between runs.
const std::filesystem::path& ProgramFolder() {
  static const auto folder = [] {
    const auto path = std::filesystem::temp_directory_path() / "korvanti-bench-start-10x730";
    const bool fresh = !std::filesystem::exists(path / "dart.mdb");
    SetUpProgramFolder(path);
    if (fresh) {
      auto database = Database::OpenFile(path / "dart.mdb");
      bench::SeedTwoYearsOfPlay(*database);
    }
    IniFile options(path / kOptionsFile);
    ProgramOptions state;
    state.startDate = kLastDay - 730;
    state.gameIndex = kGame501DoubleOut;
    WriteStartWindowState(options, state);
    return path;
  }();
  return folder;
}

void BM_StartWindowPainted(benchmark::State& state) {
  const auto& folder = ProgramFolder();
  const HitMap hitMap;
  ScriptedDialogs dialogs;
  for (auto _ : state) {
    auto window = std::make_unique<StartWindow>(
        StartWindowSetup{folder, hitMap, ProgramRandom(), false, {}}, dialogs);
    window->FormCreate();
    window->ShowCentred();
    benchmark::DoNotOptimize(window->grab());
    state.PauseTiming();
    if (window->Overview().rowCount() != 10 || !dialogs.shown().empty()) {
      state.SkipWithError("the overview is not filled");
    }
    window.reset();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartWindowPainted)->Unit(benchmark::kMillisecond)->Iterations(5);

// The part of it that opening the database takes.
void BM_DatabaseOpen(benchmark::State& state) {
  const auto path = ProgramFolder() / "dart.mdb";
  for (auto _ : state) {
    benchmark::DoNotOptimize(Database::OpenFile(path));
  }
}
BENCHMARK(BM_DatabaseOpen)->Unit(benchmark::kMillisecond)->Iterations(5);

// The part of it that the overview's figures take: a refill of the open window.
void BM_OverviewRefill(benchmark::State& state) {
  const HitMap hitMap;
  ScriptedDialogs dialogs;
  StartWindow window(StartWindowSetup{ProgramFolder(), hitMap, ProgramRandom(), false, {}},
                     dialogs);
  window.FormCreate();
  for (auto _ : state) {
    window.FillPlayerOverview(false);
  }
}
BENCHMARK(BM_OverviewRefill)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  ApplyKorvantiLook(application);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
