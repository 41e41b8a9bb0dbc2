// The practice routines played through the loop of play: their aims come
// from the targets, their turns end where the rules end them, and the game
// ends and is stored once.
#include <gtest/gtest.h>

#include "SessionFixture.h"
#include "engine/BobsTwentySeven.h"
#include "engine/CatchForty.h"
#include "engine/HalveIt.h"
#include "engine/RoundTheBoard.h"

namespace korvanti::testing {
namespace {

class RoutineSession : public Session {
 protected:
  template <typename Routine>
  void BeginAlone(ModePanel shownOn) {
    panel = shownOn;
    view.answers = {false};
    Begin<Routine>({}, {"Anna"});
  }
};

TEST_F(RoutineSession, BobsTwentySevenTakesItsAimsFromTheDoubleAndEndsBelowZero) {
  BeginAlone<BobsTwentySeven>(ModePanel::Target);
  EXPECT_EQ(session->ProposalFields()[0], "D1");
  Hits({"D1", "LS1", "0"});
  ASSERT_EQ(PlayerAt(0).turns.Count(), 1u);
  const auto& booked = PlayerAt(0).turns.Last();
  EXPECT_EQ(booked.Hit(1).aim, "D1");
  EXPECT_EQ(booked.Hit(3).aim, "D1");
  EXPECT_EQ(PlayerAt(0).turns.score, 29);
  for (int round = 0; round < 5; ++round) {
    Hits({"0", "0", "0"});
  }
  // 29 - 4 - 6 - 8 - 10 = 1, then the D6 round takes 12 off.
  EXPECT_EQ(PlayerAt(0).turns.score, -11);
  ASSERT_EQ(view.closed, (std::vector<SessionResult>{SessionResult::OK}));
  EXPECT_TRUE(view.Saw("question Practice over with -11 points.\nSpiel fortsetzten?"));
  EXPECT_EQ(archive.games.size(), 1u);
}

TEST_F(RoutineSession, CatchFortyEndsTheTurnWithTheCheckout) {
  BeginAlone<CatchForty>(ModePanel::CountDown);
  EXPECT_EQ(session->ProposalFields()[0], "T15");  // the checkout table's route for 61
  Hits({"T15", "D8"});
  EXPECT_EQ(PlayerAt(0).turns.Count(), 1u);  // two darts were the whole turn
  EXPECT_EQ(PlayerAt(0).turns.score, 62);
  Hit("T20");  // 2 left
  Hit("LS1");  // 1 left: a bust ends the target
  EXPECT_EQ(PlayerAt(0).turns.score, 63);
  EXPECT_EQ(dynamic_cast<CatchForty&>(*game).Current().points, 3);
}

TEST_F(RoutineSession, HalveItAndTheTreblesPlayTheirRounds) {
  BeginAlone<HalveIt>(ModePanel::Target);
  Hits({"T15", "0", "0"});
  EXPECT_EQ(PlayerAt(0).turns.score, 85);
  Hits({"0", "0", "0"});
  EXPECT_EQ(PlayerAt(0).turns.score, 42);

  BeginAlone<RoundTheBoardTrebles>(ModePanel::Target);
  EXPECT_EQ(session->ProposalFields(), (std::array<std::string, 3>{"T1", "T2", "T3"}));
  Hits({"T1", "T2", "LS3"});
  EXPECT_EQ(PlayerAt(0).turns.progress, 2);
}

}  // namespace
}  // namespace korvanti::testing
