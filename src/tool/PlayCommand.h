#pragma once

#include <span>
#include <string_view>

namespace korvanti {

// korvanti-tool play: one game from a script on standard input. Returns the
// exit status.
int RunPlayCommand(std::span<const std::string_view> arguments);

extern const char* const kPlayUsage;

}  // namespace korvanti
