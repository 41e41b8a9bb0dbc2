#include "CommandLine.h"

#include <string>

namespace korvanti {
namespace {

constexpr std::string_view kUsage =
    "Aufruf: korvanti [Optionen]\n"
    "\n"
    "Korvanti zählt die Punkte beim Steeldart, trainiert und führt Statistik.\n"
    "\n"
    "Optionen:\n"
    "  --home ORDNER  der Programmordner mit Datenbank, Einstellungen, Klängen\n"
    "                 und Bildern; sonst $KORVANTI_HOME, der Ordner des Programms,\n"
    "                 wenn er dart.mdb oder options.ini enthält, oder\n"
    "                 $XDG_DATA_HOME/korvanti (~/.local/share/korvanti)\n"
    "  -h, --help     zeigt diese Hilfe und beendet das Programm\n"
    "  --version      zeigt die Version und beendet das Programm\n"
    "\n"
    "Dazu versteht Korvanti die üblichen Optionen von Qt, etwa -platform oder -style.\n";

constexpr std::string_view kHome = "--home";

// "--home" takes the next argument as its value; "--home=DIR" carries it.
bool IsHomeWithValue(std::string_view argument) {
  return argument == kHome;
}
bool IsHomeWithOwnValue(std::string_view argument) {
  return argument.starts_with(kHome) && argument.size() > kHome.size() &&
         argument[kHome.size()] == '=';
}

}  // namespace

std::optional<int> AnswerBeforeStart(std::span<const std::string_view> arguments,
                                     std::ostream& output) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const auto argument = arguments[i];
    if (IsHomeWithValue(argument)) {
      ++i;  // a folder may be called "--help"
    } else if (argument == "--help" || argument == "-h") {
      output << kUsage;
      return 0;
    } else if (argument == "--version") {
      output << "korvanti " << KORVANTI_VERSION << '\n';
      return 0;
    }
  }
  return std::nullopt;
}

std::optional<int> RefuseUnknownArguments(std::span<const std::string_view> arguments,
                                          std::ostream& errors) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const auto argument = arguments[i];
    if (IsHomeWithValue(argument) && i + 1 < arguments.size()) {
      ++i;
      continue;
    }
    if (IsHomeWithOwnValue(argument)) {
      continue;
    }
    if (IsHomeWithValue(argument)) {
      errors << "korvanti: Zur Option \"--home\" fehlt der Ordner.\n";
    } else if (argument.starts_with('-')) {
      errors << "korvanti: Unbekannte Option \"" << argument << "\".\n";
    } else {
      errors << "korvanti: Unerwartetes Argument \"" << argument << "\".\n";
    }
    errors << "Die möglichen Optionen zeigt \"korvanti --help\".\n";
    return 2;
  }
  return std::nullopt;
}

}  // namespace korvanti
