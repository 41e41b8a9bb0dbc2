#include "report/AimAdvice.h"

#include <cmath>

#include "engine/FieldCode.h"

namespace korvanti {
namespace {

// Closer than this to the field's aim point, the advice names just the field.
constexpr int kNearAimPoint = 4;

std::string FieldName(const std::string& code) {
  if (code == "D25") {
    return "Bull";
  }
  if (code == "SS25") {
    return "25";
  }
  if (code.starts_with("LS") || code.starts_with("SS")) {
    return "S" + code.substr(2);
  }
  return code;
}

// The field of a pixel; a wire takes the field of the nearest pixel that is none.
std::string FieldAround(const HitMap& hitMap, BoardPoint point) {
  for (int reach = 0; reach <= 4; ++reach) {
    for (int dy = -reach; dy <= reach; ++dy) {
      for (int dx = -reach; dx <= reach; ++dx) {
        const auto code = hitMap.FieldAt(point.x + dx, point.y + dy);
        if (code != kWireCode) {
          return code;
        }
      }
    }
  }
  return std::string(kMissCode);
}

std::string Placement(BoardPoint point, const std::string& code) {
  const auto aim = AimPointFor(code);
  if (!aim) {
    return {};
  }
  const int dx = point.x - aim->x;
  const int dy = point.y - aim->y;
  std::string words;
  if (std::abs(dy) >= kNearAimPoint) {
    words = dy > 0 ? "unten" : "oben";
  }
  if (std::abs(dx) >= kNearAimPoint) {
    words += std::string(words.empty() ? "" : " ") + (dx > 0 ? "rechts" : "links");
  }
  return words;
}

double PointsAt(const ExpectedPointsMap& map, std::string_view code) {
  return map.At(*AimPointFor(code));
}

}  // namespace

AimAdvice AdviseAim(const ExpectedPointsMap& map, const HitMap& hitMap) {
  AimAdvice advice;
  advice.best = map.Best();
  const auto code = FieldAround(hitMap, advice.best);
  advice.field = code == kMissCode ? "neben dem Brett" : FieldName(code);
  advice.placement = Placement(advice.best, code);
  advice.bestPoints = map.At(advice.best);
  advice.treble20 = PointsAt(map, "T20");
  advice.treble19 = PointsAt(map, "T19");
  advice.bull = PointsAt(map, "D25");
  return advice;
}

std::string AimAdviceText(const AimAdvice& advice, NumberSeparators separators) {
  const auto number = [&](double value) { return FormatFloat("0.0", value, separators); };
  std::string text = "Bester Zielpunkt: " + advice.field;
  if (!advice.placement.empty()) {
    text += " " + advice.placement;
  }
  text += " — " + number(advice.bestPoints) + " Punkte je Dart (";
  std::string comparison;
  for (const auto& [name, points] :
       {std::pair{"T20", advice.treble20}, {"T19", advice.treble19}, {"Bull", advice.bull}}) {
    if (advice.field != name) {
      comparison += std::string(comparison.empty() ? "" : "; ") + name + ": " + number(points);
    }
  }
  return text + comparison + ")";
}

std::optional<ScatterOutline> ThrowReport::OutlineAround(std::string_view code) const {
  const auto aim = AimPointFor(UpperCase(code));
  if (!aim) {
    return std::nullopt;
  }
  return OutlineAt(aim->x, aim->y, TargetClassOf(UpperCase(code)));
}

std::optional<ScatterOutline> ThrowReport::OutlineAt(double aimX, double aimY,
                                                     std::optional<TargetClass> target) const {
  if (!fit.overall) {
    return std::nullopt;
  }
  const auto& estimate = target && fit.For(*target) ? *fit.For(*target) : *fit.overall;
  const auto& [bias, covariance] = estimate.scatter;
  return ScatterOutline{aimX + bias.x, aimY + bias.y, EllipseOf(covariance, 1),
                        EllipseOf(covariance, 2)};
}

ThrowReport MakeThrowReport(const ScatterFit& fit, const HitMap& hitMap,
                            NumberSeparators separators) {
  ThrowReport report;
  report.fit = fit;
  if (!fit.overall) {
    report.text = fit.Missing();
    return report;
  }
  const auto& scatter = fit.overall->scatter;
  report.oneSigma = EllipseOf(scatter.covariance, 1);
  report.twoSigma = EllipseOf(scatter.covariance, 2);
  report.map.emplace(BoardValues(hitMap), scatter);
  report.advice = AdviseAim(*report.map, hitMap);
  report.text = AimAdviceText(*report.advice, separators);
  return report;
}

ThrowReport MakeThrowReport(Database& database, const AimedDartSelection& selection,
                            const HitMap& hitMap, NumberSeparators separators) {
  return MakeThrowReport(FitStoredScatter(database, selection), hitMap, separators);
}

}  // namespace korvanti
