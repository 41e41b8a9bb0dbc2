#pragma once

#include <optional>
#include <string>
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
};

ThrowReport MakeThrowReport(const ScatterFit& fit, const HitMap& hitMap,
                            NumberSeparators separators = {});
ThrowReport MakeThrowReport(Database& database, const AimedDartSelection& selection,
                            const HitMap& hitMap, NumberSeparators separators = {});

}  // namespace korvanti
