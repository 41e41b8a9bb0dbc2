#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/AimAdvice.h"
#include "report/StatisticsReport.h"

namespace korvanti {

// The colour of a heat-map pixel, 0xAARRGGBB (not premultiplied), for its
// share of the range from the lowest to the highest expected points: from a
// faint blue over violet and orange to a light yellow at the top. Low values
// are more transparent, so the board shows through where aiming is poor.
std::uint32_t HeatColour(double share);

// What the aim-and-hit board draws of a player's throw for a field
// selection, and the line of text beside it.
struct ThrowPicture {
  // The advice, or why there is none ("Zu wenige Würfe mit Ziel: N von 100").
  std::string text;
  // With a single field selected ("T20", "D16", "SS25", ...) the outline of
  // its darts around its aim point; with any other selection ("Alle", a
  // number, every dart) the outline around the best aim point, where the
  // player is told to aim. Nothing without a fit.
  std::optional<ScatterOutline> outline;
  // The best aim point, nothing without a fit.
  std::optional<BoardPoint> best;
  // The expected points per dart of every hit-map pixel as colours, rows from
  // the top (HitMap::Width() x HitMap::Height()); empty without a fit.
  std::vector<std::uint32_t> heat;
  // The expected points the heat map's lowest colour stands for (the lowest
  // of an aim point on the board; aiming beside it is no better) and its
  // highest (the best aim point's).
  double lowest = 0;
  double highest = 0;
  // The two as the legend writes them ("9,1", "18,9").
  std::string lowestText;
  std::string highestText;
};

ThrowPicture MakeThrowPicture(const ThrowReport& report, std::string_view selection,
                              NumberSeparators separators = {});

// The darts of a statistics request: its player, game type (every type for
// the entry "Alle") and dates.
AimedDartSelection AimedDartsOf(const StatisticsRequest& request);

// The picture of the request's darts for its field selection, the text with
// the request's decimal separator.
ThrowPicture MakeThrowPicture(Database& database, const StatisticsRequest& request,
                              const HitMap& hitMap);

}  // namespace korvanti
