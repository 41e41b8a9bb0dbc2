#include "MergeCommand.h"

#include <filesystem>
#include <iostream>

#include "ToolArguments.h"
#include "ToolDatabase.h"
#include "UsageError.h"
#include "store/Database.h"
#include "store/DatabaseMerge.h"

namespace korvanti {

const char* const kMergeUsage =
    "korvanti-tool merge --from ANDERE.mdb --db DB\n"
    "  Übernimmt Spieler, Spiele, Aufnahmen und Doppelquoten einer anderen Korvanti-Datenbank\n"
    "  in einem Zug: Spieler nach Spitznamen, Spiele, die es schon gibt, werden übersprungen.\n"
    "  Die andere Datei wird nur gelesen.\n";

int RunMergeCommand(std::span<const std::string_view> raw) {
  namespace fs = std::filesystem;
  const ToolArguments arguments(raw, {"--db", "--from"});
  const auto source = fs::absolute(arguments.Required("--from"));
  if (!fs::is_regular_file(source)) {
    throw UsageError("Die Datei \"" + source.string() + "\" gibt es nicht.");
  }
  auto database =
      OpenToolDatabase(DatabaseArgument(arguments.Required("--db"), DatabaseFile::MayBeCreated));
  std::cout << MergeGamesFrom(*database, source).Text() << '\n';
  return 0;
}

}  // namespace korvanti
