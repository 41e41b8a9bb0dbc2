#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "analysis/Scatter.h"
#include "engine/AimPoints.h"

namespace korvanti {

// What a dart was aimed at, for fitting each kind of target on its own.
enum class TargetClass { Treble, Double, Single, Bull };
inline constexpr std::array<TargetClass, 4> kTargetClasses{TargetClass::Treble, TargetClass::Double,
                                                           TargetClass::Single, TargetClass::Bull};

// The class of an aimed field code ("T20", "D25", "LS7", ...); nothing for a
// code that is not a board field.
std::optional<TargetClass> TargetClassOf(std::string_view code);
// "Triple", "Doppel", "Einfach", "Bull".
std::string_view TargetClassName(TargetClass targetClass);

// One dart with both positions on the hit map.
struct AimedDart {
  BoardPoint aim;
  BoardPoint hit;
  TargetClass target = TargetClass::Single;
  std::string aimed;  // the field aimed at, upper case ("T20", "SS25")
};

// The scatter of one set of darts and how many darts it rests on.
struct ScatterEstimate {
  Scatter scatter;
  int used = 0;     // darts inside the cloud
  int leftOut = 0;  // mis-clicks left out
};

// The fit of a player's darts: over all darts and per target class. A set
// of fewer than `kFewestDarts` darts gets no fit.
struct ScatterFit {
  static constexpr int kFewestDarts = 100;

  int aimedDarts = 0;
  std::array<int, 4> classDarts{};  // aimed darts per target class
  std::optional<ScatterEstimate> overall;
  std::array<std::optional<ScatterEstimate>, 4> byClass;

  const std::optional<ScatterEstimate>& For(TargetClass targetClass) const {
    return byClass[static_cast<std::size_t>(targetClass)];
  }
  int DartsFor(TargetClass targetClass) const {
    return classDarts[static_cast<std::size_t>(targetClass)];
  }
  // Why there is no overall fit ("Zu wenige Würfe mit Ziel: N von 100"); empty with a fit.
  std::string Missing() const;
};

// Fits the scatter of landing minus aim point.
//
// The rule for mis-clicks: start from the coordinate-wise median and the
// scaled median absolute deviations (1.4826 MAD) as a round-free diagonal
// estimate; then repeatedly keep the darts whose squared Mahalanobis distance
// from the current estimate is at most 3.5² (12.25) and re-estimate the mean
// and covariance from them, the covariance multiplied by the factor that
// undoes the trimming of a normal cloud (P(χ²₂ ≤ 12.25) / P(χ²₄ ≤ 12.25)
// ≈ 1.0136). It stops when the kept set no longer changes (at most 50
// rounds). A normal cloud loses about 0.2 % of its darts to the rule.
ScatterEstimate EstimateScatter(std::span<const Offset> offsets);
ScatterFit FitScatter(std::span<const AimedDart> darts);

}  // namespace korvanti
