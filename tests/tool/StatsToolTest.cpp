#include <gtest/gtest.h>

#include <filesystem>

#include "StatisticsFixture.h"
#include "ToolRun.h"
#include "store/DatabaseArchive.h"

namespace korvanti {
namespace {

using testing::RunTool;

// stats --view doubles: the view "Doppel" as CSV, one line per double.
TEST(StatsTool, DoublesViewAsCsv) {
  TempFolder folder;
  {
    testing::StatisticsFixture fixture;
    const auto anna = fixture.AddPlayer("Anna");
    // 121 left, then 32: LS16 at D16, D8 at 16 left.
    fixture.AddGame(anna, "const301dout", EncodeDateTime({2026, 5, 5, 20, 0, 0}),
                    {{"T20 T20 T20"}, {"T20 LS19 LS10"}, {"LS16 D8"}});
    std::filesystem::copy_file(fixture.folder / "dart.mdb", folder / "dart.mdb");
  }
  const auto run = RunTool(folder, "stats --db " + (folder / "dart.mdb").string() +
                                       " --player Anna --game 3 --from 2026-05-01 --to 2026-05-31"
                                       " --interval day --view doubles --decimal . --home " +
                                       (folder / "home").string());
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
  {
    testing::StatisticsFixture fixture;
    const auto anna = fixture.AddPlayer("Anna");
    Turn turn;
    turn.turnId = NewGuidString();
    for (int n = 1; n <= 3; ++n) {
      turn.Hit(n).hit = n == 3 ? "LS1" : "T20";
      turn.Hit(n).aim = "T20";
    }
    GameRecord game{
        NewGuidString(), "consthalveit", EncodeDateTime({2026, 5, 5, 20, 0, 0}), turn.turnId, {},
        std::nullopt};
    game.players.push_back({anna, std::span<const Turn>(&turn, 1), 0, 0, 120, TargetHits{2, 3}});
    DatabaseArchive(*fixture.database).StoreGame(game);
    std::filesystem::copy_file(fixture.folder / "dart.mdb", folder / "dart.mdb");
  }
  const auto run = RunTool(folder, "stats --db " + (folder / "dart.mdb").string() +
                                       " --player Anna --game 33 --from 2026-05-01 --to 2026-05-31"
                                       " --interval day --last-entry 0 --decimal . --home " +
                                       (folder / "home").string());
  ASSERT_EQ(run.status, 0) << run.errors;
  ASSERT_EQ(run.lines.size(), 2u);
  EXPECT_EQ(run.lines[0], "Trainings,Ergebnis Ø,Bestes Ergebnis,% Treffer,von,bis");
  EXPECT_TRUE(run.lines[1].starts_with("1,120.00,120,66.67,")) << run.lines[1];
}

}  // namespace
}  // namespace korvanti
