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
  EXPECT_TRUE(
      view.Saw("question Practice over with -11 points.\nNeue Bestleistung: -11 (die erste)\nSpiel "
               "fortsetzten?"));
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

// Four sessions of Halve-It against one archive: the end message compares
// with the best of the earlier ones, and an aborted training leaves none.
TEST_F(RoutineSession, TheEndOfATrainingNamesThePersonalBest) {
  const auto play = [&](const char* firstRound) {
    BeginAlone<HalveIt>(ModePanel::Target);
    Hit(firstRound);
    Hits({"0", "0"});
    for (const char* hit : {"LS16", "D1", "LS17", "LS18", "T1", "LS19", "LS20", "SS25"}) {
      Hits({hit, "0", "0"});
    }
    EXPECT_EQ(view.closed.size(), 1u);
  };
  const auto endMessage = [&](const char* result, const char* bests) {
    return std::string("question Practice over with ") + result + " points.\n" + bests +
           "\nSpiel fortsetzten?";
  };
  play("LS15");  // 40 + 15 + 16 + 2 + 17 + 18 + 3 + 19 + 20 + 25
  EXPECT_TRUE(view.Saw(endMessage("175", "Neue Bestleistung: 175 (die erste)")));

  BeginAlone<HalveIt>(ModePanel::Target);
  Hits({"T15", "T15", "T15"});
  view.abortAnswer = AbortAnswer::Yes;
  EXPECT_TRUE(session->ConfirmAbort());
  ASSERT_EQ(archive.games.size(), 2u);
  EXPECT_EQ(archive.games[1].players[0].result, std::nullopt);

  view = {};
  play("0");  // the first round halves: 20 + 135
  EXPECT_TRUE(view.Saw(endMessage("140", "Ergebnis: 140, Bestleistung: 175")));
  view = {};
  play("T15");
  EXPECT_TRUE(view.Saw(endMessage("205", "Neue Bestleistung: 205 (bisher 175)")));
}

}  // namespace
}  // namespace korvanti::testing
