#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include "RawDatabase.h"
#include "TempFolder.h"
#include "platform/Error.h"
#include "platform/Notice.h"
#include "store/Database.h"
#include "store/Recorder.h"

extern char** environ;

namespace korvanti {
namespace {

namespace fs = std::filesystem;
using testing::RawDatabase;

TEST(Nicknames, TakenNicknamesAreRefusedIgnoringCaseAndBlanks) {
  TempFolder folder;
  auto database = Database::OpenFile(folder / "dart.mdb");
  Recorder recorder(*database);
  recorder.AppendPlayer("Jörg", "Müller", "Müller");
  const struct {
    const char* entered;
    const char* shown;
  } taken[] = {
      {"Müller", "Müller"}, {"müller", "müller"}, {" MÜLLER ", "MÜLLER"}, {"Müller\t", "Müller"}};
  for (const auto& name : taken) {
    try {
      recorder.AppendPlayer("", "", name.entered);
      ADD_FAILURE() << name.entered << " was added";
    } catch (const Error& error) {
      EXPECT_EQ(std::string(error.what()), std::string("Den Anzeigenamen \"") + name.shown +
                                               "\" gibt es schon, bitte einen anderen wählen.");
    }
  }
  EXPECT_THROW(recorder.AppendPlayer("", "", "  "), Error);
  recorder.AppendPlayer("", "", "  Müllers ");
  EXPECT_EQ(recorder.FindOrAppendPlayer("MÜLLERS"), recorder.FindOrAppendPlayer("müllers"));
  RawDatabase raw(folder / "dart.mdb");
  EXPECT_EQ(raw.Rows("SELECT nickname FROM player ORDER BY rowid")[1][0].toString(), "Müllers");
  EXPECT_EQ(raw.Count("player"), 2);
}

// An older file where one person got two rows ("Tom", "tom ") and two people
// who played each other share a nickname ("Anna", "ANNA").
TEST(Nicknames, OlderFileWithSharedNicknamesIsMergedOrRenamedAndSaysSo) {
  TempFolder folder;
  const auto file = folder / "dart.mdb";
  Database::OpenFile(file);
  {
    RawDatabase raw(file);
    raw.Exec("DROP INDEX idx_player_nickname");
    raw.Exec(
        "INSERT INTO player (playerid, nickname) VALUES ('p1', 'Tom'), ('p2', 'tom '), "
        "('p3', 'Anna'), ('p4', 'ANNA')");
    raw.Exec(
        "INSERT INTO throw (throwid, gameid, playerid) VALUES ('t1', 'g1', 'p1'), "
        "('t2', 'g1', 'p1'), ('t3', 'g2', 'p2'), ('t4', 'g2', 'p2'), ('t5', 'g2', 'p2'), "
        "('t6', 'g3', 'p3'), ('t7', 'g3', 'p4')");
    raw.Exec("INSERT INTO doublerate (indexid, gameid, playerid) VALUES ('d1', 'g2', 'p2')");
  }
  std::vector<std::string> notices;
  {
    ScopedNoticeReceiver collect([&](std::string_view text) { notices.emplace_back(text); });
    Database::OpenFile(file);
  }
  RawDatabase raw(file);
  const auto players = raw.Rows("SELECT playerid, nickname FROM player ORDER BY rowid");
  ASSERT_EQ(players.size(), 3u);
  EXPECT_EQ(players[0][1].toString(), "Tom");
  EXPECT_EQ(players[2][1].toString(), "ANNA (2)");
  EXPECT_EQ(raw.Count("throw WHERE playerid = 'p1'"), 5);
  EXPECT_EQ(raw.Count("doublerate WHERE playerid = 'p1'"), 1);
  EXPECT_EQ(raw.Count("throw"), 7);
  EXPECT_EQ(notices,
            (std::vector<std::string>{
                "Der Spieler \"ANNA\" heißt jetzt \"ANNA (2)\", weil \"Anna\" denselben "
                "Anzeigenamen hat und beide in derselben Partie spielten.",
                "Die Spieler \"Tom\" und \"tom \" hatten denselben Anzeigenamen; ihre Würfe "
                "stehen jetzt bei \"Tom\"."}));
  EXPECT_TRUE(fs::exists(folder / "dart.mdb.vor-namensabgleich.bak"));
  EXPECT_EQ(RawDatabase(folder / "dart.mdb.vor-namensabgleich.bak").Count("player"), 4);
}

pid_t StartAddingPlayers(const fs::path& file, const std::vector<std::string>& nicknames) {
  std::vector<std::string> texts{KORVANTI_ADD_PLAYERS, file.string()};
  texts.insert(texts.end(), nicknames.begin(), nicknames.end());
  std::vector<char*> arguments;
  for (auto& text : texts) {
    arguments.push_back(text.data());
  }
  arguments.push_back(nullptr);
  pid_t child = 0;
  return posix_spawn(&child, texts[0].c_str(), nullptr, nullptr, arguments.data(), environ) == 0
             ? child
             : -1;
}

// Two programs start at once on a file that does not exist yet and each adds
// the same twenty new players (one writes them in capitals): the file is
// created once and every player has one row.
TEST(Nicknames, TwoProgramsAddingTheSamePlayersAtOnceMakeOneRowEach) {
  std::vector<std::string> lower;
  std::vector<std::string> upper;
  for (int i = 1; i <= 20; ++i) {
    lower.push_back("spieler " + std::to_string(i));
    upper.push_back("SPIELER " + std::to_string(i));
  }
  for (int round = 0; round < 3; ++round) {
    TempFolder folder;
    const auto file = folder / "dart.mdb";
    const pid_t first = StartAddingPlayers(file, lower);
    const pid_t second = StartAddingPlayers(file, upper);
    ASSERT_GT(first, 0);
    ASSERT_GT(second, 0);
    for (const pid_t child : {first, second}) {
      int status = 0;
      waitpid(child, &status, 0);
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "round " << round;
    }
    RawDatabase raw(file);
    EXPECT_EQ(raw.Count("player"), 20) << "round " << round;
    EXPECT_EQ(raw.Count("version"), 1) << "round " << round;
  }
}

}  // namespace
}  // namespace korvanti
