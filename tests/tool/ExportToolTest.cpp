#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <sstream>

#include "StatisticsFixture.h"
#include "ToolRun.h"
#include "platform/FileIo.h"

namespace korvanti {
namespace {

using testing::StatisticsFixture;

struct Exported {
  int status = -1;
  std::vector<std::string> lines;
  std::string errors;
};

// korvanti-tool export with the arguments; the arguments are passed as they are.
Exported Export(const StatisticsFixture& data, const std::string& arguments) {
  const auto out = data.folder / "out.csv";
  const auto err = data.folder / "err.txt";
  const auto command = std::string(KORVANTI_TOOL) + " export " + arguments + " > '" + out.string() +
                       "' 2> '" + err.string() + "'";
  Exported run;
  const int raw = std::system(command.c_str());
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::istringstream lines(ReadWholeFile(out).value_or(""));
  for (std::string line; std::getline(lines, line);)
    run.lines.push_back(line);
  run.errors = ReadWholeFile(err).value_or("");
  return run;
}

double At(int day, int hour) {
  return EncodeDateTime({2026, 5, day, hour, 0, 0});
}

class ExportTool : public ::testing::Test {
 protected:
  ExportTool() {
    anna = data.AddPlayer("Anna \"Pfeil\", die Erste");
    ben = data.AddPlayer("Ben");
    annaGame = data.AddGame(anna, "const501dout", At(3, 20), {{"T20 LS1", "T20 20"}, {"D16"}});
    data.AddGame(ben, "constcricket", At(4, 21), {{"T19"}});
    data.AddGame(anna, "const301sout", At(6, 9), {{"SS25"}});
  }

  std::string Db() const { return "--db '" + (data.folder / "dart.mdb").string() + "'"; }

  StatisticsFixture data;
  std::string anna;
  std::string ben;
  std::string annaGame;
};

TEST_F(ExportTool, EveryDartWithItsCodesAndPositions) {
  const auto run = Export(data, Db());
  ASSERT_EQ(run.status, 0) << run.errors;
  ASSERT_EQ(run.lines.size(), 6u);
  EXPECT_EQ(run.lines[0],
            "datetime,player,gametype,gameid,turn,dart,hit,points,hit_x,hit_y,aim,aim_x,aim_y");
  const std::string anna = "\"Anna \"\"Pfeil\"\", die Erste\"";
  EXPECT_EQ(run.lines[1], "2026-05-03T20:00:00," + anna + ",const501dout," + annaGame +
                              ",1,1,T20,60,101,200,T20,0,0");
  EXPECT_EQ(run.lines[2], "2026-05-03T20:00:00," + anna + ",const501dout," + annaGame +
                              ",1,2,LS1,1,102,200,20,0,0");
  EXPECT_EQ(run.lines[3], "2026-05-03T20:00:00," + anna + ",const501dout," + annaGame +
                              ",2,1,D16,32,111,201,,0,0");
  EXPECT_TRUE(run.lines[4].find(",Ben,constcricket,") != std::string::npos) << run.lines[4];
  EXPECT_TRUE(run.lines[5].find(",SS25,25,") != std::string::npos) << run.lines[5];
}

TEST_F(ExportTool, FiltersByPlayerAndDates) {
  struct Case {
    std::string arguments;
    std::size_t darts;
  };
  const std::vector<Case> cases{
      {"--player 'Anna \"Pfeil\", die Erste'", 4},
      {"--player Ben", 1},
      {"--from 2026-05-04", 2},
      {"--to 2026-05-04", 4},  // the whole day
      {"--from '2026-05-04 22:00' --to '2026-05-06 09:00'", 1},
      {"--player Ben --from 2026-05-05", 0},
  };
  for (const auto& c : cases) {
    const auto run = Export(data, Db() + " " + c.arguments);
    ASSERT_EQ(run.status, 0) << c.arguments << ": " << run.errors;
    EXPECT_EQ(run.lines.size(), c.darts + 1) << c.arguments;
  }
}

TEST_F(ExportTool, InvalidInputIsRefusedClearly) {
  struct Case {
    std::string arguments;
    std::string message;
  };
  const std::vector<Case> cases{
      {"--player Carla", "Einen Spieler \"Carla\" gibt es in der Datenbank nicht."},
      {"--from 2026-13-01", "ist kein Datum"},
      {"--from 2026-05-05 --to 2026-05-01", "--from liegt nach --to"},
      {"--colour red", "--colour"},
  };
  for (const auto& c : cases) {
    const auto run = Export(data, Db() + " " + c.arguments);
    EXPECT_EQ(run.status, 2) << c.arguments;
    EXPECT_NE(run.errors.find(c.message), std::string::npos) << c.arguments << ": " << run.errors;
    EXPECT_TRUE(run.lines.empty()) << c.arguments;
  }
  const auto missing = Export(data, "--db '" + (data.folder / "none.mdb").string() + "'");
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.errors.find("gibt es nicht"), std::string::npos) << missing.errors;
}

// korvanti-tool merge: the three games into another board's file, once; a
// file that is no database of the program is refused.
TEST_F(ExportTool, MergeCopiesTheGamesOnceAndRefusesForeignFiles) {
  const auto target = "--db '" + (data.folder / "brett2.mdb").string() + "'";
  const auto from = "--from '" + (data.folder / "dart.mdb").string() + "'";
  const auto merge = [&](const std::string& arguments) {
    return testing::RunTool(data.folder, "merge " + arguments);
  };
  EXPECT_EQ(merge(from + " " + target).lines,
            std::vector<std::string>{"3 Spiele von 2 Spielern übernommen, 0 schon vorhanden"});
  EXPECT_EQ(merge(from + " " + target).lines,
            std::vector<std::string>{"0 Spiele von 0 Spielern übernommen, 3 schon vorhanden"});
  WriteFileDurably(data.folder / "notiz.txt", "kein Spiel");
  const auto refused = merge("--from '" + (data.folder / "notiz.txt").string() + "' " + target);
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.errors.find("notiz.txt\" ist keine Datenbank"), std::string::npos)
      << refused.errors;
}

}  // namespace
}  // namespace korvanti
