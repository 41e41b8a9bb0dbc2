#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>
#include <thread>
#include <vector>

#include "Engines.h"
#include "RawDatabase.h"
#include "TempFolder.h"
#include "store/Database.h"

extern char** environ;

namespace korvanti {
namespace {

using namespace std::chrono_literals;

using testing::Engine;

// The save loop on the database; with a count it stops after that many games.
pid_t StartSaveLoop(const DatabaseAddress& address, const std::string& count = {}) {
  std::vector<std::string> texts{KORVANTI_SAVE_LOOP, address.location};
  if (!count.empty()) {
    texts.push_back(count);
  }
  std::vector<char*> arguments;
  for (auto& text : texts) {
    arguments.push_back(text.data());
  }
  arguments.push_back(nullptr);
  const auto& program = texts.front();
  pid_t child = 0;
  if (posix_spawn(&child, program.c_str(), nullptr, nullptr, arguments.data(), environ) != 0) {
    return -1;
  }
  return child;
}

// Waits until the database holds more games than before, or the child is gone.
bool WaitForMoreGames(const DatabaseAddress& address, long long before, pid_t child) {
  const auto deadline = std::chrono::steady_clock::now() + 60s;
  while (std::chrono::steady_clock::now() < deadline) {
    if (waitpid(child, nullptr, WNOHANG) == child) {
      return false;
    }
    if (address.OnServer() || std::filesystem::exists(address.location)) {
      const auto raw = testing::OpenRaw(address);
      const auto tables = raw->Tables();
      if (std::find(tables.begin(), tables.end(), "doublerate") != tables.end() &&
          raw->Count("game") > before) {
        return true;
      }
    }
    std::this_thread::sleep_for(5ms);
  }
  return false;
}

// KORVANTI_KILL_SEED repeats the kill moments of a failed run.
unsigned KillSeed() {
  if (const char* given = std::getenv("KORVANTI_KILL_SEED")) {
    return static_cast<unsigned>(std::strtoul(given, nullptr, 10));
  }
  return std::random_device{}();
}

// Every game in the database has its twenty turns and two double rates.
void ExpectWholeGames(testing::RawDatabase& raw, long long games) {
  EXPECT_EQ(raw.Count("throw"), games * 20);
  EXPECT_EQ(raw.Count("doublerate"), games * 2);
  EXPECT_EQ(raw.Count("gametotals"), games * 2);
  EXPECT_EQ(raw.Count("game WHERE (SELECT COUNT(*) FROM throw "
                      "WHERE throw.gameid = game.gameid) <> 20"),
            0);
}

class KilledWhileSaving : public ::testing::TestWithParam<Engine> {};

TEST_P(KilledWhileSaving, EveryStoredGameIsComplete) {
  TempFolder folder;
  const auto address = testing::NewDatabase(GetParam(), folder / "dart.mdb");
  const unsigned seed = KillSeed();
  std::cout << "KORVANTI_KILL_SEED=" << seed << std::endl;
  RecordProperty("seed", std::to_string(seed));
  SCOPED_TRACE("KORVANTI_KILL_SEED=" + std::to_string(seed));
  std::mt19937 random(seed);
  long long games = 0;
  for (int round = 0; round < 4; ++round) {
    const pid_t child = StartSaveLoop(address);
    ASSERT_GT(child, 0);
    ASSERT_TRUE(WaitForMoreGames(address, games, child)) << "the save loop stored nothing";
    // Kill it at some moment inside the next saves.
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);

    ASSERT_NO_THROW(Database::Open(address));
    const auto raw = testing::OpenRaw(address);
    games = raw->Count("game");
    EXPECT_GT(games, 0);
    ExpectWholeGames(*raw, games);
    if (!address.OnServer()) {
      EXPECT_EQ(raw->Rows("PRAGMA integrity_check")[0][0].toString().toStdString(), "ok");
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Engines, KilledWhileSaving, testing::kBothEngines, testing::EngineName);

// Three boards save a hundred games each into one club database at once,
// each adding the same new guests: every game arrives whole, and each guest is
// one player.
TEST(ClubServer, ThreeBoardsSavingAtOnceLoseNothingAndShareEachNewPlayer) {
  const DatabaseAddress address{testing::FreshClubDatabase(), {}};
  std::vector<pid_t> boards;
  for (int board = 0; board < 3; ++board) {
    boards.push_back(StartSaveLoop(address, "100"));
    ASSERT_GT(boards.back(), 0);
  }
  for (const pid_t board : boards) {
    int status = 0;
    waitpid(board, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  const auto raw = testing::OpenRaw(address);
  EXPECT_EQ(raw->Count("game"), 300);
  ExpectWholeGames(*raw, 300);
  EXPECT_EQ(raw->Count("player"), 101);  // Anna and Gast 1 to Gast 100
  EXPECT_EQ(raw->Count("(SELECT lower(nickname) FROM player GROUP BY lower(nickname) "
                       "HAVING COUNT(*) > 1) AS twice"),
            0);
  EXPECT_EQ(raw->Count("version"), 1);
}

}  // namespace
}  // namespace korvanti
