#include <gtest/gtest.h>

#include <filesystem>

#include "StatisticsFixture.h"
#include "ToolRun.h"
#include "store/DatabaseArchive.h"

namespace korvanti {
namespace {

using testing::RunTool;

// `stats` for Anna in May 2026 with the given options, on a database that
// `fill` writes her games into.
template <typename Fill>
testing::ToolRun AnnasStatsOfMay(const TempFolder& folder, Fill fill, const std::string& options) {
  {
    testing::StatisticsFixture fixture;
    fill(fixture, fixture.AddPlayer("Anna"));
    std::filesystem::copy_file(fixture.folder / "dart.mdb", folder / "dart.mdb");
  }
  return RunTool(folder, "stats --db " + (folder / "dart.mdb").string() +
                             " --player Anna --from 2026-05-01 --to 2026-05-31 --interval day " +
                             options + " --decimal . --home " + (folder / "home").string());
}

// stats --view doubles: the view "Doppel" as CSV, one line per double.
TEST(StatsTool, DoublesViewAsCsv) {
  TempFolder folder;
  const auto run = AnnasStatsOfMay(
      folder,
      [](testing::StatisticsFixture& fixture, const std::string& anna) {
        // 121 left, then 32: LS16 at D16, D8 at 16 left.
        fixture.AddGame(anna, "const301dout", EncodeDateTime({2026, 5, 5, 20, 0, 0}),
                        {{"T20 T20 T20"}, {"T20 LS19 LS10"}, {"LS16 D8"}});
      },
      "--game 3 --view doubles");
  ASSERT_EQ(run.status, 0) << run.errors;
  ASSERT_EQ(run.lines.size(), 22u);
  EXPECT_EQ(run.lines[0], "Doppel,Darts,Treffer,%");
  EXPECT_EQ(run.lines[1], "D1,0,0,-");
  EXPECT_EQ(run.lines[8], "D8,1,1,100.00");
  EXPECT_EQ(run.lines[16], "D16,1,0,0.00");
  EXPECT_EQ(run.lines[21], "Bull,0,0,-");
}

// The practice routines (here Halve-It, entry 33) print their own table.
TEST(StatsTool, RoutineTableAsCsv) {
  TempFolder folder;
  const auto run = AnnasStatsOfMay(
      folder,
      [](testing::StatisticsFixture& fixture, const std::string& anna) {
        Turn turn;
        turn.turnId = NewGuidString();
        for (int n = 1; n <= 3; ++n) {
          turn.Hit(n).hit = n == 3 ? "LS1" : "T20";
          turn.Hit(n).aim = "T20";
        }
        GameRecord game{NewGuidString(),
                        "consthalveit",
                        EncodeDateTime({2026, 5, 5, 20, 0, 0}),
                        turn.turnId,
                        {},
                        std::nullopt};
        game.players.push_back(
            {anna, std::span<const Turn>(&turn, 1), 0, 0, 120, TargetHits{2, 3}});
        DatabaseArchive(*fixture.database).StoreGame(game);
      },
      "--game 33 --last-entry 0");
  ASSERT_EQ(run.status, 0) << run.errors;
  ASSERT_EQ(run.lines.size(), 2u);
  EXPECT_EQ(run.lines[0], "Trainings,Ergebnis Ø,Bestes Ergebnis,% Treffer,von,bis");
  EXPECT_TRUE(run.lines[1].starts_with("1,120.00,120,66.67,")) << run.lines[1];
}

}  // namespace
}  // namespace korvanti
