#pragma once

#include <span>
#include <string_view>

namespace korvanti {

// korvanti-tool overview: the start window's player overview as CSV.
int RunOverviewCommand(std::span<const std::string_view> arguments);
// korvanti-tool stats: the statistics window's rows as CSV.
int RunStatsCommand(std::span<const std::string_view> arguments);

// korvanti-tool seed: sample data for trying the statistics.
int RunSeedCommand(std::span<const std::string_view> arguments);

// korvanti-tool calibrate: the strength table of the computer opponent.
int RunCalibrateCommand(std::span<const std::string_view> arguments);

extern const char* const kStatsUsage;

}  // namespace korvanti
