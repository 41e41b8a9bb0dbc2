#include "analysis/ExpectedPoints.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <memory>
#include <mutex>
#include <numbers>

#include "engine/FieldCode.h"

namespace korvanti {
namespace {

// The smallest length of at least `n` whose only prime factors are 2, 3, 5
// and 7: FFTW is fastest on those.
int TransformLength(int n) {
  for (int length = n;; ++length) {
    int rest = length;
    for (const int prime : {2, 3, 5, 7}) {
      while (rest % prime == 0) {
        rest /= prime;
      }
    }
    if (rest == 1) {
      return length;
    }
  }
}

// How far the scatter reaches along one axis: the bias and five standard
// deviations, past which the normal's weight (below 6e-7) changes no
// expectation by more than 1e-4 points.
int Reach(double bias, double variance) {
  return static_cast<int>(std::ceil(std::fabs(bias) + 5 * std::sqrt(std::max(variance, 0.0)))) + 1;
}

// A signed frequency in cycles per sample.
double Frequency(int k, int length) {
  return static_cast<double>(k < (length + 1) / 2 ? k : k - length) / length;
}

struct FftwBuffer {
  explicit FftwBuffer(std::size_t size)
      : data(static_cast<fftw_complex*>(fftw_malloc(sizeof(fftw_complex) * size))) {}
  ~FftwBuffer() { fftw_free(data); }
  FftwBuffer(const FftwBuffer&) = delete;
  FftwBuffer& operator=(const FftwBuffer&) = delete;
  fftw_complex* data;
};

// Only executing a plan is thread-safe in FFTW; making and destroying one is not.
std::mutex& PlannerLock() {
  static std::mutex planner;
  return planner;
}

struct FftwPlan {
  FftwPlan(int rows, int columns, fftw_complex* data, int sign) {
    const std::lock_guard lock(PlannerLock());
    plan = fftw_plan_dft_2d(rows, columns, data, data, sign, FFTW_ESTIMATE);
  }
  ~FftwPlan() {
    const std::lock_guard lock(PlannerLock());
    fftw_destroy_plan(plan);
  }
  FftwPlan(const FftwPlan&) = delete;
  FftwPlan& operator=(const FftwPlan&) = delete;
  fftw_plan plan;
};

}  // namespace

BoardValues::BoardValues(const HitMap& hitMap)
    : points_(static_cast<std::size_t>(Width() * Height())),
      wire_(static_cast<std::size_t>(Width() * Height())) {
  for (int y = 0; y < Height(); ++y) {
    for (int x = 0; x < Width(); ++x) {
      const auto code = hitMap.FieldAt(x, y);
      if (code == kWireCode) {
        wire_[Index(x, y)] = 1;
      } else if (code != kMissCode) {
        points_[Index(x, y)] = FieldValue(code);
      }
    }
  }
}

std::optional<int> BoardValues::Landing(int x, int y) const {
  if (!HitMap::Contains(x, y)) {
    return 0;
  }
  if (Wire(x, y)) {
    return std::nullopt;
  }
  return Points(x, y);
}

ExpectedPointsMap::ExpectedPointsMap(const BoardValues& board, const Scatter& scatter) {
  const auto& c = scatter.covariance;
  const int columns = TransformLength(Width() + Reach(scatter.bias.x, c.xx));
  const int rows = TransformLength(Height() + Reach(scatter.bias.y, c.yy));
  const auto size = static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns);
  FftwBuffer buffer(size);
  auto* data = reinterpret_cast<std::complex<double>*>(buffer.data);
  const FftwPlan forward(rows, columns, buffer.data, FFTW_FORWARD);
  const FftwPlan backward(rows, columns, buffer.data, FFTW_BACKWARD);

  // Both real signals travel in one transform: the points as the real part,
  // the wires as the imaginary part. The kernel is real, so they stay apart.
  std::fill(data, data + size, std::complex<double>{});
  for (int y = 0; y < Height(); ++y) {
    for (int x = 0; x < Width(); ++x) {
      data[static_cast<std::size_t>(y) * static_cast<std::size_t>(columns) +
           static_cast<std::size_t>(x)] = {static_cast<double>(board.Points(x, y)),
                                           board.Wire(x, y) ? 1.0 : 0.0};
    }
  }
  fftw_execute(forward.plan);

  // A dart aimed at a lands at a + d with d ~ N(bias, C): the expectation is
  // the correlation of the board with the normal's density, which in the
  // frequency domain is the product with the conjugate of its transform,
  // exp(-2π² fᵀCf) · exp(+2πi f·bias). Nyquist terms are dropped so that the
  // kernel stays real (their weight is negligible for any real thrower).
  const double twoPiSquared = 2 * std::numbers::pi * std::numbers::pi;
  const double norm = 1.0 / static_cast<double>(size);
  for (int ky = 0; ky < rows; ++ky) {
    const double fy = Frequency(ky, rows);
    const bool nyquistY = rows % 2 == 0 && ky == rows / 2;
    for (int kx = 0; kx < columns; ++kx) {
      const double fx = Frequency(kx, columns);
      auto& value = data[static_cast<std::size_t>(ky) * static_cast<std::size_t>(columns) +
                         static_cast<std::size_t>(kx)];
      if (nyquistY || (columns % 2 == 0 && kx == columns / 2)) {
        value = {};
        continue;
      }
      const double damping =
          std::exp(-twoPiSquared * (c.xx * fx * fx + 2 * c.xy * fx * fy + c.yy * fy * fy));
      const double phase = 2 * std::numbers::pi * (fx * scatter.bias.x + fy * scatter.bias.y);
      value *= std::polar(damping * norm, phase);
    }
  }
  fftw_execute(backward.plan);

  values_.resize(static_cast<std::size_t>(Width() * Height()));
  for (int y = 0; y < Height(); ++y) {
    for (int x = 0; x < Width(); ++x) {
      const auto value = data[static_cast<std::size_t>(y) * static_cast<std::size_t>(columns) +
                              static_cast<std::size_t>(x)];
      // Darts on a wire are thrown again: the points of the darts that count.
      const double counted = std::max(1.0 - value.imag(), 1e-9);
      values_[static_cast<std::size_t>(y) * Width() + static_cast<std::size_t>(x)] =
          value.real() / counted;
    }
  }
}

BoardPoint ExpectedPointsMap::Best() const {
  const auto best = std::max_element(values_.begin(), values_.end());
  const auto index = static_cast<int>(best - values_.begin());
  return {index % Width(), index / Width()};
}

}  // namespace korvanti
