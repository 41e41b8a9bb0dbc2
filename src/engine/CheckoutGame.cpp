#include "engine/CheckoutGame.h"

#include <algorithm>

namespace korvanti {
namespace {

constexpr int kHighestCheckout = 170;
constexpr int kLowestCheckout = 2;

}  // namespace

void CheckOutDummy::InitGameType() {
  doubleout = true;
  gametypesid = "constpractice_checkoutgame";
}

void CheckoutgamePractice::InitGameType() {
  CheckOutDummy::InitGameType();
  attempt = std::make_unique<CheckOutDummy>();
  attempt->masterout = masterout;
  attempt->InitGameType();
  attempt->players.AddShared(players.Player(0));
  attempt->SetArchive(Archive());
  NewAttemptFromTheStart();
}

// A follow-up game starts from the chosen value again: from the value that
// ended the last training it would be over before its first dart. And an
// attempt from 0 would be over at once, and the next one too.
void CheckoutgamePractice::NewAttemptFromTheStart() {
  attempt->startscore = std::max(startscore, kLowestCheckout);
  attempt->NewGame();
}

void CheckoutgamePractice::NewGame() {
  CountDownGame::NewGame();
  NewAttemptFromTheStart();
}

bool CheckoutgamePractice::IsFinished() const {
  return attempt->startscore > kHighestCheckout;
}

bool CheckoutgamePractice::IsTurnOver() const {
  return IsFinished() || attempt->IsFinished();
}

int CheckoutgamePractice::NextCheckoutValue(bool finishedInOneTurn) {
  int value = attempt->startscore;
  const auto listed = [&](int points) {
    return !checkoutTable.Exists() || checkoutTable.HasDoubleOutFinish(points);
  };
  if (finishedInOneTurn) {
    value += stepup;
    while (value <= kHighestCheckout && !listed(value)) {
      ++value;
    }
    return std::max(value, kLowestCheckout);
  }
  value -= stepdown;
  while (value > kLowestCheckout && !listed(value)) {
    --value;
  }
  return std::max(value, kLowestCheckout);
}

void CheckoutgamePractice::SaveGame(bool decided) {
  if (decided) {
    return;
  }
  attempt->SetArchive(Archive());
  attempt->SaveGame(false);
}

bool CheckoutgamePractice::CheckIn() {
  attempt->CheckIn();
  if (IsFinished()) {
    return true;
  }
  const bool done = attempt->IsFinished();
  if (!done && !oneturn) {
    NextPlayer();
    return true;
  }
  const int value = NextCheckoutValue(done && attempt->round == 1);
  attempt->SetArchive(Archive());
  attempt->SaveGame();
  attempt->startscore = value;
  attempt->NewGame();
  return true;
}

}  // namespace korvanti
