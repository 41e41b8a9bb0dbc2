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
    "  --db DATEI|URI die Datenbank für diesen Lauf: eine Datei wie dart.mdb oder\n"
    "                 ein Vereinsserver, postgresql://BENUTZER@SERVER:5432/korvanti\n"
    "                 (ohne Passwort); sonst die der Einstellungen\n"
    "  -h, --help     zeigt diese Hilfe und beendet das Programm\n"
    "  --version      zeigt die Version und beendet das Programm\n"
    "\n"
    "Dazu versteht Korvanti die üblichen Optionen von Qt, etwa -platform oder -style.\n";

// The options that take a value: "--home DIR" or "--home=DIR", and what is
// missing without it.
struct ValueOption {
  std::string_view name;
  std::string_view missing;
  bool mayBeEmpty;
};
constexpr ValueOption kValueOptions[] = {
    {"--home", "der Ordner", true},
    {"--db", "die Datenbank", false},
};

// The option whose value is the next argument.
const ValueOption* WithValue(std::string_view argument) {
  for (const auto& option : kValueOptions) {
    if (argument == option.name) {
      return &option;
    }
  }
  return nullptr;
}

// The value an argument "--name=value" carries.
std::optional<std::string_view> OwnValue(std::string_view argument, std::string_view name) {
  if (argument.starts_with(name) && argument.size() > name.size() && argument[name.size()] == '=') {
    return argument.substr(name.size() + 1);
  }
  return std::nullopt;
}

const ValueOption* WithOwnValue(std::string_view argument) {
  for (const auto& option : kValueOptions) {
    if (OwnValue(argument, option.name)) {
      return &option;
    }
  }
  return nullptr;
}

}  // namespace

std::optional<int> AnswerBeforeStart(std::span<const std::string_view> arguments,
                                     std::ostream& output) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const auto argument = arguments[i];
    if (WithValue(argument) != nullptr) {
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
    const auto* withValue = WithValue(argument);
    if (withValue != nullptr && i + 1 < arguments.size() &&
        (withValue->mayBeEmpty || !arguments[i + 1].empty())) {
      ++i;
      continue;
    }
    const auto* withOwnValue = WithOwnValue(argument);
    if (withOwnValue != nullptr &&
        (withOwnValue->mayBeEmpty || !OwnValue(argument, withOwnValue->name)->empty())) {
      continue;
    }
    if (const auto* missing = withValue != nullptr ? withValue : withOwnValue) {
      errors << "korvanti: Zur Option \"" << missing->name << "\" fehlt " << missing->missing
             << ".\n";
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

std::optional<std::string> FindDatabaseOption(std::span<const std::string_view> arguments) {
  constexpr std::string_view kDatabase = "--db";
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == kDatabase && i + 1 < arguments.size()) {
      return std::string(arguments[i + 1]);
    }
    if (const auto value = OwnValue(arguments[i], kDatabase)) {
      return std::string(*value);
    }
  }
  return std::nullopt;
}

}  // namespace korvanti
