#include "engine/Game.h"

#include "engine/FieldCode.h"
#include "engine/TrainingResult.h"
#include "platform/DateTime.h"
#include "platform/Guid.h"

namespace korvanti {

Game::Game() : gameId(NewGuidString()) {}

bool Game::AimMatches(std::string_view aim, std::string_view hit) {
  return korvanti::AimMatches(aim, hit);
}

bool Game::CommitTurn() {
  auto& turns = CurrentTurns();
  turns.current.scoreBefore = turns.score;
  turns.current.progressBefore = turns.progress;
  turns.AddTurn(turns.current);
  return true;
}

void Game::UndoCheckIn() {
  CurrentTurns().current.Clear();
  --currentPlayer;
  if (currentPlayer < 0) {
    if (round <= 1) {
      currentPlayer = 0;
      return;
    }
    currentPlayer = static_cast<int>(players.Count()) - 1;
    --round;
  }
  auto& turns = CurrentTurns();
  if (turns.Empty()) {
    return;
  }
  const auto& last = turns.Last();
  turns.score = last.scoreBefore;
  turns.bookedScore = last.scoreBefore;
  turns.progress = last.progressBefore;
  turns.RemoveLastTurn();
}

void Game::NextPlayer() {
  ++currentPlayer;
  if (currentPlayer == static_cast<int>(players.Count())) {
    currentPlayer = 0;
    ++round;
  }
}

void Game::NewGame() {
  round = 1;
  for (auto& player : players) {
    auto& turns = player->turns;
    turns.score = 0;
    turns.bookedScore = 0;
    turns.current.Clear();
    turns.proposal.Clear();
    turns.ClearTurns();
  }
  currentPlayer = 0;
  gameId = NewGuidString();
}

void Game::SaveGame(bool decided) {
  if (archive_ == nullptr || players.Count() == 0) {
    return;
  }
  GameRecord record;
  if (decided) {
    const auto& leader = players.At(static_cast<std::size_t>(LeaderIndex()));
    if (leader.turns.Empty()) {
      return;
    }
    record.winningTurnId = leader.turns.Last().turnId;
  }
  bool anyTurnStored = false;
  const bool keepsResults = decided && ResultOrder(gameTypeKey).has_value();
  for (const auto& player : players) {
    if (player->IsComputer()) {
      continue;
    }
    anyTurnStored = anyTurnStored || !player->turns.Empty();
    auto& stored = record.players.emplace_back(
        GameRecord::PlayerRecord{player->playerId, player->turns.Turns(), player->doubleThrows,
                                 player->doubleHits, std::nullopt, std::nullopt});
    if (keepsResults) {
      stored.result = PlayerResult(*player);
      stored.targetHits = stored.result ? PlayerTargetHits(*player) : std::nullopt;
    }
  }
  if (!decided && !anyTurnStored) {
    return;
  }
  record.gameId = gameId;
  record.gameTypeKey = gameTypeKey;
  record.boardName = boardName;
  record.datetime = DateTimeNow();
  record.match = match;
  archive_->StoreGame(record);
}

void Game::RemoveSavedGame(const std::optional<MatchRecord>& matchNow) {
  if (archive_ != nullptr) {
    archive_->RemoveGame(gameId, matchNow);
  }
  match = matchNow;
}

Turn Game::CheckoutProposal() const {
  return CurrentTurns().CheckOutProposal(doubleOut, checkoutTable, CountUpTarget());
}

int Game::BestScoreIndex(int floor, bool lowest) const {
  int best = floor;
  int leader = 0;
  for (std::size_t i = 0; i < players.Count(); ++i) {
    const int score = players.At(i).turns.score;
    if (lowest ? score < best : score > best) {
      best = score;
      leader = static_cast<int>(i);
    }
  }
  return leader;
}

std::string Game::GameOverWithResultText(std::string_view result,
                                         std::string_view onePlayerStart) const {
  const auto& leader = players.At(static_cast<std::size_t>(LeaderIndex()));
  if (players.Count() == 1) {
    return std::string(onePlayerStart) + std::string(result) + ".";
  }
  return "Game over. The Winner is: " + leader.nickname + " " + std::string(result) + ".";
}

std::string Game::GameOverWithPointsText(std::string_view onePlayerStart) const {
  const auto& leader = players.At(static_cast<std::size_t>(LeaderIndex()));
  return GameOverWithResultText("with " + std::to_string(leader.turns.score) + " points",
                                onePlayerStart);
}

std::string Game::GameOverInRoundsText(int roundNumber, std::string_view onePlayerStart) const {
  const auto rounds = std::to_string(roundNumber);
  if (players.Count() == 1) {
    return std::string(onePlayerStart) + rounds + " rounds";
  }
  return "Game over. The Winner is: " +
         players.At(static_cast<std::size_t>(LeaderIndex())).nickname + " after " + rounds +
         " rounds";
}

}  // namespace korvanti
