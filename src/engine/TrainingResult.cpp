#include "engine/TrainingResult.h"

#include <array>
#include <utility>

namespace korvanti {
namespace {

using enum BetterResult;

constexpr std::array<std::pair<std::string_view, BetterResult>, 16> kOrders{{
    {"constbobs27", Higher},
    {"constcatch40", Higher},
    {"consthalveit", Higher},
    {"constroundtheboardtriple", Lower},
    {"constpractice_segment_20", Higher},
    {"constpractice_segment_19", Higher},
    {"constpractice_segment_treble_20", Higher},
    {"constpractice_segment_treble_19", Higher},
    {"constpractice_segment_bulls", Higher},
    {"constpractice_dout_segments", Higher},
    {"constpractice_double", Higher},
    {"constshanghai", Higher},
    {"constpractice_roundsingle", Lower},
    {"constpractice_rounddouble", Lower},
    {"constpractice_rounddouble_bull", Lower},
    {"constpractice_checkout", Lower},
}};

}  // namespace

std::optional<BetterResult> ResultOrder(std::string_view gameTypeKey) {
  for (const auto& [key, order] : kOrders) {
    if (key == gameTypeKey) {
      return order;
    }
  }
  return std::nullopt;
}

}  // namespace korvanti
