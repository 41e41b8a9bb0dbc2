#pragma once

#include <cstdint>
#include <optional>
#include <span>
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
  // Where the darts of the selection ("20", "T20", "SS25", ...) land: the
  // outline around the point they were aimed at on average, or around the
  // aim point of a field nobody aimed at (nothing for such a number). With
  // every dart ("Alle") the outline around the best aim point, where the
  // player is told to aim. Nothing without a fit.
  std::optional<ScatterOutline> outline;
  // The best aim point, nothing without a fit; marked on its own.
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

// Where the darts aimed at a field selection were aimed on average, and the
// kind of target when they share one; nothing for every dart ("Alle", empty)
// and when no dart was aimed at the selection. A number takes the darts aimed
// at any of its fields, as the dots do.
struct SelectionAim {
  double x = 0;
  double y = 0;
  std::optional<TargetClass> target;
};
std::optional<SelectionAim> AimOfSelection(std::span<const AimedDart> darts,
                                           std::string_view selection);

ThrowPicture MakeThrowPicture(const ThrowReport& report, std::string_view selection,
                              const std::optional<SelectionAim>& aim,
                              NumberSeparators separators = {});

// The darts of a statistics request: its player, game type (every type for
// the entry "Alle") and dates.
AimedDartSelection AimedDartsOf(const StatisticsRequest& request);

// The picture of the request's darts for its field selection, the text with
// the request's decimal separator.
ThrowPicture MakeThrowPicture(Database& database, const StatisticsRequest& request,
                              const HitMap& hitMap);

}  // namespace korvanti
