#include "engine/ProgramFolderSetup.h"

#include <string_view>
#include <system_error>

#include "engine/CheckoutRoutes.h"
#include "engine/ShippedFiles.h"
#include "platform/Error.h"
#include "platform/FileIo.h"
#include "platform/Notice.h"

namespace korvanti {
namespace {

// Writes the shipped content when nothing of that name is there. A folder
// made by hand, or by a first start that was killed or ran out of space,
// gets the files it misses at the next start.
void InstallIfMissing(const std::filesystem::path& file, std::string_view content) {
  std::error_code error;
  if (std::filesystem::symlink_status(file, error).type() !=
      std::filesystem::file_type::not_found) {
    return;
  }
  try {
    WriteFileDurably(file, content);
  } catch (const Error& failure) {
    Notify("Die mitgelieferte Datei \"" + file.filename().string() +
           "\" konnte nicht angelegt werden: " + failure.what());
  }
}

}  // namespace

EnteredFolder SetUpProgramFolder(const std::filesystem::path& folder) {
  auto entered = EnterProgramFolder(folder);
  InstallIfMissing(entered.path / "checkout.ini", CheckoutTableText());
  InstallIfMissing(entered.path / "ki.ini", ShippedStrengthTable());
  return entered;
}

}  // namespace korvanti
