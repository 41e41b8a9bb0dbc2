// korvanti-tool: the command-line companion of the program.
#include <QCoreApplication>
#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "ExportCommand.h"
#include "MergeCommand.h"
#include "OutputText.h"
#include "PlayCommand.h"
#include "ScatterCommand.h"
#include "StatsCommands.h"
#include "ToolDatabase.h"
#include "UsageError.h"
#include "engine/CheckoutRoutes.h"
#include "engine/HitMap.h"
#include "platform/Error.h"
#include "platform/IniDocument.h"

namespace {

constexpr std::string_view kUsage =
    "Aufruf: korvanti-tool BEFEHL [OPTIONEN]\n"
    "\n"
    "Befehle:\n"
    "  checkout-table   schreibt die Checkout-Tabelle (checkout.ini) auf die Standardausgabe\n"
    "  field X Y        gibt den Feldcode der Brettposition (X, Y) aus\n"
    "                   (Pixel des 659 x 650 großen Dartbretts, Mitte bei 332, 318)\n"
    "  play ...         spielt ein Spiel nach einem Skript (siehe unten)\n"
    "  overview ...     Spielerübersicht als CSV (siehe unten)\n"
    "  stats ...        Statistik eines Spielers als CSV (siehe unten)\n"
    "  seed ...         Beispieldaten für die Statistik (siehe unten)\n"
    "  export ...       jeder gespeicherte Dart als CSV (siehe unten)\n"
    "  merge ...        Spiele einer anderen Datenbank übernehmen (siehe unten)\n"
    "  calibrate ...    Stärketabelle des Computergegners (siehe unten)\n"
    "  scatter ...      Streuung eines Spielers und bester Zielpunkt (siehe unten)\n"
    "  --help           zeigt diese Hilfe\n\n";

int FieldCommand(const std::vector<std::string_view>& arguments) {
  if (arguments.size() != 2) {
    std::cerr << "field erwartet zwei ganze Zahlen: X Y\n";
    return 2;
  }
  const auto x = korvanti::ParseDecimalInteger(arguments[0]);
  const auto y = korvanti::ParseDecimalInteger(arguments[1]);
  if (!x || !y) {
    std::cerr << "field erwartet zwei ganze Zahlen: X Y\n";
    return 2;
  }
  const korvanti::HitMap hitMap;
  std::cout << hitMap.FieldAt(*x, *y) << '\n';
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // Qt's SQL drivers are plugins, which need an application object.
  QCoreApplication application(argc, argv);
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  if (arguments.empty() || arguments[0] == "--help" || arguments[0] == "-h") {
    std::cout << kUsage << korvanti::kPlayUsage << '\n'
              << korvanti::kStatsUsage << korvanti::kScatterUsage << korvanti::kExportUsage
              << korvanti::kMergeUsage << '\n'
              << korvanti::kDatabaseUsage;
    return arguments.empty() ? 2 : 0;
  }
  try {
    const std::vector<std::string_view> rest(arguments.begin() + 1, arguments.end());
    if (arguments[0] == "checkout-table") {
      std::cout << korvanti::CheckoutTableText();
      return 0;
    }
    if (arguments[0] == "field") {
      return FieldCommand(rest);
    }
    if (arguments[0] == "play") {
      return korvanti::RunPlayCommand(rest);
    }
    if (arguments[0] == "overview") {
      return korvanti::RunOverviewCommand(rest);
    }
    if (arguments[0] == "stats") {
      return korvanti::RunStatsCommand(rest);
    }
    if (arguments[0] == "scatter") {
      return korvanti::RunScatterCommand(rest);
    }
    if (arguments[0] == "calibrate") {
      return korvanti::RunCalibrateCommand(rest);
    }
    if (arguments[0] == "export") {
      return korvanti::RunExportCommand(rest);
    }
    if (arguments[0] == "merge") {
      return korvanti::RunMergeCommand(rest);
    }
    if (arguments[0] == "seed") {
      return korvanti::RunSeedCommand(rest);
    }
    std::cerr << "Unbekannter Befehl \"" << korvanti::Echoed(arguments[0]) << "\"\n\n" << kUsage;
    return 2;
  } catch (const korvanti::UsageError& error) {
    std::cerr << error.what() << '\n';
    return 2;
  } catch (const korvanti::Error& error) {
    std::cerr << error.what() << '\n';
    return 1;
  } catch (const std::bad_alloc&) {
    std::cerr << "Nicht genügend Arbeitsspeicher; der Befehl wurde abgebrochen.\n";
    return 1;
  } catch (const std::exception& error) {
    std::cerr << "Unerwarteter Fehler: " << korvanti::Echoed(error.what()) << '\n';
    return 1;
  } catch (...) {
    std::cerr << "Unerwarteter Fehler; der Befehl wurde abgebrochen.\n";
    return 1;
  }
}
