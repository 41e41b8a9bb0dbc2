#pragma once

#include <span>
#include <string_view>

namespace korvanti {

// korvanti-tool scatter: a player's measured scatter and where to aim with it.
int RunScatterCommand(std::span<const std::string_view> arguments);

extern const char* const kScatterUsage;

}  // namespace korvanti
