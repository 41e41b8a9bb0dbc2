#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "DartText.h"
#include "engine/CountDownGame.h"

namespace korvanti {
namespace {

template <typename Game>
std::unique_ptr<Game> NewGameWith(std::initializer_list<const char*> nicknames,
                                  bool masterOut = false) {
  auto game = std::make_unique<Game>();
  game->masterOut = masterOut;
  for (const char* nickname : nicknames) {
    auto player = std::make_unique<Player>();
    player->nickname = nickname;
    game->AddPlayer(std::move(player));
  }
  game->InitGameType();
  game->NewGame();
  return game;
}

// Enters the darts one by one as the game screen does.
bool Throw(Game& game, const std::string& darts) {
  std::istringstream words(darts);
  std::string code;
  bool valid = true;
  for (int number = 1; words >> code; ++number) {
    game.CurrentTurns().current.Hit(number).hit = code;
    valid = game.IsTurnValid();
  }
  return valid;
}

TEST(CountDownGame, BustAndOutRules) {
  struct Case {
    std::function<std::unique_ptr<CountDownGame>()> make;
    int left;
    const char* darts;
    bool valid;
    bool finished;
  };
  const auto straight = [] { return NewGameWith<Game301StraightOut>({"Anna"}); };
  const auto doubleOut = [] { return NewGameWith<Game501DoubleOut>({"Anna"}); };
  const auto masterOut = [] { return NewGameWith<Game501DoubleOut>({"Anna"}, true); };
  const Case cases[] = {
      {straight, 40, "T20", false, false},         {straight, 40, "LS20 LS20", true, true},
      {straight, 40, "LS20 LS19 LS1", true, true}, {doubleOut, 40, "D20", true, true},
      {doubleOut, 40, "LS20 LS20", false, false},  {doubleOut, 40, "LS20 T10", false, false},
      {doubleOut, 41, "LS20 LS20", false, false},  {doubleOut, 41, "LS19 LS20", true, false},
      {doubleOut, 50, "D25", true, true},          {doubleOut, 60, "T20", false, false},
      {masterOut, 60, "T20", true, true},          {masterOut, 60, "LS20 LS20 LS20", false, false},
      {doubleOut, 60, "LS20 D20", true, true},     {doubleOut, 2, "D1", true, true},
  };
  for (const auto& c : cases) {
    auto game = c.make();
    game->CurrentTurns().score = c.left;
    EXPECT_EQ(Throw(*game, c.darts), c.valid) << c.left << " " << c.darts;
    EXPECT_EQ(game->IsFinished(), c.finished) << c.left << " " << c.darts;
    EXPECT_EQ(game->CurrentTurns().current.counts, c.valid);
  }
}

TEST(CountDownGame, BustBooksTheTurnWithoutPoints) {
  auto game = NewGameWith<Game301StraightOut>({"Anna", "Ben"});
  game->CurrentTurns().score = 40;
  Throw(*game, "T20");
  game->CheckIn();
  const auto& anna = game->players.At(0).turns;
  EXPECT_EQ(anna.score, 40);
  EXPECT_FALSE(anna.Last().counts);
  EXPECT_EQ(anna.Last().scoreBefore, 40);
  EXPECT_EQ(anna.Last().Hit(2).hit, "na");
  EXPECT_TRUE(anna.current.counts);
  EXPECT_EQ(game->currentPlayer, 1);
}

TEST(CountDownGame, WinnerStaysOnTurnAndLeads) {
  auto game = NewGameWith<Game301DoubleOut>({"Anna", "Ben"});
  game->players.At(1).turns.score = 32;
  Throw(*game, "T20 T20 T20");
  game->CheckIn();
  Throw(*game, "D16");
  EXPECT_TRUE(game->IsFinished());
  game->CheckIn();
  EXPECT_TRUE(game->IsFinished());
  EXPECT_EQ(game->CurrentPlayerIndex(), 1);
  EXPECT_EQ(game->LeaderIndex(), 1);
  EXPECT_EQ(game->GameOverText(), "Game over. The Winner is: Ben after 1 rounds");
}

TEST(CountDownGame, LeaderIsTheLowestScoreEarlierPlayerOnTies) {
  auto game = NewGameWith<Game501DoubleOut>({"Anna", "Ben", "Carl"});
  EXPECT_EQ(game->LeaderIndex(), 0);
  game->players.At(1).turns.score = 301;
  game->players.At(2).turns.score = 301;
  EXPECT_EQ(game->LeaderIndex(), 1);
  game->players.At(2).turns.score = 300;
  EXPECT_EQ(game->LeaderIndex(), 2);
}

TEST(CountDownGame, OnePlayerTextNamesTheRound) {
  auto game = NewGameWith<Game301StraightOut>({"Anna"});
  for (int round = 1; round < 7; ++round) {
    Throw(*game, "LS15 LS15 LS15");
    game->CheckIn();
  }
  Throw(*game, "LS20 LS10 LS1");
  EXPECT_TRUE(game->IsFinished());
  game->CheckIn();
  EXPECT_EQ(game->GameOverText(), "Game over after 7 rounds");
}

TEST(CountDownGame, UndoReturnsTheRemainingPoints) {
  auto game = NewGameWith<Game501StraightOut>({"Anna"});
  Throw(*game, "T20 T20 T20");
  game->CheckIn();
  EXPECT_EQ(game->CurrentTurns().score, 321);
  game->UndoCheckIn();
  EXPECT_EQ(game->CurrentTurns().score, 501);
  EXPECT_EQ(game->round, 1);
  EXPECT_TRUE(game->CurrentTurns().Empty());
}

TEST(CountDownGame, ModesSetStartOutRuleAndKey) {
  struct Case {
    std::unique_ptr<CountDownGame> game;
    int start;
    bool doubleOut;
    const char* key;
  };
  Case cases[] = {
      {std::make_unique<Game301StraightOut>(), 301, false, "const301sout"},
      {std::make_unique<Game301DoubleOut>(), 301, true, "const301dout"},
      {std::make_unique<Game501StraightOut>(), 501, false, "const501sout"},
      {std::make_unique<Game501DoubleOut>(), 501, true, "const501dout"},
      {std::make_unique<Solo501Training>(), 501, true, "constpractice_501dout"},
      {std::make_unique<Game501VersusComputer>(), 501, true, "constpractice_computer501"},
      {std::make_unique<Game501VersusOwnAverage>(), 501, true, "constpractice_computerAVG"},
      {std::make_unique<Game501VersusBestGame>(), 501, true, "constpractice_computerBEST"},
      {std::make_unique<CheckoutTraining>(), 170, true, "constpractice_checkout"},
  };
  for (auto& c : cases) {
    auto player = std::make_unique<Player>();
    c.game->AddPlayer(std::move(player));
    c.game->InitGameType();
    c.game->NewGame();
    EXPECT_EQ(c.game->startScore, c.start) << c.key;
    EXPECT_EQ(c.game->doubleOut, c.doubleOut) << c.key;
    EXPECT_FALSE(c.game->masterOut) << c.key;
    EXPECT_EQ(c.game->gameTypeKey, c.key);
    EXPECT_EQ(c.game->CurrentTurns().score, c.start) << c.key;
    EXPECT_TRUE(c.game->HasProposal());
  }
}

}  // namespace
}  // namespace korvanti
