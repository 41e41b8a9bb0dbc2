#include "StatsCommands.h"

#include <filesystem>
#include <iostream>
#include <map>

#include "Csv.h"
#include "OutputText.h"
#include "SampleData.h"
#include "ToolArguments.h"
#include "ToolDatabase.h"
#include "UsageError.h"
#include "computer/StrengthCalibration.h"
#include "engine/GameCatalog.h"
#include "engine/HitMap.h"
#include "engine/ProgramFolderSetup.h"
#include "platform/ProgramFolder.h"
#include "platform/Random.h"
#include "play/ProgramOptions.h"
#include "report/PeriodText.h"
#include "report/PlayerOverview.h"
#include "report/StatisticsReport.h"
#include "store/Database.h"
#include "store/DatabaseArchive.h"

namespace korvanti {

const char* const kStatsUsage =
    "korvanti-tool overview --db DB --game N [--from DATUM] [--decimal ,|.] [--home DIR]\n"
    "  Spielerübersicht des Startfensters als CSV; N ist der Spielindex 1-34.\n"
    "korvanti-tool stats --db DB --player NICK --game N --from DATUM --to DATUM\n"
    "                    --interval day|week|month|game [--last-entry 0|1]\n"
    "                    [--view detail|aim|doubles] [--field F] [--decimal ,|.] [--home DIR]\n"
    "  Zeilen des Statistikfensters als CSV; N ist der Eintrag 0-34 der Typliste (0 = Alle),\n"
    "  F die Feldauswahl der Ansicht Ziel u. Treffer (Alle, 20, T20, ...); doubles ist die\n"
    "  Ansicht Doppel (eine Zeile je Doppel über den ganzen Zeitraum).\n"
    "  DATUM: JJJJ-MM-TT [HH:MM[:SS]].\n"
    "korvanti-tool seed --db DB [--players N] [--days D] [--seed N]\n"
    "  Füllt die Datenbank mit Beispielspielen: N Spieler (Vorgabe 4) spielen an jedem der\n"
    "  letzten D Tage (Vorgabe 30) einige Spiele; gleicher Seed, gleiche Daten.\n"
    "korvanti-tool calibrate [--games N] [--seed N] [--home DIR]\n"
    "  Schreibt die Stärketabelle (ki.ini) auf die Standardausgabe: für jeden Schnitt von 24\n"
    "  bis 161 die Streuung, bei der N simulierte Spiele (Vorgabe 1000) ihn im Mittel treffen.\n";

namespace {

namespace fs = std::filesystem;

NumberSeparators Separators(const ToolArguments& arguments) {
  const auto decimal = arguments.Get("--decimal").value_or(",");
  if (decimal == ",")
    return {',', '.'};
  if (decimal == ".")
    return {'.', ','};
  throw UsageError("--decimal erwartet \",\" oder \".\".");
}

// The database named by --db, after entering the program folder.
std::unique_ptr<Database> OpenDatabase(const ToolArguments& arguments) {
  const auto address = DatabaseArgument(arguments.Required("--db"), DatabaseFile::MustExist);
  const auto home = arguments.Get("--home");
  SetUpProgramFolder(home ? fs::absolute(*home)
                          : ResolveProgramFolder(CurrentProgramFolderSources({})));
  return OpenToolDatabase(address, DatabaseAccess::ReadOnly);  // reading never writes
}

}  // namespace

int RunOverviewCommand(std::span<const std::string_view> raw) {
  const ToolArguments arguments(raw, {"--db", "--game", "--from", "--decimal", "--home"});
  const int gameIndex = arguments.Integer("--game", 0);
  const auto* entry = FindCatalogEntry(gameIndex);
  if (!entry) {
    throw UsageError("--game erwartet einen Spielindex von 1 bis 34.");
  }
  const auto separators = Separators(arguments);
  const auto from = arguments.Get("--from") ? ParseDate(*arguments.Get("--from")) : 0.0;
  auto database = OpenDatabase(arguments);

  std::vector<std::string> header{"Spieler"};
  for (const auto& column : OverviewColumns(entry))
    header.push_back(column.caption);
  WriteCsvLine(std::cout, header);
  for (const auto& row : PlayerOverview(*database, entry, from, DateTimeNow(), separators)) {
    std::vector<std::string> line{row.caption};
    for (const auto& cell : row.figures.cells)
      line.push_back(cell.text);
    WriteCsvLine(std::cout, line);
  }
  return 0;
}

int RunStatsCommand(std::span<const std::string_view> raw) {
  const ToolArguments arguments(raw, {"--db", "--player", "--game", "--from", "--to", "--interval",
                                      "--last-entry", "--view", "--field", "--decimal", "--home"});
  StatisticsRequest request;
  const int typeNumber = arguments.Integer("--game", -1);
  const auto* type = StatisticsTypeOfNumber(typeNumber);
  if (typeNumber != 0 && type == nullptr) {
    throw UsageError("--game erwartet einen Eintrag der Typliste von 0 bis 34.");
  }
  request.gameTypeKey = type != nullptr ? std::string(type->gameTypeKey) : std::string();
  request.from = ParseDate(arguments.Required("--from"));
  request.to = ParseDate(arguments.Required("--to"));
  CheckPeriod(request.from, request.to);
  static const std::map<std::string, StatisticsInterval> kIntervals{
      {"day", StatisticsInterval::Day},
      {"week", StatisticsInterval::Week},
      {"month", StatisticsInterval::Month},
      {"game", StatisticsInterval::Game}};
  const auto interval = kIntervals.find(arguments.Required("--interval"));
  if (interval == kIntervals.end()) {
    throw UsageError("--interval erwartet day, week, month oder game.");
  }
  request.interval = interval->second;
  request.lastEntry = arguments.Integer("--last-entry", 1) != 0;
  static const std::map<std::string, StatisticsView> kViews{{"detail", StatisticsView::Detail},
                                                            {"aim", StatisticsView::AimAndHit},
                                                            {"doubles", StatisticsView::Doubles}};
  const auto view = kViews.find(arguments.Get("--view").value_or("detail"));
  if (view == kViews.end()) {
    throw UsageError("--view erwartet detail, aim oder doubles.");
  }
  request.view = view->second;
  request.field = arguments.Get("--field").value_or("Alle");
  request.separators = Separators(arguments);

  auto database = OpenDatabase(arguments);
  const auto nickname = arguments.Required("--player");
  const auto playerId = DatabaseArchive(*database).FindPlayerIdByNickname(nickname);
  if (!playerId) {
    throw UsageError("Einen Spieler \"" + Echoed(nickname) + "\" gibt es in der Datenbank nicht.");
  }
  request.playerId = *playerId;

  WriteStatisticsCsv(std::cout, RefreshStatistics(*database, request));
  return 0;
}

int RunSeedCommand(std::span<const std::string_view> raw) {
  const ToolArguments arguments(raw, {"--db", "--players", "--days", "--seed", "--home"});
  SampleDataPlan plan;
  plan.players = arguments.Integer("--players", 4);
  plan.days = arguments.Integer("--days", 30);
  plan.seed = static_cast<std::uint64_t>(arguments.Integer("--seed", 1));
  if (plan.players < 1 || plan.players > 100 || plan.days < 1 || plan.days > 3660) {
    throw UsageError("--players erwartet 1 bis 100, --days 1 bis 3660.");
  }
  const auto address = DatabaseArgument(arguments.Required("--db"), DatabaseFile::MayBeCreated);
  const auto home = arguments.Get("--home");
  SetUpProgramFolder(home ? fs::absolute(*home)
                          : ResolveProgramFolder(CurrentProgramFolderSources({})));
  auto database = OpenToolDatabase(address);
  const auto summary = SeedSampleData(*database, plan);
  std::cout << summary.games << " Spiele mit " << summary.turns << " Aufnahmen gespeichert.\n";
  return 0;
}

int RunCalibrateCommand(std::span<const std::string_view> raw) {
  const ToolArguments arguments(raw, {"--games", "--seed", "--home"});
  const int games = arguments.Integer("--games", 1000);
  if (games < 1) {
    throw UsageError("--games erwartet eine positive Zahl.");
  }
  const auto home = arguments.Get("--home");
  SetUpProgramFolder(home ? fs::absolute(*home)
                          : ResolveProgramFolder(CurrentProgramFolderSources({})));
  UniformRandom random(static_cast<std::uint64_t>(arguments.Integer("--seed", 1)));
  const HitMap hitMap;
  // The program's own checkout routes, not whatever table the folder holds.
  SimulationContext context{random, hitMap, "ki.ini", ""};
  std::cout << CalibrateStrengthTable(context, games);
  return 0;
}

}  // namespace korvanti
