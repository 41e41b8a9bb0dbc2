#include "computer/StrengthCalibration.h"

#include <cstdio>
#include <vector>

namespace korvanti {
namespace {

constexpr double kGridStep = 0.1;
constexpr double kWidestSpread = 10.0;

}  // namespace

std::string CalibrateStrengthTable(SimulationContext& context, int games, int lowest, int highest) {
  // The mean falls as the spread grows; play until it is below the lowest average.
  std::vector<double> spreads;
  std::vector<double> means;
  std::vector<double> grid{0.02, 0.05};
  for (double spread = kGridStep; spread <= kWidestSpread; spread += kGridStep) {
    grid.push_back(spread);
  }
  for (const double spread : grid) {
    spreads.push_back(spread);
    means.push_back(DartSimulation::MeanAverage(context, spread, games));
    if (means.back() < lowest - 1) {
      break;
    }
  }
  std::string text =
      "; Strength table of the computer opponent, written by\n"
      "; \"korvanti-tool calibrate\": the spread at which the mean three-dart\n"
      "; average of simulated 501 double-out games equals the key.\n"
      "[AvgListBig]\n";
  for (int average = lowest; average <= highest; ++average) {
    double spread = spreads.front();
    for (std::size_t i = 0; i + 1 < means.size(); ++i) {
      if (means[i] >= average && means[i + 1] <= average) {
        const double share =
            means[i] == means[i + 1] ? 0.0 : (means[i] - average) / (means[i] - means[i + 1]);
        spread = spreads[i] + share * (spreads[i + 1] - spreads[i]);
        break;
      }
      spread = spreads[i + 1];
    }
    char value[32];
    std::snprintf(value, sizeof value, "%.3f", spread);
    text += std::to_string(average) + "=" + value + "\n";
  }
  return text;
}

}  // namespace korvanti
