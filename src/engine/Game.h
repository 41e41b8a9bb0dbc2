#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/CheckoutTable.h"
#include "engine/Dart.h"
#include "engine/GameArchive.h"
#include "engine/Player.h"
#include "engine/TrainingResult.h"
#include "engine/Turn.h"

namespace korvanti {

// The root of all game modes: owns the players, knows whose turn it is and
// which round is played, books and takes back turns, starts new games and
// hands finished games to the archive. Modes fill in the rules by overriding
// the virtual operations; the game screen drives a game through them alone.
class Game {
 public:
  Game();
  virtual ~Game() = default;
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // Decided, counting the turn in progress.
  virtual bool IsFinished() const = 0;
  // A record whose `aim` codes hold the targets for the remaining darts of the turn.
  virtual Turn CurrentTargets() const = 0;
  virtual int CurrentPlayerIndex() const { return currentPlayer; }
  virtual int LeaderIndex() const = 0;
  virtual bool HasProposal() const = 0;
  // The turn must end now, even with fewer than three darts.
  virtual bool IsTurnOver() const { return IsFinished(); }
  virtual void InitGameType() = 0;
  // Judges the turn in progress and stores the verdict in its `counts`.
  virtual bool IsTurnValid() = 0;
  virtual std::string GameOverText() const = 0;
  virtual bool CommitTurn();
  virtual bool CheckIn() = 0;
  virtual void UndoCheckIn();
  virtual void NextPlayer();
  virtual void NewGame();
  // Hands the game to the archive. A decided game names the leader's last turn
  // as the winning one and is stored once the leader has booked a turn; an
  // undecided (aborted) game has no winning turn and is stored once any stored
  // player has booked a turn.
  virtual void SaveGame(bool decided = true);
  // Takes the stored game back (see GameArchive::RemoveGame).
  void RemoveSavedGame(const std::optional<MatchRecord>& matchNow);

  static bool AimMatches(std::string_view aim, std::string_view hit);

  void AddPlayer(std::unique_ptr<Player> player) { players.Add(std::move(player)); }
  Player& CurrentPlayer() { return players.At(static_cast<std::size_t>(currentPlayer)); }
  const Player& CurrentPlayer() const {
    return players.At(static_cast<std::size_t>(currentPlayer));
  }
  PlayerTurns& CurrentTurns() { return CurrentPlayer().turns; }
  const PlayerTurns& CurrentTurns() const { return CurrentPlayer().turns; }

  // Where finished games go and player names come from; none stores nothing.
  void SetArchive(GameArchive* archive) { archive_ = archive; }
  GameArchive* Archive() const { return archive_; }

  int startScore = 0;
  bool doubleOut = false;
  bool masterOut = false;
  PlayerList players;
  int currentPlayer = 0;
  std::vector<TargetStep> targetSteps;
  int round = 0;
  int rounds = 0;
  std::string gameId;
  std::string gameTypeKey;
  // The board the game is played at (options.ini "brett"), stored with it.
  std::string boardName;
  bool undoAllowed = true;
  bool doubleIn = false;
  // The match this game is a leg of; stored with it.
  std::optional<MatchRecord> match;

  // The checkout table of the program folder, for the proposals.
  CheckoutTable checkoutTable;
  // The proposal for the player on turn from the checkout table: `hit` codes
  // for the remaining darts of the turn.
  Turn CheckoutProposal() const;
  // What the player on turn plays at now, as a player says it ("D7", "64",
  // "T" for any treble); empty for games without one target at a time.
  virtual std::string TargetText() const { return {}; }
  // The player's result of a training with personal bests (TrainingResult.h):
  // his score, or the darts he needed; nothing while he has not finished.
  virtual std::optional<int> PlayerResult(const Player&) const { return std::nullopt; }
  // His hits on the training's targets, for the statistics' hit rate; nothing
  // for games without.
  virtual std::optional<TargetHits> PlayerTargetHits(const Player&) const { return std::nullopt; }
  // Games that count up to a target (Elimination) name it; the proposal then
  // finishes the points still missing to it.
  virtual std::optional<int> CountUpTarget() const { return std::nullopt; }

 protected:
  // "Game over after n rounds" alone (or with the given start), else with the
  // leader named as winner.
  std::string GameOverInRoundsText(int roundNumber,
                                   std::string_view onePlayerStart = "Game over after ") const;
  std::string GameOverInRoundsText() const { return GameOverInRoundsText(round); }
  // "Practice over with 312 points." alone, else "Game over. The Winner is:
  // Anna with 312 points."; the result ("after 57 darts") as given.
  std::string GameOverWithResultText(std::string_view result,
                                     std::string_view onePlayerStart = "Practice over ") const;
  std::string GameOverWithPointsText(std::string_view onePlayerStart = "Practice over ") const;
  // The first player whose score is strictly the highest above `floor`
  // (lowest below it, with `lowest`); player 0 when nobody passes it.
  int BestScoreIndex(int floor, bool lowest = false) const;

 private:
  GameArchive* archive_ = nullptr;
};

}  // namespace korvanti
