#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>
#include <thread>

#include "RawDatabase.h"
#include "TempFolder.h"
#include "store/Database.h"

extern char** environ;

namespace korvanti {
namespace {

using namespace std::chrono_literals;

pid_t StartSaveLoop(const std::filesystem::path& file) {
  const std::string program = KORVANTI_SAVE_LOOP;
  const std::string argument = file.string();
  char* const arguments[] = {const_cast<char*>(program.c_str()),
                             const_cast<char*>(argument.c_str()), nullptr};
  pid_t child = 0;
  if (posix_spawn(&child, program.c_str(), nullptr, nullptr, arguments, environ) != 0) {
    return -1;
  }
  return child;
}

// Waits until the file holds more games than before, or the child is gone.
bool WaitForMoreGames(const std::filesystem::path& file, long long before, pid_t child) {
  const auto deadline = std::chrono::steady_clock::now() + 60s;
  while (std::chrono::steady_clock::now() < deadline) {
    if (waitpid(child, nullptr, WNOHANG) == child) {
      return false;
    }
    if (std::filesystem::exists(file)) {
      testing::RawDatabase raw(file);
      const auto tables = raw.Tables();
      if (std::find(tables.begin(), tables.end(), "doublerate") != tables.end() &&
          raw.Count("game") > before) {
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

TEST(KilledWhileSaving, EveryStoredGameIsComplete) {
  TempFolder folder;
  const auto file = folder / "dart.mdb";
  const unsigned seed = KillSeed();
  std::cout << "KORVANTI_KILL_SEED=" << seed << std::endl;
  RecordProperty("seed", std::to_string(seed));
  SCOPED_TRACE("KORVANTI_KILL_SEED=" + std::to_string(seed));
  std::mt19937 random(seed);
  long long games = 0;
  for (int round = 0; round < 4; ++round) {
    const pid_t child = StartSaveLoop(file);
    ASSERT_GT(child, 0);
    ASSERT_TRUE(WaitForMoreGames(file, games, child)) << "the save loop stored nothing";
    // Kill it at some moment inside the next saves.
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);

    ASSERT_NO_THROW(Database::OpenFile(file));
    testing::RawDatabase raw(file);
    games = raw.Count("game");
    EXPECT_GT(games, 0);
    EXPECT_EQ(raw.Count("throw"), games * 20);
    EXPECT_EQ(raw.Count("doublerate"), games * 2);
    EXPECT_EQ(raw.Count("game WHERE (SELECT COUNT(*) FROM throw "
                        "WHERE throw.gameid = game.gameid) <> 20"),
              0);
    EXPECT_EQ(raw.Rows("PRAGMA integrity_check")[0][0].toString().toStdString(), "ok");
  }
}

}  // namespace
}  // namespace korvanti
