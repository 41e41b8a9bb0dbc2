#pragma once

#include <filesystem>

#include "platform/ProgramFolder.h"

namespace korvanti {

// Enters the program folder (creating it when needed) and gives it each
// shipped file it lacks: the checkout table and the strength table. A file
// that is there is never replaced, whatever it holds. A shipped file that
// cannot be written is reported as a notice; the program goes on without it.
EnteredFolder SetUpProgramFolder(const std::filesystem::path& folder);

}  // namespace korvanti
