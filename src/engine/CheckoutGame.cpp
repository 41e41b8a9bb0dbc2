#include "engine/CheckoutGame.h"

#include <algorithm>

namespace korvanti {
namespace {

constexpr int kHighestCheckout = 170;
constexpr int kLowestCheckout = 2;

}  // namespace

void CheckoutAttempt::InitGameType() {
  doubleOut = true;
  gameTypeKey = "constpractice_checkoutgame";
}

void CheckoutGame::InitGameType() {
  CheckoutAttempt::InitGameType();
  attempt = std::make_unique<CheckoutAttempt>();
  attempt->masterOut = masterOut;
  attempt->InitGameType();
  attempt->players.AddShared(players.At(0));
  attempt->SetArchive(Archive());
  NewAttemptFromTheStart();
}

// A follow-up game starts from the chosen value again: from the value that
// ended the last training it would be over before its first dart. And an
// attempt from 0 would be over at once, and the next one too.
void CheckoutGame::NewAttemptFromTheStart() {
  attempt->startScore = std::max(startScore, kLowestCheckout);
  attempt->NewGame();
}

void CheckoutGame::NewGame() {
  CountDownGame::NewGame();
  NewAttemptFromTheStart();
}

bool CheckoutGame::IsFinished() const {
  return attempt->startScore > kHighestCheckout;
}

bool CheckoutGame::IsTurnOver() const {
  return IsFinished() || attempt->IsFinished();
}

int CheckoutGame::NextCheckoutValue(bool finishedInOneTurn) {
  int value = attempt->startScore;
  const auto listed = [&](int points) {
    return !checkoutTable.Exists() || checkoutTable.HasDoubleOutFinish(points);
  };
  if (finishedInOneTurn) {
    value += stepUp;
    while (value <= kHighestCheckout && !listed(value)) {
      ++value;
    }
    return std::max(value, kLowestCheckout);
  }
  value -= stepDown;
  while (value > kLowestCheckout && !listed(value)) {
    --value;
  }
  return std::max(value, kLowestCheckout);
}

void CheckoutGame::SaveGame(bool decided) {
  if (decided) {
    return;
  }
  attempt->SetArchive(Archive());
  attempt->SaveGame(false);
}

bool CheckoutGame::CheckIn() {
  attempt->CheckIn();
  if (IsFinished()) {
    return true;
  }
  const bool done = attempt->IsFinished();
  if (!done && !oneTurn) {
    NextPlayer();
    return true;
  }
  const int value = NextCheckoutValue(done && attempt->round == 1);
  attempt->SetArchive(Archive());
  attempt->SaveGame();
  attempt->startScore = value;
  attempt->NewGame();
  return true;
}

}  // namespace korvanti
