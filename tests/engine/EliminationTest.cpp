#include <gtest/gtest.h>

#include "DartText.h"
#include "engine/Elimination.h"

namespace korvanti {
namespace {

using testing::EnterDarts;

// A game of players A, B, ... at the given totals.
struct Table {
  Table(bool doubleOut, bool doubleIn, std::initializer_list<int> scores) {
    game.doubleOut = doubleOut;
    game.doubleIn = doubleIn;
    for (std::size_t i = 0; i < scores.size(); ++i) {
      auto player = std::make_unique<Player>();
      player->nickname = std::string(1, static_cast<char>('A' + i));
      game.AddPlayer(std::move(player));
    }
    game.InitGameType();
    game.NewGame();
    std::size_t i = 0;
    for (int score : scores) {
      game.players.At(i++).turns.score = score;
    }
  }
  bool Throw(const std::string& darts) {
    EnterDarts(game.CurrentTurns().current, darts);
    return game.IsTurnValid();
  }
  int Score(std::size_t player) { return game.players.At(player).turns.score; }

  Elimination game;
};

TEST(Elimination, SendsBackOpponentsPassedOnTheWay) {
  struct Case {
    bool doubleOut;
    int a;
    int b;
    const char* darts;
    int aAfter;
    int bAfter;
  };
  const Case cases[] = {
      {false, 100, 120, "LS20 0 0", 120, 0},
      {false, 100, 100, "0 LS5 LS5", 110, 0},
      {false, 290, 300, "LS10 LS20 0", 290, 0},  // a bust still sends back
      {false, 100, 150, "LS20 LS20 LS20", 160, 150},
      {true, 280, 0, "LS20", 280, 0},  // 300 is a bust with double out
  };
  for (const auto& c : cases) {
    Table table(c.doubleOut, false, {c.a, c.b});
    table.Throw(c.darts);
    table.game.CheckIn();
    EXPECT_EQ(table.Score(0), c.aAfter) << c.darts;
    EXPECT_EQ(table.Score(1), c.bAfter) << c.darts;
    EXPECT_EQ(table.game.currentPlayer, 1);
  }
}

TEST(Elimination, DoubleOutOnExactlyThreeHundredAndOne) {
  Table table(true, false, {280, 0});
  auto& game = table.game;
  const auto Throw = [&](const char* darts) { return table.Throw(darts); };
  const auto Score = [&](std::size_t i) { return table.Score(i); };
  EXPECT_FALSE(Throw("LS20"));
  game.CurrentTurns().current.Clear();
  EXPECT_TRUE(Throw("LS11 D5"));
  EXPECT_TRUE(game.IsFinished());
  game.CurrentTurns().current.Clear();
  EXPECT_FALSE(Throw("T7"));
  EXPECT_FALSE(game.IsFinished());
  game.CurrentTurns().current.Clear();
  Throw("LS11 D5");
  game.CheckIn();
  EXPECT_EQ(Score(0), 301);
  EXPECT_EQ(game.currentPlayer, 0);
  EXPECT_EQ(game.LeaderIndex(), 0);
  EXPECT_EQ(game.GameOverText(), "Game over. The Winner is: A after 1 rounds");
}

TEST(Elimination, DoubleInOpensScoringAndTakesAwayUndo) {
  Table table(false, true, {0, 0});
  auto& game = table.game;
  const auto Throw = [&](const char* darts) { return table.Throw(darts); };
  const auto Score = [&](std::size_t i) { return table.Score(i); };
  EXPECT_FALSE(game.undoAllowed);
  Throw("T20 D10 LS5");
  game.CheckIn();
  EXPECT_EQ(Score(0), 25);
  EXPECT_TRUE(game.players.At(0).turns.checkedIn);
  EXPECT_EQ(game.players.At(0).turns.Last().Hit(1).hit, "0");

  Throw("T20 T20");  // no double: nothing counts, even the dart not thrown is a miss
  game.CheckIn();
  const auto& ben = game.players.At(1).turns;
  EXPECT_EQ(ben.score, 0);
  EXPECT_FALSE(ben.checkedIn);
  EXPECT_EQ(ben.Last().Hit(3).hit, "0");

  game.NewGame();  // a new game asks for the opening double again
  EXPECT_FALSE(game.players.At(0).turns.checkedIn);
}

TEST(Elimination, LeaderAndProposalRange) {
  Table table(true, false, {0, 0, 0});
  auto& game = table.game;
  EXPECT_EQ(game.LeaderIndex(), 0);
  game.players.At(1).turns.score = 200;
  game.players.At(2).turns.score = 200;
  EXPECT_EQ(game.LeaderIndex(), 1);

  struct Case {
    bool doubleOut;
    int total;
    bool proposal;
  };
  const Case cases[] = {{true, 130, false}, {true, 131, true},   {true, 299, true},
                        {true, 300, false}, {false, 120, false}, {false, 121, true},
                        {false, 300, true}};
  for (const auto& c : cases) {
    game.doubleOut = c.doubleOut;
    game.CurrentTurns().score = c.total - 20;
    game.CurrentTurns().current.Clear();
    EnterDarts(game.CurrentTurns().current, "D10");
    EXPECT_EQ(game.HasProposal(), c.proposal) << c.doubleOut << " " << c.total;
  }
}

}  // namespace
}  // namespace korvanti
