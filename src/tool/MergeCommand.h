#pragma once

#include <span>
#include <string_view>

namespace korvanti {

// korvanti-tool merge: the games of another database file into this one.
int RunMergeCommand(std::span<const std::string_view> arguments);

extern const char* const kMergeUsage;

}  // namespace korvanti
