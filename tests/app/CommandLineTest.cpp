#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "TempFolder.h"
#include "platform/FileIo.h"

namespace korvanti {
namespace {

struct ProgramRun {
  int status = -1;
  std::string output;
  std::string errors;
};

// Runs the program as a user would start it from a shell, every folder it
// could choose (--home, $KORVANTI_HOME, $XDG_DATA_HOME, $HOME) inside `root`.
ProgramRun RunProgram(const std::filesystem::path& root, const std::string& arguments) {
  const auto out = root.parent_path() / "out.txt";
  const auto err = root.parent_path() / "err.txt";
  // A program that opens its window instead never ends by itself.
  const std::string command =
      "timeout -k 5 60 env QT_QPA_PLATFORM=offscreen KORVANTI_HOME='" + (root / "env").string() +
      "' XDG_DATA_HOME='" + (root / "xdg").string() + "' HOME='" + (root / "user").string() + "' " +
      KORVANTI_PROGRAM + " --home '" + (root / "home").string() + "' " + arguments + " > '" +
      out.string() + "' 2> '" + err.string() + "' < /dev/null";
  ProgramRun run;
  const int raw = std::system(command.c_str());
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.output = ReadWholeFile(out).value_or("");
  run.errors = ReadWholeFile(err).value_or("");
  return run;
}

// Asking for the usage or the version, or misspelling an option, answers on
// the terminal and ends before any folder, database or window is made.
TEST(CommandLine, AnswersWithoutOpeningTheWindowOrTouchingAFolder) {
  const struct {
    std::string arguments;
    int status;
    std::string output;  // a part of it
    std::string errors;  // a part of it
  } cases[] = {
      {"--help", 0, "Aufruf: korvanti [Optionen]", ""},
      {"-h", 0, "--home ORDNER", ""},
      {"--version", 0, std::string("korvanti ") + KORVANTI_VERSION + "\n", ""},
      {"--hilfe", 2, "", "Unbekannte Option \"--hilfe\""},
      {"spieler.txt", 2, "", "Unerwartetes Argument \"spieler.txt\""},
      {"--db", 2, "", "Zur Option \"--db\" fehlt die Datenbank."},
      {"--db=", 2, "", "Zur Option \"--db\" fehlt die Datenbank."},
      {"--db ''", 2, "", "Zur Option \"--db\" fehlt die Datenbank."},
      {"--db --help --version", 0, std::string("korvanti ") + KORVANTI_VERSION, ""},
      {"--help", 0, "--db DATEI|URI", ""},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    const auto root = folder / "root";
    std::filesystem::create_directory(root);
    const auto run = RunProgram(root, c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.errors;
    if (c.output.empty()) {
      EXPECT_EQ(run.output, "") << c.arguments;
    } else {
      EXPECT_NE(run.output.find(c.output), std::string::npos) << c.arguments << "\n" << run.output;
    }
    if (c.errors.empty()) {
      EXPECT_EQ(run.errors, "") << c.arguments;
    } else {
      EXPECT_NE(run.errors.find(c.errors), std::string::npos) << c.arguments << "\n" << run.errors;
      EXPECT_NE(run.errors.find("korvanti --help"), std::string::npos) << run.errors;
    }
    EXPECT_TRUE(std::filesystem::is_empty(root)) << c.arguments;
  }
  // The version line is all that --version prints.
  TempFolder folder;
  std::filesystem::create_directory(folder / "root");
  EXPECT_EQ(RunProgram(folder / "root", "--version").output,
            std::string("korvanti ") + KORVANTI_VERSION + "\n");
}

}  // namespace
}  // namespace korvanti
