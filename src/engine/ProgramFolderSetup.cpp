#include "engine/ProgramFolderSetup.h"

#include "engine/CheckoutRoutes.h"

namespace korvanti {

EnteredFolder SetUpProgramFolder(const std::filesystem::path& folder) {
  auto entered = EnterProgramFolder(folder);
  if (entered.created) {
    InstallCheckoutTable(entered.path);
  }
  return entered;
}

}  // namespace korvanti
