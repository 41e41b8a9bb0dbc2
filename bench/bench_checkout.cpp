#include <benchmark/benchmark.h>

#include <filesystem>

#include "engine/CheckoutRoutes.h"
#include "engine/CheckoutTable.h"
#include "engine/PlayerTurns.h"
#include "platform/FileIo.h"

namespace {

std::filesystem::path TableFile() {
  static const auto path = [] {
    auto file = std::filesystem::temp_directory_path() / "korvanti-bench-checkout.ini";
    korvanti::WriteFileDurably(file, korvanti::CheckoutTableText());
    return file;
  }();
  return path;
}

// The proposal as the game screen asks for it after every dart: the file is
// looked at, found unchanged, and the cached table answers.
void CheckoutLookupUnchangedFile(benchmark::State& state) {
  korvanti::CheckoutTable table(TableFile());
  korvanti::PlayerTurns list;
  list.score = 100;
  for (auto _ : state) {
    benchmark::DoNotOptimize(list.GetCheckOutThrow(true, table));
  }
}
BENCHMARK(CheckoutLookupUnchangedFile);

// What every lookup would cost if the file were read anew each time.
void CheckoutParseTable(benchmark::State& state) {
  for (auto _ : state) {
    korvanti::CheckoutTable table(TableFile());
    benchmark::DoNotOptimize(table.Lookup(true, 3, 100));
  }
}
BENCHMARK(CheckoutParseTable);

}  // namespace
