#include <gtest/gtest.h>

#include <fstream>

#include "TempFolder.h"
#include "platform/Error.h"
#include "platform/ProgramFolder.h"

namespace korvanti {
namespace {

namespace fs = std::filesystem;

TEST(ProgramFolder, ChoosesTheFirstSourceThatApplies) {
  TempFolder portable;
  TempFolder empty;
  std::ofstream(portable / "options.ini") << "[settings]\n";

  ProgramFolderSources sources;
  sources.homeOption = "/opt/home-option";
  sources.korvantiHome = "/opt/from-env";
  sources.executableFolder = portable.Path();
  sources.xdgDataHome = "/xdg";
  sources.userHome = "/home/anna";
  EXPECT_EQ(ResolveProgramFolder(sources), "/opt/home-option");
  sources.homeOption.reset();
  EXPECT_EQ(ResolveProgramFolder(sources), "/opt/from-env");
  sources.korvantiHome.reset();
  EXPECT_EQ(ResolveProgramFolder(sources), portable.Path());
  sources.executableFolder = empty.Path();
  EXPECT_EQ(ResolveProgramFolder(sources), "/xdg/korvanti");
  sources.xdgDataHome = "relative";  // not absolute: ignored, as the XDG rules say
  EXPECT_EQ(ResolveProgramFolder(sources), "/home/anna/.local/share/korvanti");
  sources.xdgDataHome.reset();
  EXPECT_EQ(ResolveProgramFolder(sources), "/home/anna/.local/share/korvanti");
}

TEST(ProgramFolder, FindsTheHomeOption) {
  const std::string_view separate[] = {"play", "--home", "/data/dart", "--game", "4"};
  const std::string_view joined[] = {"--home=/data/dart"};
  const std::string_view dangling[] = {"--game", "4", "--home"};
  EXPECT_EQ(FindHomeOption(separate), fs::path("/data/dart"));
  EXPECT_EQ(FindHomeOption(joined), fs::path("/data/dart"));
  EXPECT_EQ(FindHomeOption(dangling), std::nullopt);
}

TEST(ProgramFolder, EnterCreatesTheFolderAndMakesItCurrent) {
  TempFolder folder;
  const auto before = fs::current_path();
  const auto entered = EnterProgramFolder(folder / "nested/korvanti");
  EXPECT_TRUE(entered.created);
  EXPECT_EQ(entered.path, fs::canonical(folder / "nested/korvanti"));
  EXPECT_EQ(fs::current_path(), entered.path);
  EXPECT_FALSE(EnterProgramFolder(folder / "nested/korvanti").created);
  fs::current_path(before);
  EXPECT_THROW(EnterProgramFolder("/proc/korvanti-not-creatable"), Error);
}

}  // namespace
}  // namespace korvanti
