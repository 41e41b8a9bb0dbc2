#include "play/StartOptions.h"

namespace korvanti {

void ApplyStartOptions(const GameCatalogEntry& entry, BaseGameClass& game,
                       const StartOptions& options) {
  switch (entry.index) {
    case 3:
    case 4:
    case 25:
    case 26:
      game.masterout = options.masterOut;
      break;
    case 30:
      game.doubleout = options.doubleOut;
      game.doublein = options.doubleIn;
      break;
    default:
      break;
  }
}

bool DefaultAimInput(int gameIndex) {
  return !((gameIndex >= 1 && gameIndex <= 9) || gameIndex == 30);
}

}  // namespace korvanti
