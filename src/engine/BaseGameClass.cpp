#include "engine/BaseGameClass.h"

#include "engine/FieldCode.h"
#include "platform/DateTime.h"
#include "platform/Guid.h"

namespace korvanti {

BaseGameClass::BaseGameClass() : gameid(NewGuidString()) {}

bool BaseGameClass::AimMatches(std::string_view aim, std::string_view hit) {
  return korvanti::AimMatches(aim, hit);
}

bool BaseGameClass::CommitTurn() {
  auto& turns = CurrentTurns();
  turns.current.scorebefore = turns.score;
  turns.current.progressbefore = turns.progress;
  turns.AddTurn(turns.current);
  return true;
}

void BaseGameClass::UndoCheckIn() {
  CurrentTurns().current.Clear();
  --currentplayer;
  if (currentplayer < 0) {
    if (round <= 1) {
      currentplayer = 0;
      return;
    }
    currentplayer = static_cast<int>(players.Count()) - 1;
    --round;
  }
  auto& turns = CurrentTurns();
  if (turns.Empty()) {
    return;
  }
  const auto& last = turns.Last();
  turns.score = last.scorebefore;
  turns.bookedscore = last.scorebefore;
  turns.progress = last.progressbefore;
  turns.RemoveLastTurn();
}

void BaseGameClass::NextPlayer() {
  ++currentplayer;
  if (currentplayer == static_cast<int>(players.Count())) {
    currentplayer = 0;
    ++round;
  }
}

void BaseGameClass::NewGame() {
  round = 1;
  for (auto& player : players) {
    auto& turns = player->turns;
    turns.score = 0;
    turns.bookedscore = 0;
    turns.current.Clear();
    turns.proposal.Clear();
    turns.ClearTurns();
  }
  currentplayer = 0;
  gameid = NewGuidString();
}

void BaseGameClass::SaveGame(bool decided) {
  if (archive_ == nullptr || players.Count() == 0) {
    return;
  }
  GameRecord record;
  if (decided) {
    const auto& leader = players.Player(static_cast<std::size_t>(LeaderIndex()));
    if (leader.turns.Empty()) {
      return;
    }
    record.winningThrowId = leader.turns.Last().throwid;
  }
  bool anyTurnStored = false;
  for (const auto& player : players) {
    if (player->IsComputer()) {
      continue;
    }
    anyTurnStored = anyTurnStored || !player->turns.Empty();
    record.players.push_back(
        {player->playerid, player->turns.Turns(), player->throwsatdouble, player->hitsatdouble});
  }
  if (!decided && !anyTurnStored) {
    return;
  }
  record.gameid = gameid;
  record.gametypesid = gametypesid;
  record.datetime = DateTimeNow();
  archive_->StoreGame(record);
}

Throwclass BaseGameClass::CheckoutProposal() const {
  return CurrentTurns().CheckOutProposal(doubleout, checkoutTable, CountUpTarget());
}

int BaseGameClass::BestScoreIndex(int floor, bool lowest) const {
  int best = floor;
  int leader = 0;
  for (std::size_t i = 0; i < players.Count(); ++i) {
    const int score = players.Player(i).turns.score;
    if (lowest ? score < best : score > best) {
      best = score;
      leader = static_cast<int>(i);
    }
  }
  return leader;
}

std::string BaseGameClass::GameOverInRoundsText(int roundNumber,
                                                std::string_view onePlayerStart) const {
  const auto rounds = std::to_string(roundNumber);
  if (players.Count() == 1) {
    return std::string(onePlayerStart) + rounds + " rounds";
  }
  return "Game over. The Winner is: " +
         players.Player(static_cast<std::size_t>(LeaderIndex())).nickname + " after " + rounds +
         " rounds";
}

}  // namespace korvanti
