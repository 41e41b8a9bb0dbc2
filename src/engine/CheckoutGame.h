#pragma once

#include <memory>
#include <string>

#include "engine/CountDownGame.h"

namespace korvanti {

// One checkout attempt: double out from the value set from outside.
class CheckoutAttempt : public CountDownGame {
 public:
  void InitGameType() override;
};

// Checkout attempts from a value that rises after a finish within three darts
// and falls otherwise; every attempt is stored as a game of its own. Over
// when the value passes 170.
class CheckoutGame : public CheckoutAttempt {
 public:
  std::unique_ptr<CheckoutAttempt> attempt;  // plays with this training's player
  int stepUp = 0;
  int stepDown = 0;
  bool oneTurn = false;  // every attempt lasts one turn

  void InitGameType() override;
  void NewGame() override;
  bool CheckIn() override;
  bool IsFinished() const override;
  bool IsTurnOver() const override;
  bool IsTurnValid() override { return attempt->IsTurnValid(); }
  bool HasProposal() const override { return attempt->HasProposal(); }
  int LeaderIndex() const override { return 0; }
  std::string GameOverText() const override { return "Training beendet."; }
  // Finished attempts are stored as they end; an aborted training stores the
  // attempt it was in, undecided.
  void SaveGame(bool decided = true) override;

 private:
  int NextCheckoutValue(bool finishedInOneTurn);
  void NewAttemptFromTheStart();
};

}  // namespace korvanti
