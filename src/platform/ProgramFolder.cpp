#include "platform/ProgramFolder.h"

#include <cstdlib>
#include <system_error>

#include "platform/Error.h"

namespace korvanti {
namespace fs = std::filesystem;
namespace {

std::optional<std::string> Environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') {
    return std::nullopt;
  }
  return std::string(value);
}

}  // namespace

fs::path ResolveProgramFolder(const ProgramFolderSources& sources) {
  if (sources.homeOption) {
    return *sources.homeOption;
  }
  if (sources.korvantiHome) {
    return *sources.korvantiHome;
  }
  std::error_code ignored;
  if (!sources.executableFolder.empty() &&
      (fs::exists(sources.executableFolder / "dart.mdb", ignored) ||
       fs::exists(sources.executableFolder / "options.ini", ignored))) {
    return sources.executableFolder;
  }
  if (sources.xdgDataHome && fs::path(*sources.xdgDataHome).is_absolute()) {
    return fs::path(*sources.xdgDataHome) / "korvanti";
  }
  return fs::path(sources.userHome.value_or(".")) / ".local" / "share" / "korvanti";
}

ProgramFolderSources CurrentProgramFolderSources(std::optional<fs::path> homeOption) {
  ProgramFolderSources sources;
  sources.homeOption = std::move(homeOption);
  sources.korvantiHome = Environment("KORVANTI_HOME");
  std::error_code error;
  const auto executable = fs::read_symlink("/proc/self/exe", error);
  if (!error) {
    sources.executableFolder = executable.parent_path();
  }
  sources.xdgDataHome = Environment("XDG_DATA_HOME");
  sources.userHome = Environment("HOME");
  return sources;
}

std::optional<fs::path> FindHomeOption(std::span<const std::string_view> arguments) {
  constexpr std::string_view kOption = "--home";
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const auto argument = arguments[i];
    if (argument == kOption && i + 1 < arguments.size()) {
      return fs::path(arguments[i + 1]);
    }
    if (argument.starts_with(kOption) && argument.size() > kOption.size() &&
        argument[kOption.size()] == '=') {
      return fs::path(argument.substr(kOption.size() + 1));
    }
  }
  return std::nullopt;
}

EnteredFolder EnterProgramFolder(const fs::path& folder) {
  std::error_code error;
  const bool created = fs::create_directories(folder, error);
  if (!error) {
    fs::current_path(folder, error);
  }
  if (error) {
    throw Error("Der Programmordner \"" + folder.string() +
                "\" kann nicht angelegt oder geöffnet werden: " + error.message());
  }
  return {fs::current_path(), created};
}

}  // namespace korvanti
