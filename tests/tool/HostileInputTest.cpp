#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonParseError>

#include "RawDatabase.h"
#include "TempFolder.h"
#include "ToolRun.h"
#include "platform/FileIo.h"

namespace korvanti {
namespace {

namespace fs = std::filesystem;
using testing::RunTool;

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// overview and stats only read: on a copy without write permission (file and
// folder; meaningful also for root) and on a writable file alike, the file
// keeps every byte. The sample data are large enough for the planner
// statistics that used to be refreshed at every open.
TEST(ReadingCommands, LeaveTheDatabaseByteForByte) {
  TempFolder folder;
  const auto seeded = folder / "dart.mdb";
  const auto home = (folder / "home").string();
  ASSERT_EQ(RunTool(folder, "seed --players 3 --days 40 --seed 5 --db " + seeded.string()).status,
            0);
  ASSERT_GT(testing::RawDatabase(seeded).Count("throw"), 5000);
  for (const bool writable : {false, true}) {
    TempFolder copyFolder;
    const auto file = copyFolder / "dart.mdb";
    fs::copy_file(seeded, file);
    if (!writable) {
      fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
      fs::permissions(copyFolder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    }
    const auto before = ReadWholeFile(file);
    const auto overview =
        RunTool(folder, "overview --game 4 --db " + file.string() + " --home " + home);
    EXPECT_EQ(overview.status, 0) << overview.errors;
    EXPECT_GT(overview.lines.size(), 1u);
    const auto stats = RunTool(folder,
                               "stats --player \"Spieler 1\" --game 0 --from 2000-01-01 "
                               "--to 2100-01-01 --interval month --db " +
                                   file.string() + " --home " + home);
    EXPECT_EQ(stats.status, 0) << stats.errors;
    EXPECT_GT(stats.lines.size(), 1u);
    EXPECT_EQ(ReadWholeFile(file), before) << (writable ? "writable" : "read-only");
    fs::permissions(copyFolder.Path(), fs::perms::owner_all);
    EXPECT_EQ(std::distance(fs::directory_iterator(copyFolder.Path()), {}), 1);
  }
}

TEST(ToolInput, DoubtfulInputIsRefusedWithAGermanMessage) {
  TempFolder folder;
  const auto db = (folder / "dart.mdb").string();
  const auto stats = [&](const std::string& from, const std::string& to) {
    return "stats --player X --game 0 --interval day --from \"" + from + "\" --to \"" + to +
           "\" --db " + db;
  };
  ASSERT_EQ(RunTool(folder, "seed --players 1 --days 1 --db " + db).status, 0);
  struct Case {
    std::string arguments;
    std::string script;
    std::string message;
  };
  const Case cases[] = {
      {stats("2020-01-01xyz", "2021-01-01"), "", "\"2020-01-01xyz\" ist kein Datum"},
      {stats("0000-01-01", "2021-01-01"), "", "\"0000-01-01\" ist kein Datum"},
      {stats("-001-01-01", "2021-01-01"), "", "\"-001-01-01\" ist kein Datum"},
      {stats("2020-01-01 12:00 ", "2021-01-01"), "", "ist kein Datum"},
      {stats("2021-01-01", "2020-01-01"), "", "--from liegt nach --to"},
      {"play --game +-5", "", "--game erwartet eine ganze Zahl, nicht \"+-5\""},
      {"play --game 4", "T20 " + std::string(5'000'000, 'x'),
       "Unbekannter Befehl \"" + std::string(60, 'x') + "… (5000000 Zeichen)\""},
      {"play --game 4", "T2147483647", "Unbekannter Befehl \"T2147483647\""},
      {std::string(200, 'y'), "", "Unbekannter Befehl \"" + std::string(60, 'y') + "…"},
  };
  for (const auto& c : cases) {
    const auto run = RunTool(folder, c.arguments, c.script);
    const auto shown = c.arguments.substr(0, 60);
    EXPECT_EQ(run.status, 2) << shown << ": " << run.errors.substr(0, 200);
    EXPECT_TRUE(Contains(run.errors, c.message)) << shown << ": " << run.errors.substr(0, 200);
    EXPECT_LT(run.errors.size(), 4000u) << shown;
  }
}

// A nickname with bytes that are not UTF-8 still gives one valid JSON line per
// command; the bytes show as U+FFFD.
TEST(ToolInput, InvalidUtf8InANameKeepsEveryJsonLineValid) {
  TempFolder folder;
  const auto run =
      RunTool(folder,
              "play --game 4 --players \"An\xFFna,\xC3\x28"
              "Ben\" --db " +
                  (folder / "dart.mdb").string() + " --home " + (folder / "home").string(),
              "T20 0 0 state\n");
  ASSERT_EQ(run.status, 0) << run.errors;
  ASSERT_FALSE(run.lines.empty());
  for (const auto& line : run.lines) {
    QJsonParseError error;
    QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
  }
  EXPECT_TRUE(Contains(run.lines.back(), "An\xEF\xBF\xBDna")) << run.lines.back();
}

}  // namespace
}  // namespace korvanti
