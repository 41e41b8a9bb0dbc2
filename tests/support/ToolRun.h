#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "platform/FileIo.h"

namespace korvanti::testing {

struct ToolRun {
  int status = -1;
  std::vector<std::string> lines;
  std::string errors;
};

// Runs korvanti-tool (its path in KORVANTI_TOOL) with the arguments, as a
// shell would split them, and the script on its standard input.
inline ToolRun RunTool(const TempFolder& folder, const std::string& arguments,
                       const std::string& script = "") {
  std::ofstream(folder / "script.txt", std::ios::binary) << script;
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

}  // namespace korvanti::testing
