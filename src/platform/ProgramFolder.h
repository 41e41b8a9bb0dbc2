#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace korvanti {

// What decides where the program keeps its database, ini files, sounds and pictures.
struct ProgramFolderSources {
  std::optional<std::filesystem::path> homeOption;  // --home DIR
  std::optional<std::string> korvantiHome;          // $KORVANTI_HOME
  std::filesystem::path executableFolder;
  std::optional<std::string> xdgDataHome;  // $XDG_DATA_HOME
  std::optional<std::string> userHome;     // $HOME
};

// --home DIR first, then $KORVANTI_HOME; else the executable's folder when it
// already holds dart.mdb or options.ini (a portable install); else
// $XDG_DATA_HOME/korvanti, by default ~/.local/share/korvanti.
std::filesystem::path ResolveProgramFolder(const ProgramFolderSources& sources);

// The sources of the running process; `homeOption` comes from the command line.
ProgramFolderSources CurrentProgramFolderSources(std::optional<std::filesystem::path> homeOption);

// The value of "--home DIR" or "--home=DIR" among the arguments, if given.
std::optional<std::filesystem::path> FindHomeOption(std::span<const std::string_view> arguments);

struct EnteredFolder {
  std::filesystem::path path;  // absolute
  bool created = false;        // it did not exist before
};

// Creates the folder when needed and makes it the current directory, so that
// files named by bare name resolve there. Throws Error when that fails.
EnteredFolder EnterProgramFolder(const std::filesystem::path& folder);

}  // namespace korvanti
