#include "ScatterCommand.h"

#include <cmath>
#include <iostream>

#include "Csv.h"
#include "ToolArguments.h"
#include "ToolDatabase.h"
#include "UsageError.h"
#include "engine/GameCatalog.h"
#include "engine/HitMap.h"
#include "platform/NumberFormat.h"
#include "report/AimAdvice.h"
#include "store/Database.h"
#include "store/DatabaseArchive.h"

namespace korvanti {

const char* const kScatterUsage =
    "korvanti-tool scatter --db DB --player NICK [--game N] [--from DATUM] [--to DATUM]\n"
    "  Streuung der Würfe mit Ziel (Versatz und Kovarianz von Treffer minus Zielpunkt, in\n"
    "  Pixeln und mm, je Zielart und über alle) als CSV, danach der beste Zielpunkt;\n"
    "  N ist der Spielindex 1-34 (ohne: alle Spiele).\n";

namespace {

std::string Number(double value) {
  return FormatFloat("0.00", value);
}

std::vector<std::string> EstimateLine(std::string_view name, int darts,
                                      const std::optional<ScatterEstimate>& estimate) {
  std::vector<std::string> line{std::string(name), std::to_string(darts)};
  if (!estimate) {
    return line;
  }
  line.push_back(std::to_string(estimate->leftOut));
  const auto& [bias, c] = estimate->scatter;
  const double sx = std::sqrt(c.xx);
  const double sy = std::sqrt(c.yy);
  const auto ellipse = EllipseOf(c, 1);
  constexpr double mm = kMillimetresPerPixel;
  for (const double value :
       {bias.x, bias.y, sx, sy, c.xy / (sx * sy), bias.x * mm, bias.y * mm, sx * mm, sy * mm,
        ellipse.major * mm, ellipse.minor * mm, ellipse.angleDegrees}) {
    line.push_back(Number(value));
  }
  return line;
}

}  // namespace

int RunScatterCommand(std::span<const std::string_view> raw) {
  const ToolArguments arguments(raw, {"--db", "--player", "--game", "--from", "--to"});
  AimedDartSelection selection;
  if (arguments.Get("--game")) {
    const auto* entry = FindCatalogEntry(arguments.Integer("--game", 0));
    if (entry == nullptr) {
      throw UsageError("--game erwartet einen Spielindex von 1 bis 34.");
    }
    selection.gameTypeKey = std::string(entry->gameTypeKey);
  }
  selection.from = arguments.Get("--from") ? ParseDate(*arguments.Get("--from")) : 0.0;
  selection.to = arguments.Get("--to") ? ParseDate(*arguments.Get("--to")) : DateTimeNow();
  auto database =
      OpenToolDatabase(DatabaseArgument(arguments.Required("--db"), DatabaseFile::MustExist));
  const auto nickname = arguments.Required("--player");
  const auto playerId = DatabaseArchive(*database).FindPlayerIdByNickname(nickname);
  if (!playerId) {
    throw UsageError("Einen Spieler \"" + nickname + "\" gibt es in der Datenbank nicht.");
  }
  selection.playerId = *playerId;

  const HitMap hitMap;
  const auto report = MakeThrowReport(*database, selection, hitMap);
  const auto& fit = report.fit;
  WriteCsvLine(std::cout, {"Ziel", "Würfe", "Ausreißer", "Versatz X (px)", "Versatz Y (px)",
                           "Streuung X (px)", "Streuung Y (px)", "Korrelation", "Versatz X (mm)",
                           "Versatz Y (mm)", "Streuung X (mm)", "Streuung Y (mm)",
                           "Ellipse 1σ groß (mm)", "Ellipse 1σ klein (mm)", "Winkel (Grad)"});
  WriteCsvLine(std::cout, EstimateLine("Alle", fit.aimedDarts, fit.overall));
  for (const auto target : kTargetClasses) {
    WriteCsvLine(std::cout,
                 EstimateLine(TargetClassName(target), fit.DartsFor(target), fit.For(target)));
  }
  std::cout << report.text << '\n';
  return 0;
}

}  // namespace korvanti
