#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/ExpectedPoints.h"
#include "analysis/ScatterFit.h"
#include "engine/HitMap.h"
#include "platform/NumberFormat.h"
#include "store/AimedDarts.h"

namespace korvanti {

class Database;

// Where to aim with a scatter: the best aim pixel, the field it lies in and
// where in that field, and the expected points against the usual targets.
struct AimAdvice {
  BoardPoint best;
  std::string field;      // "T19", "S5", "Bull", ...
  std::string placement;  // "unten links", "oben", or empty near the field's aim point
  double bestPoints = 0;
  double treble20 = 0;
  double treble19 = 0;
  double bull = 0;
};

AimAdvice AdviseAim(const ExpectedPointsMap& map, const HitMap& hitMap);

// "Bester Zielpunkt: T19 unten links — 16,4 Punkte je Dart (T20: 15,9; Bull: 12,1)";
// the comparison leaves out the best point's own field.
std::string AimAdviceText(const AimAdvice& advice, NumberSeparators separators = {});

// The scatter drawn around an aimed field: where its darts land on average
// (the aim point moved by the bias) and the 1σ and 2σ ellipses, in pixels.
struct ScatterOutline {
  double centreX = 0;
  double centreY = 0;
  ScatterEllipse oneSigma;
  ScatterEllipse twoSigma;
};

// Everything the windows and the tool show of a player's throw: the fit, the
// 1σ and 2σ ellipses of the overall scatter (to draw around an aim point),
// and with a fit the expected-points map (the heat map) and the advice.
struct ThrowReport {
  ScatterFit fit;
  std::optional<ScatterEllipse> oneSigma;
  std::optional<ScatterEllipse> twoSigma;
  std::optional<ExpectedPointsMap> map;
  std::optional<AimAdvice> advice;
  // The advice text, or why there is none ("Zu wenige Würfe mit Ziel: N von 100").
  std::string text;
  // The outline around the field's aim point, from the fit of the field's
  // target class when it has one, else from the overall fit; nothing without
  // a fit or for a code that is no board field.
  std::optional<ScatterOutline> OutlineAround(std::string_view code) const;
  // The outline around an aim point, from the fit of the target class when
  // given and fitted, else from the overall fit; nothing without a fit.
  std::optional<ScatterOutline> OutlineAt(double aimX, double aimY,
                                          std::optional<TargetClass> target) const;
};

ThrowReport MakeThrowReport(const ScatterFit& fit, const HitMap& hitMap,
                            NumberSeparators separators = {});
ThrowReport MakeThrowReport(Database& database, const AimedDartSelection& selection,
                            const HitMap& hitMap, NumberSeparators separators = {});

}  // namespace korvanti
