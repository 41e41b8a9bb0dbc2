#pragma once

#include <span>
#include <string_view>

namespace korvanti {

// korvanti-tool export: every stored dart as CSV.
int RunExportCommand(std::span<const std::string_view> arguments);

extern const char* const kExportUsage;

}  // namespace korvanti
