#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "RawDatabase.h"
#include "TempFolder.h"
#include "platform/FileIo.h"

namespace korvanti {
namespace {

struct ToolRun {
  int status = -1;
  std::vector<std::string> lines;
  std::string errors;
};

// Runs korvanti-tool with the script on its standard input.
ToolRun RunTool(const TempFolder& folder, const std::string& arguments, const std::string& script) {
  std::ofstream(folder / "script.txt") << script;
  const auto command = std::string(KORVANTI_TOOL) + " " + arguments + " < " +
                       (folder / "script.txt").string() + " > " + (folder / "out.txt").string() +
                       " 2> " + (folder / "err.txt").string();
  ToolRun run;
  const int raw = std::system(command.c_str());
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::istringstream out(ReadWholeFile(folder / "out.txt").value_or(""));
  for (std::string line; std::getline(out, line);)
    run.lines.push_back(line);
  run.errors = ReadWholeFile(folder / "err.txt").value_or("");
  return run;
}

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
       {"play --game 31", "play --game 13 --players Anna,Ben", "play --game 4 --set nonsense=1"}) {
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
  EXPECT_TRUE(Contains(finish, "question: Game over after 2 rounds\\n\\rSpiel fortsetzten?"))
      << finish;
  EXPECT_TRUE(Contains(finish, "newgame"));
  EXPECT_TRUE(Contains(run.lines.back(), "closed: No"));
  EXPECT_TRUE(Contains(run.lines.back(), R"("score":301)"));
}

}  // namespace
}  // namespace korvanti
