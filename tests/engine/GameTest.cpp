#include <gtest/gtest.h>

#include "CountUpGame.h"
#include "DartText.h"
#include "FakeArchive.h"
#include "engine/Game.h"
#include "platform/DateTime.h"
#include "platform/Guid.h"

namespace korvanti {
namespace {

using testing::EnterDarts;

struct ComputerStandIn : Player {
  bool IsComputer() const override { return true; }
};

class BaseGame : public ::testing::Test {
 protected:
  // With `computerLast` the last player is the computer opponent.
  void AddPlayers(std::initializer_list<const char*> nicknames, bool computerLast = false) {
    for (const char* nickname : nicknames) {
      const bool computer = computerLast && nickname == *(nicknames.end() - 1);
      auto player = computer ? std::make_unique<ComputerStandIn>() : std::make_unique<Player>();
      player->nickname = nickname;
      player->playerId = std::string("{") + nickname + "}";
      game.AddPlayer(std::move(player));
    }
    game.InitGameType();
    game.NewGame();
  }
  void Play(const std::string& darts) {
    EnterDarts(game.CurrentTurns().current, darts);
    game.IsTurnValid();
    game.CheckIn();
  }

  testing::CountUpGame game;
};

TEST_F(BaseGame, CreationAndNewGame) {
  EXPECT_TRUE(IsGuidString(game.gameId));
  EXPECT_TRUE(game.undoAllowed);
  EXPECT_EQ(game.round, 0);
  AddPlayers({"Anna", "Ben"});
  Play("T20 T20 T20");
  EnterDarts(game.CurrentTurns().current, "D5");
  game.CurrentTurns().proposal.Hit(1).hit = "D20";
  const auto firstId = game.gameId;

  game.NewGame();
  EXPECT_EQ(game.round, 1);
  EXPECT_EQ(game.currentPlayer, 0);
  EXPECT_NE(game.gameId, firstId);
  for (auto& player : game.players) {
    EXPECT_EQ(player->turns.score, 0);
    EXPECT_TRUE(player->turns.Empty());
    EXPECT_EQ(player->turns.current.FirstEmptyHit(), 1);
    EXPECT_EQ(player->turns.proposal.Hit(1).hit, "");
  }
}

TEST_F(BaseGame, NextPlayerWrapsIntoTheNextRound) {
  AddPlayers({"Anna", "Ben", "Carl"});
  game.NextPlayer();
  game.NextPlayer();
  EXPECT_EQ(game.currentPlayer, 2);
  EXPECT_EQ(game.round, 1);
  game.NextPlayer();
  EXPECT_EQ(game.currentPlayer, 0);
  EXPECT_EQ(game.round, 2);
}

TEST_F(BaseGame, UndoGoesBackIntoTheLastRound) {
  AddPlayers({"Anna", "Ben", "Carl"});
  Play("T20 0 0");
  Play("LS1 LS1 LS1");
  Play("D10 0 0");
  Play("T19 T19 0");                               // Anna, round 2
  EnterDarts(game.CurrentTurns().current, "LS5");  // Ben has begun his turn

  game.UndoCheckIn();
  EXPECT_EQ(game.currentPlayer, 0);
  EXPECT_EQ(game.round, 2);
  EXPECT_EQ(game.players.At(0).turns.score, 60);
  EXPECT_EQ(game.players.At(1).turns.current.FirstEmptyHit(), 1);

  game.UndoCheckIn();
  EXPECT_EQ(game.currentPlayer, 2);
  EXPECT_EQ(game.round, 1);
  const auto& carl = game.players.At(2).turns;
  EXPECT_EQ(carl.score, 0);
  EXPECT_EQ(carl.bookedScore, 0);
  EXPECT_TRUE(carl.Empty());
  EXPECT_EQ(carl.current.FirstEmptyHit(), 1);  // the darts are thrown again
}

TEST_F(BaseGame, UndoAtTheStartDoesNothing) {
  AddPlayers({"Anna", "Ben"});
  EnterDarts(game.CurrentTurns().current, "T20");
  game.UndoCheckIn();
  EXPECT_EQ(game.currentPlayer, 0);
  EXPECT_EQ(game.round, 1);
  EXPECT_EQ(game.CurrentTurns().current.FirstEmptyHit(), 1);
}

TEST_F(BaseGame, CommitTurnSnapshotsScoreAndProgress) {
  AddPlayers({"Anna"});
  auto& turns = game.CurrentTurns();
  turns.score = 301;
  turns.progress = 4;
  EnterDarts(turns.current, "T20");
  EXPECT_TRUE(game.CommitTurn());
  EXPECT_EQ(turns.Last().scoreBefore, 301);
  EXPECT_EQ(turns.Last().progressBefore, 4);
  EXPECT_EQ(turns.current.Hit(1).hit, "T20");  // the caller clears it
}

TEST_F(BaseGame, SaveGameWritesNothingBeforeTheLeaderBookedATurn) {
  testing::FakeArchive archive;
  game.SetArchive(&archive);
  AddPlayers({"Anna", "Ben"});
  game.SaveGame();
  Play("T20 T20 T20");
  game.leader = 1;  // Ben has booked nothing yet
  game.SaveGame();
  EXPECT_TRUE(archive.games.empty());
}

TEST_F(BaseGame, SaveGameStoresOnlyHumansButNamesTheComputersWinningTurn) {
  testing::FakeArchive archive;
  game.SetArchive(&archive);
  AddPlayers({"Anna", "The Machine"}, true);
  Play("T20 0 0");
  Play("T20 T20 T20");
  Play("LS5 LS5 LS5");
  Play("D20 0 0");
  game.players.At(0).doubleThrows = 4;
  game.players.At(0).doubleHits = 1;
  game.players.At(1).doubleThrows = 9;
  game.leader = 1;

  const double before = DateTimeNow();
  game.SaveGame();
  ASSERT_EQ(archive.games.size(), 1u);
  const auto& stored = archive.games[0];
  EXPECT_EQ(stored.gameId, game.gameId);
  EXPECT_EQ(stored.gameTypeKey, "constcountup");
  EXPECT_GE(stored.datetime, before);
  EXPECT_EQ(stored.winningTurnId, game.players.At(1).turns.Last().turnId);
  ASSERT_EQ(stored.players.size(), 1u);
  EXPECT_EQ(stored.players[0].playerId, "{Anna}");
  ASSERT_EQ(stored.players[0].turns.size(), 2u);
  EXPECT_EQ(stored.players[0].turns[0].Hit(1).hit, "T20");
  EXPECT_EQ(stored.players[0].turns[1].Hit(1).hit, "LS5");
  EXPECT_EQ(stored.players[0].doubleThrows, 4);
  EXPECT_EQ(stored.players[0].doubleHits, 1);
}

TEST_F(BaseGame, SaveGameRecognisesTheComputerByItsClassNotItsName) {
  testing::FakeArchive archive;
  game.SetArchive(&archive);
  AddPlayers({"The Machine", "Ben"});
  Play("T20 0 0");
  Play("LS1 0 0");
  game.SaveGame();
  ASSERT_EQ(archive.games.size(), 1u);
  ASSERT_EQ(archive.games[0].players.size(), 2u);
  EXPECT_EQ(archive.games[0].players[0].playerId, "{The Machine}");
  EXPECT_EQ(archive.games[0].players[0].turns.size(), 1u);
}

// An aborted game keeps its turns for the statistics but wins nothing.
TEST_F(BaseGame, AnUndecidedGameIsStoredWithoutAWinningTurn) {
  testing::FakeArchive archive;
  game.SetArchive(&archive);
  AddPlayers({"Anna", "Ben"});
  game.leader = 1;
  game.SaveGame(false);
  EXPECT_TRUE(archive.games.empty());  // nothing booked yet

  Play("T20 0 0");
  game.SaveGame(true);
  EXPECT_TRUE(archive.games.empty());  // decided games need the leader's turn
  game.SaveGame(false);
  ASSERT_EQ(archive.games.size(), 1u);
  const auto& stored = archive.games[0];
  EXPECT_EQ(stored.gameId, game.gameId);
  EXPECT_EQ(stored.winningTurnId, "");
  ASSERT_EQ(stored.players.size(), 2u);
  EXPECT_EQ(stored.players[0].turns.size(), 1u);
  EXPECT_TRUE(stored.players[1].turns.empty());
}

TEST_F(BaseGame, AnUndecidedGameWithOnlyComputerTurnsIsNotStored) {
  testing::FakeArchive archive;
  game.SetArchive(&archive);
  AddPlayers({"Anna", "The Machine"}, true);
  game.NextPlayer();
  Play("T20 T20 T20");
  game.SaveGame(false);
  EXPECT_TRUE(archive.games.empty());
}

TEST_F(BaseGame, SaveGameWithoutArchiveStoresNothing) {
  AddPlayers({"Anna"});
  Play("T20 0 0");
  EXPECT_NO_THROW(game.SaveGame());
}

}  // namespace
}  // namespace korvanti
