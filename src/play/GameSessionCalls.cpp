// What the caller says during the game: the session decides, the view plays
// or speaks.
#include "computer/ComputerPlayer.h"
#include "play/GameSession.h"

namespace korvanti {

void GameSession::Announce(Call call) {
  if (!options_.playSounds) {
    call.soundFile.clear();
  }
  if (call.soundFile.empty() && !options_.callTurns) {
    return;
  }
  view_.Announce(call);
}

// The checkout proposal's route decides, so the caller needs what the
// proposal fields show, under the game's out rule. The computer is not told:
// its darts follow at once.
void GameSession::CallRequiredPoints() {
  if (panel_ != ModePanel::CountDown || BullOffRunning() || result_ || game_.IsFinished() ||
      ComputerOnTurn() != nullptr || !game_.HasProposal()) {
    return;
  }
  const auto& turns = game_.CurrentTurns();
  if (turns.current.DartsEntered() > 0 || game_.CheckoutProposal().Hit(1).hit.empty()) {
    return;
  }
  const int left = game_.CountUpTarget() ? *game_.CountUpTarget() - turns.score : turns.score;
  Announce(RequireCall(game_.CurrentPlayer().nickname, left));
}

}  // namespace korvanti
