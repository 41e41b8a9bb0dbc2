#include "engine/ProgramFolderSetup.h"

#include "engine/CheckoutRoutes.h"
#include "engine/ShippedFiles.h"
#include "platform/FileIo.h"

namespace korvanti {

EnteredFolder SetUpProgramFolder(const std::filesystem::path& folder) {
  auto entered = EnterProgramFolder(folder);
  if (entered.created) {
    InstallCheckoutTable(entered.path);
    WriteFileDurably(entered.path / "ki.ini", ShippedStrengthTable());
  }
  return entered;
}

}  // namespace korvanti
