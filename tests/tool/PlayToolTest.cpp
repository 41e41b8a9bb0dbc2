#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "RawDatabase.h"
#include "StatisticsFixture.h"
#include "TempFolder.h"
#include "ToolRun.h"
#include "platform/FileIo.h"

namespace korvanti {
namespace {

using testing::RunTool;
using testing::ToolRun;

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(PlayTool, PlaysAndStoresAWholeGameOfFiveHundredAndOne) {
  TempFolder folder;
  const auto database = folder / "dart.mdb";
  const auto run = RunTool(folder,
                           "play --game 4 --players \"Anna,Ben\" --db " + database.string() +
                               " --home " + (folder / "home").string(),
                           "T20 T20 T20  0 0 0\n"
                           "T20 T20 T20  0 0 0\n"
                           "T20 T19 D12\n"
                           "no\n");
  ASSERT_EQ(run.status, 0) << run.errors;
  // The start line, 15 darts; the answer "no" prints no line of its own.
  ASSERT_EQ(run.lines.size(), 16u);
  EXPECT_TRUE(Contains(run.lines[3], R"("events":["banner: 180 Punkte, Rest: 321"])"));
  EXPECT_TRUE(Contains(run.lines[13], R"("proposal":["","T19","D12"])")) << run.lines[13];
  const auto& last = run.lines.back();
  EXPECT_TRUE(Contains(last, R"("cmd":"D12")"));
  EXPECT_TRUE(Contains(last, R"("finished":true)"));
  EXPECT_TRUE(Contains(last, R"("decided":true)"));
  EXPECT_TRUE(Contains(last, "gameover: Game over. The Winner is: Anna after 3 rounds"));
  EXPECT_TRUE(Contains(last, "summary: Anna (1) | 167,0 (167,0) | "));
  EXPECT_TRUE(Contains(last, "saved: {"));
  EXPECT_TRUE(Contains(last, "closed: OK"));
  EXPECT_TRUE(Contains(last, R"("nickname":"Anna","score":0)"));

  testing::RawDatabase raw(database);
  EXPECT_EQ(raw.Count("player"), 2);
  EXPECT_EQ(raw.Count("game WHERE gametypesid = 'const501dout'"), 1);
  EXPECT_EQ(raw.Count("throw"), 5);
  EXPECT_EQ(raw.Count("throw t JOIN player p ON p.playerid = t.playerid "
                      "WHERE p.nickname = 'Anna' AND t.hit3value = 'D12'"),
            1);
  EXPECT_EQ(raw.Count("game g JOIN throw t ON t.throwid = g.winthrowid "
                      "JOIN player p ON p.playerid = t.playerid WHERE p.nickname = 'Anna'"),
            1);
  EXPECT_EQ(raw.Count("doublerate"), 2);
  EXPECT_TRUE(std::filesystem::exists(folder / "home/checkout.ini"));
}

TEST(PlayTool, PlaysAMatchWithBullOffAndReportsLegsSetsAndTheBullOff) {
  TempFolder folder;
  const auto database = folder / "dart.mdb";
  const std::string starterLeg = "T20 T20 T20  0 0 0  T20 T7 LS20  0 0 0  D10\n";
  const auto run = RunTool(folder,
                           "play --game 3 --players \"Anna,Ben\" --set legs=2 --set bulloff=1 "
                           "--db " +
                               database.string() + " --home " + (folder / "home").string(),
                           "SS3@330,350 D25@332,322\n" + starterLeg +
                               "0 0 0  T20 T20 T20  0 0 0  T20 T7 LS20  0 0 0  D10\nno\n");
  ASSERT_EQ(run.status, 0) << run.errors;
  // Ben's dart lies nearer: he starts the first leg, Anna the second.
  const auto& decided = run.lines[2];
  EXPECT_TRUE(Contains(decided, R"("bulloff":[23,2.87])")) << decided;
  EXPECT_TRUE(
      Contains(decided, R"("match":{"leg":1,"set":1,"starter":1,"finished":false,"winner":-1})"))
      << decided;
  const auto& afterFirstLeg = run.lines[2 + 13];
  EXPECT_TRUE(Contains(afterFirstLeg, R"("finished":false)")) << afterFirstLeg;
  EXPECT_TRUE(Contains(afterFirstLeg, R"("match":{"leg":2,"set":1,"starter":0,)")) << afterFirstLeg;
  EXPECT_TRUE(Contains(afterFirstLeg, R"("nickname":"Anna",)"));
  EXPECT_TRUE(Contains(afterFirstLeg, R"("legs":1,"sets":0})")) << afterFirstLeg;
  const auto& last = run.lines.back();
  EXPECT_TRUE(Contains(last, R"("finished":true)"));
  EXPECT_TRUE(Contains(last, R"("match":{"leg":2,"set":1,"starter":0,"finished":true,"winner":1})"))
      << last;

  testing::RawDatabase raw(database);
  EXPECT_EQ(raw.Count("game WHERE matchid IS NOT NULL"), 2);
  EXPECT_EQ(raw.Count("matches m JOIN player p ON p.playerid = m.winnerid "
                      "WHERE p.nickname = 'Ben' AND m.legs = 2 AND m.sets = 1 "
                      "AND m.endtime > m.starttime AND m.bulloff LIKE '%=23.%;%=2.%'"),
            1);
  EXPECT_EQ(raw.Count("game g JOIN matches m ON m.matchid = g.matchid"), 2);
}

TEST(PlayTool, PracticeRoutinesNameTheirTargetAndScore) {
  TempFolder folder;
  const struct {
    const char* game;
    const char* script;
    const char* target;  // after the script
    const char* score;
  } cases[] = {
      {"31", "D1 D1 0", "D2", R"("score":31)"},
      {"32", "T15 D8", "62", R"("score":62)"},
      {"33", "T15 0 0", "16", R"("score":85)"},
      {"34", "T1 T2 LS3", "T3", R"("score":2)"},
  };
  for (const auto& c : cases) {
    const auto run = RunTool(folder,
                             std::string("play --game ") + c.game + " --players Anna --home " +
                                 (folder / "home").string(),
                             c.script);
    ASSERT_EQ(run.status, 0) << run.errors;
    const auto& last = run.lines.back();
    EXPECT_TRUE(Contains(last, std::string(R"("target":")") + c.target + "\"")) << last;
    EXPECT_TRUE(Contains(last, c.score)) << last;
  }
}

// The end of a training played by the tool compares with the best stored before.
TEST(PlayTool, ASecondTrainingIsComparedWithTheFirst) {
  TempFolder folder;
  const auto play = [&](const char* script) {
    const auto run =
        RunTool(folder,
                "play --game 31 --players Anna --db " + (folder / "dart.mdb").string() +
                    " --home " + (folder / "home").string(),
                script);
    EXPECT_EQ(run.status, 0) << run.errors;
    return run.lines.empty() ? std::string() : run.lines.back();
  };
  // Nothing hit: 27 - 2 - 4 - 6 - 8 - 10.
  const auto first = play("0 0 0  0 0 0  0 0 0  0 0 0  0 0 0  no");
  EXPECT_TRUE(Contains(first, "Neue Bestleistung: -3 (die erste)")) << first;
  const auto second = play("D1 D1 D1  0 0 0  0 0 0  0 0 0  0 0 0  0 0 0  no");
  EXPECT_TRUE(Contains(second, "Ergebnis: -7, Bestleistung: -3")) << second;
}

TEST(PlayTool, ABadScriptRunsNothingAndSavesNothing) {
  TempFolder folder;
  const auto database = folder / "dart.mdb";
  const auto run = RunTool(folder,
                           "play --game 3 --players Anna --db " + database.string() + " --home " +
                               folder.Path().string(),
                           "D20 abort:yes T21\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.lines.empty());
  EXPECT_TRUE(Contains(run.errors, "T21")) << run.errors;
  EXPECT_FALSE(std::filesystem::exists(database));

  for (const char* arguments :
       {"play --game 35", "play --game 13 --players Anna,Ben", "play --game 4 --set nonsense=1"}) {
    const auto bad =
        RunTool(folder, std::string(arguments) + " --home " + folder.Path().string(), "");
    EXPECT_EQ(bad.status, 2) << arguments;
    EXPECT_FALSE(bad.errors.empty()) << arguments;
  }
}

TEST(PlayTool, QuestionsTakeTheirAnswerFromTheScript) {
  TempFolder folder;
  const auto run = RunTool(
      folder, "play --game 3 --players Anna --set summary=0 --home " + folder.Path().string(),
      "T20 T20 T20 T20 T19 D2 yes abort:no");
  ASSERT_EQ(run.status, 0) << run.errors;
  ASSERT_EQ(run.lines.size(), 8u);
  const auto& finish = run.lines[6];
  EXPECT_TRUE(Contains(finish, "question: Game over after 2 rounds\\nSpiel fortsetzten?"))
      << finish;
  EXPECT_TRUE(Contains(finish, "newgame"));
  EXPECT_TRUE(Contains(run.lines.back(), "closed: No"));
  EXPECT_TRUE(Contains(run.lines.back(), R"("score":301)"));
}

// The darts of a whole round the board, or of one Pirmel level, as a script.
std::string Series(const std::string& prefix, int times, const std::string& bull) {
  std::string script;
  for (int n = 1; n <= 20; ++n) {
    for (int i = 0; i < times; ++i)
      script += prefix + std::to_string(n) + " ";
  }
  for (int i = 0; i < times; ++i)
    script += bull + " ";
  return script;
}

TEST(PlayTool, EveryGameWithoutTheComputerPlaysToItsEnd) {
  TempFolder folder;
  std::ofstream(folder / "SETTINGS.ini")
      << "[Kurz]\ndef='T20=1,D16=1'\ncloseall=1\ncloseinone=0\nignoremisshits=0\nrounds=1\n";
  std::string roundDoubleBull;
  for (int n = 1; n <= 20; ++n)
    roundDoubleBull += "D" + std::to_string(n) + " SS25 ";
  struct Case {
    int game;
    std::string settings;
    std::string script;
    std::string end;
  };
  const std::string cricket = "T15 T16 T17 T18 T19 T20 D25 SS25";
  const std::string fiveOhOne = "T20 T20 T20 T20 T20 T20 T20 T19 D12";
  const Case cases[] = {
      {1, "", "T20 T20 T20 T20 T20 LS1", "Game over after 2 rounds"},
      {2, "", "T20 T20 T20 T20 T20 T20 T20 T20 LS20 LS1", "Game over after 4 rounds"},
      {3, "", "T20 T20 T20 T20 T19 D2", "Game over after 2 rounds"},
      {4, "", fiveOhOne, "Game over after 3 rounds"},
      {5, "", cricket, "Practice over after 3 rounds"},
      {6, "", cricket, "Practice over after 3 rounds"},
      {7, "", cricket, "Practice over after 3 rounds"},
      {8, "", cricket, "Practice over after 3 rounds"},
      {9, "", "SS1 D2 T3", "Practice over  with 21 points."},
      {10, "", Series("LS", 1, "SS25"), "Practice over  with 21 points."},
      {11, "", Series("D", 1, ""), "Practice over  with 20 points."},
      {13, "--set aim=0", fiveOhOne, "Game over after 3 rounds"},
      {16, "--set aim=0", cricket, "Practice over after 3 rounds"},
      {17, "", roundDoubleBull, "Practice over  with 40 points."},
      {18, "--set rounds=1", "LS20 0 LS20", "Practice over! with 2 hits out of 3 trys."},
      {19, "--set rounds=1", "T19 0 LS19", "Practice over! with 2 hits out of 3 trys."},
      {20, "--set rounds=1", "T20 0 LS20", "Practice over! with 1 hits out of 3 trys."},
      {21, "--set rounds=1", "T19 0 LS19", "Practice over! with 1 hits out of 3 trys."},
      {22, "--set rounds=1", "D25 SS25 0", "Practice over! with 2 hits out of 3 trys."},
      {23, "--set rounds=1", "D20 0 0 D16 0 0 D10 0 0 D8 0 0 D5 0 0 D4 0 0 D2 0 0 D1 0 0",
       "Practice over! with 8 hits out of 24 trys."},
      {24, "--set rounds=1 --set double=D5", "D5 0 D5",
       "Practice over! with 2 hits out of 3 trys."},
      {25, "--set aim=0", "T20 T20 D25", "Game over after 1 rounds"},
      {26, "--set aim=0 --set start=161", "T20 T17 D25", "Training beendet."},
      {27, "--set maxlevel=1", Series("LS", 3, "SS25"), "Training beendet"},
      {28, "--set aim=0 --set rounds=1", "T20 0 LS5", "Training zu Ende"},
      {29, "--set training=Kurz", "T20 D16", "Training zu Ende."},
      {30, "", "T20 T20 T20 T20 T20 LS1", "Game over after 2 rounds"},
  };
  for (const auto& c : cases) {
    const auto run = RunTool(folder,
                             "play --game " + std::to_string(c.game) + " --players Anna " +
                                 c.settings + " --home " + folder.Path().string(),
                             c.script);
    ASSERT_EQ(run.status, 0) << c.game << ": " << run.errors;
    ASSERT_FALSE(run.lines.empty()) << c.game;
    EXPECT_TRUE(Contains(run.lines.back(), "\"gameover: " + c.end + "\""))
        << c.game << ": " << run.lines.back();
    EXPECT_TRUE(Contains(run.lines.back(), "closed: OK")) << c.game;
  }
}

TEST(StatsTool, OverviewAndStatisticsAsCsv) {
  TempFolder folder;
  {
    testing::StatisticsFixture fixture;
    const auto anna = fixture.AddPlayer("Anna");
    fixture.AddPlayer("Ben");
    const double may5 = EncodeDateTime({2026, 5, 5, 20, 0, 0});
    fixture.AddGame(anna, "const501dout", may5, {{"T20 T20 T20"}, {"T20 LS1 LS1"}, {"D20"}});
    std::filesystem::copy_file(fixture.folder / "dart.mdb", folder / "dart.mdb");
  }
  const auto db = (folder / "dart.mdb").string();
  const auto home = " --home " + (folder / "home").string();
  auto run = RunTool(folder, "overview --db " + db + " --game 4" + home, "");
  ASSERT_EQ(run.status, 0) << run.errors;
  ASSERT_EQ(run.lines.size(), 3u);
  EXPECT_EQ(run.lines[0],
            "Spieler,Spiele,Gewonnen,%,High Score,PPD,Best Checkout,Doppelrate,First 9,180er");
  EXPECT_EQ(run.lines[1], "\"Anna \"\"Anna\"\" \",1,1,100,180,\"40,29\",40,-,94,1");
  EXPECT_EQ(run.lines[2], "\"Ben \"\"Ben\"\" \",0,0,,0,,0,-,-,0");

  run = RunTool(folder,
                "stats --db " + db +
                    " --player Anna --game 4 --from 2026-05-01 --to \"2026-05-31 12:00\" "
                    "--interval day --last-entry 0 --decimal ." +
                    home,
                "");
  ASSERT_EQ(run.status, 0) << run.errors;
  ASSERT_EQ(run.lines.size(), 2u);
  EXPECT_EQ(run.lines[1],
            "7,120.86/40.29,40,180,0,0,0,0,0,0,1 (33.33%),3 (7),94.00,1,-,-,05.05.26 00:00:00,"
            "06.05.26 00:00:00");  // the band's share is of turns

  run = RunTool(folder,
                "stats --db " + db +
                    " --player Anna --game 0 --from 2026-05-01 --to 2026-06-01 --interval month"
                    " --field T20" +
                    home,
                "");
  ASSERT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(run.lines[0], "Darts,% Treffer Zahl,% Treffer Exakt,von,bis");
  EXPECT_EQ(run.lines.size(), 1u);  // nothing was aimed at T20

  for (const char* bad : {"stats --db X --player Anna --game 4 --from 2026-05-01 --to 2026-06-01 "
                          "--interval day",
                          "stats --player Anna --game 4", "overview --game 35 --db X",
                          "stats --db DB --player Nobody --game 4 --from 2026-05-01 --to "
                          "2026-06-01 --interval day",
                          "stats --db DB --player Anna --game 4 --from 2026-13-01 --to "
                          "2026-06-01 --interval day"}) {
    auto arguments = std::string(bad);
    if (const auto at = arguments.find(" DB "); at != std::string::npos) {
      arguments.replace(at, 4, " " + db + " ");
    }
    const auto failed = RunTool(folder, arguments + home, "");
    EXPECT_EQ(failed.status, 2) << bad;
    EXPECT_FALSE(failed.errors.empty()) << bad;
  }
}

// Four days: with the shipped checkout table showing the way, two days of
// this seed hold no bust.
TEST(SeedTool, PlausiblePlayTheSameForTheSameSeed) {
  TempFolder folder;
  const auto seed = [&](const std::string& name) {
    const auto run = RunTool(folder,
                             "seed --db " + (folder / name).string() +
                                 " --players 2 --days 4 --seed 3 --home " + folder.Path().string(),
                             "");
    EXPECT_EQ(run.status, 0) << run.errors;
    testing::RawDatabase raw(folder / name);
    return raw.Rows(
        "SELECT COUNT(*), SUM(hit1x + 2 * hit2y + 3 * hit3x), SUM(tocount), "
        "(SELECT COUNT(*) FROM game), (SELECT COUNT(DISTINCT gametypesid) FROM game), "
        "(SELECT SUM(throwsatdouble) FROM doublerate) FROM throw")[0];
  };
  const auto first = seed("a.mdb");
  const auto second = seed("b.mdb");
  for (std::size_t i = 0; i < first.size(); ++i) {
    EXPECT_EQ(first[i].toLongLong(), second[i].toLongLong()) << i;
  }
  EXPECT_EQ(first[3].toLongLong(), 2 * 4 * 9);  // nine games a player a day
  EXPECT_EQ(first[4].toLongLong(), 6);
  EXPECT_GT(first[0].toLongLong(), 2 * 4 * 60);
  EXPECT_LT(first[2].toLongLong(), first[0].toLongLong());  // some busts
  EXPECT_GT(first[5].toLongLong(), 0);
}

TEST(PlayTool, TheComputerPlaysItsSimulatedGame) {
  TempFolder folder;
  const auto database = folder / "dart.mdb";
  std::string script;
  for (int turn = 0; turn < 12; ++turn)
    script += "0 0 0 ";
  const auto run = RunTool(folder,
                           "play --game 12 --players Anna --set average=60 --set exact=1 "
                           "--set seconds=0 --set aim=0 --seed 5 --db " +
                               database.string() + " --home " + folder.Path().string(),
                           script);
  ASSERT_EQ(run.status, 0) << run.errors;
  const auto& last = run.lines.back();
  EXPECT_TRUE(Contains(last, "gameover: Game over. The Winner is: The Machine after 8 rounds"))
      << last;
  EXPECT_TRUE(Contains(
      last, R"("nickname":"The Machine","score":0,"bookedscore":0,"progress":0,"turns":8)"));
  testing::RawDatabase raw(database);
  EXPECT_EQ(raw.Count("throw"), 8);  // only Anna's turns
  EXPECT_EQ(raw.Count("doublerate"), 1);
  EXPECT_EQ(raw.Count("game"), 1);

  const auto refused =
      RunTool(folder, "play --game 15 --players Anna --home " + folder.Path().string(), "T20");
  EXPECT_EQ(refused.status, 1);
  EXPECT_TRUE(Contains(refused.errors, "Keine Spieldaten gefunden!"));
}

}  // namespace
}  // namespace korvanti
