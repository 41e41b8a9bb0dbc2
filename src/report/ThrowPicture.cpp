#include "report/ThrowPicture.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/BoardGeometry.h"
#include "report/FieldSelection.h"
#include "store/FieldFilter.h"

namespace korvanti {
namespace {

struct ColourStop {
  double share;
  double r, g, b, a;
};

// A dark-to-light scale whose steps stay apart on the board's black, cream,
// red and green.
constexpr std::array<ColourStop, 5> kScale{{
    {0.00, 30, 40, 160, 30},
    {0.40, 110, 40, 170, 100},
    {0.70, 215, 60, 90, 150},
    {0.88, 250, 150, 20, 180},
    {1.00, 255, 255, 150, 205},
}};

std::uint32_t Channel(double value, int shift) {
  return static_cast<std::uint32_t>(std::clamp(std::lround(value), 0L, 255L)) << shift;
}

}  // namespace

std::uint32_t HeatColour(double share) {
  share = std::isfinite(share) ? std::clamp(share, 0.0, 1.0) : 0.0;
  auto upper = std::find_if(kScale.begin(), kScale.end(),
                            [share](const ColourStop& stop) { return stop.share >= share; });
  if (upper == kScale.begin()) {
    ++upper;
  }
  const auto& low = *(upper - 1);
  const auto& high = *upper;
  const double t = (share - low.share) / (high.share - low.share);
  const auto mix = [t](double from, double to) { return from + (to - from) * t; };
  return Channel(mix(low.a, high.a), 24) | Channel(mix(low.r, high.r), 16) |
         Channel(mix(low.g, high.g), 8) | Channel(mix(low.b, high.b), 0);
}

std::optional<SelectionAim> AimOfSelection(std::span<const AimedDart> darts,
                                           std::string_view selection) {
  const auto filter = SelectionFilter(selection);
  if (filter.empty()) {
    return std::nullopt;
  }
  const auto aimedAt = FieldFilter::Classify(filter);
  SelectionAim aim;
  int count = 0;
  bool oneTarget = true;
  for (const auto& dart : darts) {
    if (!aimedAt.MatchesHit(dart.aimed)) {
      continue;
    }
    aim.x += dart.aim.x;
    aim.y += dart.aim.y;
    oneTarget = oneTarget && (count == 0 || aim.target == dart.target);
    aim.target = dart.target;
    ++count;
  }
  if (count == 0) {
    return std::nullopt;
  }
  aim.x /= count;
  aim.y /= count;
  if (!oneTarget) {
    aim.target.reset();
  }
  return aim;
}

ThrowPicture MakeThrowPicture(const ThrowReport& report, std::string_view selection,
                              const std::optional<SelectionAim>& aim, NumberSeparators separators) {
  ThrowPicture picture;
  picture.text = report.text;
  if (!report.map || !report.advice || !report.fit.overall) {
    return picture;
  }
  const auto best = report.advice->best;
  picture.best = best;
  const auto filter = SelectionFilter(selection);
  if (aim) {
    picture.outline = report.OutlineAt(aim->x, aim->y, aim->target);
  } else if (!filter.empty()) {
    picture.outline = report.OutlineAround(filter);
  } else {
    const auto& bias = report.fit.overall->scatter.bias;
    picture.outline =
        ScatterOutline{best.x + bias.x, best.y + bias.y, *report.oneSigma, *report.twoSigma};
  }
  // The scale spans the aim points on the board, where the choice is; aiming
  // beside it takes the lowest colour.
  const auto& values = report.map->Values();
  picture.lowest = report.advice->bestPoints;
  picture.highest = report.advice->bestPoints;
  for (int y = 0; y < ExpectedPointsMap::Height(); ++y) {
    for (int x = 0; x < ExpectedPointsMap::Width(); ++x) {
      if (std::hypot(x - board::kRingX, y - board::kRingY) <= board::kDouble) {
        picture.lowest = std::min(picture.lowest, report.map->At(x, y));
      }
    }
  }
  picture.lowestText = FormatFloat("0.0", picture.lowest, separators);
  picture.highestText = FormatFloat("0.0", picture.highest, separators);
  const double range = picture.highest - picture.lowest;
  picture.heat.reserve(values.size());
  for (const double value : values) {
    picture.heat.push_back(HeatColour(range > 0 ? (value - picture.lowest) / range : 0));
  }
  return picture;
}

AimedDartSelection AimedDartsOf(const StatisticsRequest& request) {
  AimedDartSelection selection;
  selection.playerId = request.playerId;
  selection.gameTypeKey = request.gameTypeKey;
  selection.from = CountedFrom(request.interval, request.from);
  selection.to = request.to;
  return selection;
}

ThrowPicture MakeThrowPicture(Database& database, const StatisticsRequest& request,
                              const HitMap& hitMap) {
  const auto darts = LoadAimedDarts(database, AimedDartsOf(request));
  return MakeThrowPicture(MakeThrowReport(FitScatter(darts), hitMap, request.separators),
                          request.field, AimOfSelection(darts, request.field), request.separators);
}

}  // namespace korvanti
