#pragma once

#include <filesystem>

#include "platform/ProgramFolder.h"

namespace korvanti {

// Enters the program folder (creating it when needed) and, when it is new,
// gives it the shipped checkout table and strength table. A user who deletes
// them later simply has no proposals, or no computer at a chosen average.
EnteredFolder SetUpProgramFolder(const std::filesystem::path& folder);

}  // namespace korvanti
