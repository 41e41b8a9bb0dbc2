#pragma once

#include <filesystem>

#include "platform/ProgramFolder.h"

namespace korvanti {

// Enters the program folder (creating it when needed) and, when it is new,
// gives it the shipped checkout table. A user who deletes the table later
// simply has no proposals.
EnteredFolder SetUpProgramFolder(const std::filesystem::path& folder);

}  // namespace korvanti
