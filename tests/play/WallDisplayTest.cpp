// The wall display built from a game in play: the big figures, who is on turn,
// the last turn, the proposal and the legs of a match.
#include <gtest/gtest.h>

#include "SessionFixture.h"
#include "engine/CountDownGame.h"
#include "engine/CricketGame.h"
#include "play/WallDisplay.h"

namespace korvanti::testing {
namespace {

class WallDisplayTest : public Session {
 protected:
  WallDisplay Wall() const { return BuildWallDisplay(*session); }

  std::vector<std::string> Figures() const {
    std::vector<std::string> figures;
    for (const auto& player : Wall().players) {
      figures.push_back(player.figure);
    }
    return figures;
  }
  std::string OnTurn() const {
    for (const auto& player : Wall().players) {
      if (player.onTurn) {
        return player.nickname;
      }
    }
    return {};
  }
};

TEST_F(WallDisplayTest, A501FollowsTheTurnsAndProposesTheCheckout) {
  Begin<Game501DoubleOut>();
  auto wall = Wall();
  EXPECT_EQ(wall.caption, "501 double out");
  ASSERT_EQ(wall.players.size(), 2u);
  EXPECT_EQ(wall.players[0], (WallPlayer{"Anna", "501", std::nullopt, std::nullopt, true}));
  EXPECT_EQ(wall.players[1], (WallPlayer{"Ben", "501", std::nullopt, std::nullopt, false}));
  EXPECT_EQ(wall.lastTurn, "");
  EXPECT_EQ(wall.proposal, "");

  Hits({"T20", "T20", "T20"});
  EXPECT_EQ(Figures(), (std::vector<std::string>{"321", "501"}));
  EXPECT_EQ(OnTurn(), "Ben");
  EXPECT_EQ(Wall().lastTurn, "Anna: 180");

  Hits({"LS20", "LS1", "LS5"});
  Hits({"T20", "T20", "T20"});
  Hits({"T20", "T20", "T19"});
  EXPECT_EQ(Figures(), (std::vector<std::string>{"141", "298"}));
  EXPECT_EQ(OnTurn(), "Anna");
  wall = Wall();
  EXPECT_EQ(wall.lastTurn, "Ben: 177");
  EXPECT_EQ(wall.proposalCaption, "Checkout");
  EXPECT_EQ(wall.proposal, "T20 T19 D12");

  // Dart by dart: the points left and the proposal for the darts still to throw.
  Hit("T20");
  wall = Wall();
  EXPECT_EQ(wall.players[0].figure, "81");
  EXPECT_EQ(wall.proposal, "T19 D12");
  Hits({"T20", "D20"});  // 1 left: bust
  wall = Wall();
  EXPECT_EQ(wall.lastTurn, "Anna: Überworfen");
  EXPECT_EQ(Figures(), (std::vector<std::string>{"141", "298"}));
  EXPECT_EQ(OnTurn(), "Ben");
}

TEST_F(WallDisplayTest, AMatchKeepsTheStartingOrderAndCountsLegsAndSets) {
  SessionOptions options;
  options.match.legs = 2;
  options.match.sets = 2;
  Begin<Game301DoubleOut>(options);
  EXPECT_EQ(Wall().caption, "301 double out – Leg 1, Satz 1");
  StarterWinsLeg();  // Anna

  // Ben starts the second leg but keeps his place beside Anna.
  const auto wall = Wall();
  EXPECT_EQ(wall.caption, "301 double out – Leg 2, Satz 1");
  ASSERT_EQ(wall.players.size(), 2u);
  EXPECT_EQ(wall.players[0], (WallPlayer{"Anna", "301", 1, 0, false}));
  EXPECT_EQ(wall.players[1], (WallPlayer{"Ben", "301", 0, 0, true}));
}

TEST_F(WallDisplayTest, CricketShowsPointsAndTheMarksOfTheLastTurn) {
  panel = ModePanel::Cricket;
  game = std::make_unique<MasterCricketGame>();
  static_cast<CricketGame&>(*game).cutThroat = true;
  for (const char* nickname : {"Anna", "Ben"}) {
    auto player = std::make_unique<Player>();
    player->nickname = nickname;
    game->AddPlayer(std::move(player));
  }
  Prepare({});
  Hits({"D20", "T20", "0"});  // the treble closes 20 and charges Ben 40, as the list shows
  const auto wall = Wall();
  EXPECT_EQ(wall.caption, "Cricket Master Cut throat");
  EXPECT_EQ(wall.lastTurn, "Anna: 3 Marks");
  EXPECT_EQ(Figures(), (std::vector<std::string>{"0", "-40"}));
  EXPECT_EQ(wall.proposal, "");
}

}  // namespace
}  // namespace korvanti::testing
