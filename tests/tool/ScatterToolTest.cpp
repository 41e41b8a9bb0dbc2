#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cmath>
#include <cstdlib>
#include <sstream>

#include "SampleData.h"
#include "TempFolder.h"
#include "platform/FileIo.h"
#include "store/AimedDarts.h"
#include "store/Database.h"
#include "store/DatabaseArchive.h"

namespace korvanti {
namespace {

// Sample play whose players' darts land with a round spread of
// 12 + 16 p / (players - 1) pixels around the aim point (p = 0, 1, ...) and no bias.
std::filesystem::path Seeded(const TempFolder& folder, int players, int days) {
  const auto file = folder / "dart.mdb";
  auto database = Database::OpenFile(file);
  SampleDataPlan plan;
  plan.players = players;
  plan.days = days;
  plan.seed = 5;
  plan.lastDay = 46000;  // 2025-12-09
  SeedSampleData(*database, plan);
  return file;
}

struct Run {
  int status = -1;
  std::vector<std::string> lines;
  std::string errors;
};

Run Tool(const TempFolder& folder, const std::string& arguments) {
  const auto out = folder / "out.txt";
  const auto err = folder / "err.txt";
  const auto command = std::string(KORVANTI_TOOL) + " scatter --db " +
                       (folder / "dart.mdb").string() + " " + arguments + " > " + out.string() +
                       " 2> " + err.string();
  Run run;
  const int raw = std::system(command.c_str());
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::istringstream text(ReadWholeFile(out).value_or(""));
  for (std::string line; std::getline(text, line);) {
    run.lines.push_back(line);
  }
  run.errors = ReadWholeFile(err).value_or("");
  return run;
}

TEST(ScatterFitOfSamplePlay, RecoversEachPlayersSpreadAndNoBias) {
  TempFolder folder;
  auto database = Database::OpenFile(Seeded(folder, 4, 12));
  for (int p = 0; p < 4; ++p) {
    const double spread = 12.0 + 16.0 * p / 3;
    AimedDartSelection selection;
    selection.playerId =
        *DatabaseArchive(*database).FindPlayerIdByNickname("Spieler " + std::to_string(p + 1));
    selection.to = 46001;
    const auto fit = FitStoredScatter(*database, selection);
    ASSERT_TRUE(fit.overall) << fit.Missing();
    const auto& [bias, c] = fit.overall->scatter;
    EXPECT_NEAR(std::sqrt((c.xx + c.yy) / 2), spread, 0.05 * spread) << "player " << p + 1;
    // The mean of n darts is known to spread / sqrt(n): within a pixel, or
    // three of those where the sample is too small for a pixel.
    const double allowed = std::max(1.0, 3 * spread / std::sqrt(fit.overall->used));
    EXPECT_NEAR(bias.x, 0, allowed) << "player " << p + 1;
    EXPECT_NEAR(bias.y, 0, allowed) << "player " << p + 1;
    EXPECT_LT(fit.overall->leftOut, fit.aimedDarts / 100);
  }
}

TEST(ScatterTool, PrintsTheFitAndWhereToAimOrWhyNot) {
  TempFolder folder;
  Seeded(folder, 2, 3);
  const auto run = Tool(folder, "--player \"Spieler 1\"");
  ASSERT_EQ(run.status, 0) << run.errors;
  ASSERT_EQ(run.lines.size(), 7u);
  EXPECT_TRUE(run.lines[0].starts_with("Ziel,Würfe,Ausreißer,Versatz X (px)"));
  EXPECT_TRUE(run.lines[1].starts_with("Alle,"));
  EXPECT_TRUE(run.lines[2].starts_with("Triple,"));
  EXPECT_TRUE(run.lines[6].starts_with("Bester Zielpunkt: T20")) << run.lines[6];
  EXPECT_NE(run.lines[6].find(" Punkte je Dart (T19: "), std::string::npos) << run.lines[6];

  // The solo 501 training (entry 13) of the last day alone: one game.
  const auto few = Tool(folder, "--player \"Spieler 2\" --game 13 --from 2025-12-09");
  ASSERT_EQ(few.status, 0) << few.errors;
  ASSERT_FALSE(few.lines.empty());
  EXPECT_TRUE(few.lines.back().starts_with("Zu wenige Würfe mit Ziel: ")) << few.lines.back();
  EXPECT_TRUE(few.lines.back().ends_with(" von 100")) << few.lines.back();

  EXPECT_EQ(Tool(folder, "--player Niemand").status, 2);
  EXPECT_EQ(Tool(folder, "--player \"Spieler 1\" --game 35").status, 2);
}

}  // namespace
}  // namespace korvanti
