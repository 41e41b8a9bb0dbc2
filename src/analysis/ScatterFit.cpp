#include "analysis/ScatterFit.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace korvanti {
namespace {

constexpr double kCutoff = 3.5 * 3.5;
constexpr int kMostRounds = 50;

// E[r² | r² ≤ c] for a bivariate normal is 2 P(χ²₄ ≤ c) / P(χ²₂ ≤ c).
double TrimmingFactor() {
  const double tail = std::exp(-kCutoff / 2);
  const double chi2 = 1 - tail;
  const double chi4 = 1 - tail * (1 + kCutoff / 2);
  return chi2 / chi4;
}

double Median(std::vector<double> values) {
  const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
  std::nth_element(values.begin(), middle, values.end());
  double median = *middle;
  if (values.size() % 2 == 0) {
    median = (median + *std::max_element(values.begin(), middle)) / 2;
  }
  return median;
}

// Median and scaled median absolute deviation of one coordinate.
std::pair<double, double> RobustCentre(std::span<const Offset> offsets, double Offset::*axis) {
  std::vector<double> values;
  values.reserve(offsets.size());
  for (const auto& offset : offsets) {
    values.push_back(offset.*axis);
  }
  const double median = Median(values);
  for (auto& value : values) {
    value = std::fabs(value - median);
  }
  // A cloud of whole pixels may have a MAD of 0; half a pixel keeps it usable.
  return {median, std::max(0.5, 1.4826 * Median(std::move(values)))};
}

Scatter Moments(std::span<const Offset> offsets, const std::vector<bool>& kept, double factor) {
  double n = 0;
  Offset mean;
  for (std::size_t i = 0; i < offsets.size(); ++i) {
    if (kept[i]) {
      n += 1;
      mean.x += offsets[i].x;
      mean.y += offsets[i].y;
    }
  }
  mean.x /= n;
  mean.y /= n;
  Covariance c;
  for (std::size_t i = 0; i < offsets.size(); ++i) {
    if (kept[i]) {
      const double dx = offsets[i].x - mean.x;
      const double dy = offsets[i].y - mean.y;
      c.xx += dx * dx;
      c.xy += dx * dy;
      c.yy += dy * dy;
    }
  }
  const double scale = factor / std::max(1.0, n - 1);
  return {mean, {c.xx * scale, c.xy * scale, c.yy * scale}};
}

std::optional<ScatterEstimate> FitIfEnough(std::span<const Offset> offsets) {
  if (offsets.size() < static_cast<std::size_t>(ScatterFit::kFewestDarts)) {
    return std::nullopt;
  }
  return EstimateScatter(offsets);
}

}  // namespace

std::optional<TargetClass> TargetClassOf(std::string_view code) {
  if (code == "D25" || code == "SS25") {
    return TargetClass::Bull;
  }
  if (code.starts_with("T")) {
    return TargetClass::Treble;
  }
  if (code.starts_with("D")) {
    return TargetClass::Double;
  }
  if (code.starts_with("LS") || code.starts_with("SS") || code.starts_with("S")) {
    return TargetClass::Single;
  }
  return std::nullopt;
}

std::string_view TargetClassName(TargetClass targetClass) {
  switch (targetClass) {
    case TargetClass::Treble:
      return "Triple";
    case TargetClass::Double:
      return "Doppel";
    case TargetClass::Single:
      return "Einfach";
    case TargetClass::Bull:
      return "Bull";
  }
  return "";
}

std::string ScatterFit::Missing() const {
  if (overall) {
    return {};
  }
  return "Zu wenige Würfe mit Ziel: " + std::to_string(aimedDarts) + " von " +
         std::to_string(kFewestDarts);
}

ScatterEstimate EstimateScatter(std::span<const Offset> offsets) {
  if (offsets.empty()) {
    return {};
  }
  const auto [mx, sx] = RobustCentre(offsets, &Offset::x);
  const auto [my, sy] = RobustCentre(offsets, &Offset::y);
  Scatter current{{mx, my}, {sx * sx, 0, sy * sy}};
  std::vector<bool> kept(offsets.size(), false);
  const double factor = TrimmingFactor();
  for (int round = 0; round < kMostRounds; ++round) {
    bool changed = false;
    int count = 0;
    for (std::size_t i = 0; i < offsets.size(); ++i) {
      const bool inside = SquaredDistance(current, offsets[i]) <= kCutoff;
      changed = changed || inside != kept[i];
      kept[i] = inside;
      count += inside ? 1 : 0;
    }
    if (count < 3) {
      break;  // too few to estimate a covariance; keep the robust start
    }
    if (!changed && round > 0) {
      break;
    }
    current = Moments(offsets, kept, factor);
  }
  const int used = static_cast<int>(std::count(kept.begin(), kept.end(), true));
  return {current, used, static_cast<int>(offsets.size()) - used};
}

ScatterFit FitScatter(std::span<const AimedDart> darts) {
  ScatterFit fit;
  fit.aimedDarts = static_cast<int>(darts.size());
  std::vector<Offset> all;
  std::array<std::vector<Offset>, 4> byClass;
  for (const auto& dart : darts) {
    const Offset offset{static_cast<double>(dart.hit.x - dart.aim.x),
                        static_cast<double>(dart.hit.y - dart.aim.y)};
    all.push_back(offset);
    byClass[static_cast<std::size_t>(dart.target)].push_back(offset);
  }
  fit.overall = FitIfEnough(all);
  for (std::size_t k = 0; k < byClass.size(); ++k) {
    fit.classDarts[k] = static_cast<int>(byClass[k].size());
    fit.byClass[k] = FitIfEnough(byClass[k]);
  }
  return fit;
}

}  // namespace korvanti
