// Matches of legs and sets through the loop of play: who starts each leg, the
// banners between legs, the bull-off, what is stored and the match summary.
#include <gtest/gtest.h>

#include <utility>

#include "SessionFixture.h"
#include "engine/CountDownGame.h"

namespace korvanti::testing {
namespace {

SessionOptions FirstTo(int legs, bool bullOff = false) {
  SessionOptions options;
  options.match.legs = legs;
  options.bullOff = bullOff;
  return options;
}

class MatchSession : public Session {
 protected:
  std::string Starter() { return PlayerAt(0).nickname; }
  void Click(int x, int y) {
    session->Click(MouseButton::Left, x, y);
    view.RunSteps();
  }
};

TEST_F(MatchSession, LegsAlternateTheStarterAndTheMatchIsStoredLegByLeg) {
  view.answers = {false};
  Begin<Game301DoubleOut>(FirstTo(2));
  EXPECT_EQ(session->Board().matchCaption, "Leg 1");
  std::vector<std::string> starters;
  for (int leg = 0; leg < 3; ++leg) {
    starters.push_back(Starter());
    StarterWinsLeg();
  }
  EXPECT_EQ(starters, (std::vector<std::string>{"Anna", "Ben", "Anna"}));
  EXPECT_TRUE(view.Saw("banner Leg an Anna (1:0) 2000"));
  EXPECT_TRUE(view.Saw("banner Leg an Ben (1:1) 2000"));
  EXPECT_EQ(view.Count("summary 3 Spiele durchgeführt"), 1);  // no question between legs

  ASSERT_EQ(archive.games.size(), 3u);
  const auto matchId = archive.games[0].match->matchId;
  for (const auto& stored : archive.games) {
    ASSERT_TRUE(stored.match);
    EXPECT_EQ(stored.match->matchId, matchId);
    EXPECT_FALSE(stored.winningTurnId.empty());
  }
  EXPECT_TRUE(archive.games[1].match->winnerId.empty());
  EXPECT_EQ(archive.games[1].match->endTime, 0.0);
  EXPECT_EQ(archive.games[2].match->winnerId, "{Anna}");
  EXPECT_GT(archive.games[2].match->endTime, 0.0);

  // The series counts matches won; the summary shows the match's figures.
  EXPECT_EQ(game->players.At(0).wins + game->players.At(1).wins, 1);
  ASSERT_EQ(view.summaries.size(), 1u);
  const auto& match = *view.summaries[0].match;
  EXPECT_EQ(match.result, "Match an Anna (2:1)");
  EXPECT_EQ(match.columns,
            (std::vector<std::string>{"Spieler", "Legs", "Schnitt", "First 9", "180er", "140+",
                                      "100+", "Checkout %", "Höchstes Finish"}));
  // Anna: 180, 101, 20 in each leg she won and two misses in Ben's (602
  // points in eight turns, all within the first nine darts); two darts at a
  // double (40 and 20 left) and one checkout a won leg. Ben: the same in his.
  EXPECT_EQ(match.rows[0],
            (std::vector<std::string>{"Anna", "2", "75,3", "75,3", "2", "0", "2", "50,0 %", "20"}));
  EXPECT_EQ(match.rows[1][1], "1");
  EXPECT_EQ(match.rows[1][7], "50,0 %");
}

// The deciding leg's winning dart taken back from the summary: the leg is no
// longer stored, the match row is written again without winner, and the
// match goes on in its third leg until the dart wins again.
TEST_F(MatchSession, TheDecidingLegTakenBackReopensTheMatch) {
  bool takeBack = true;
  view.duringSummary = [&] {
    EXPECT_TRUE(session->TakeBackOffered());
    if (std::exchange(takeBack, false)) {
      session->TakeBackEnd();
    }
  };
  Begin<Game301DoubleOut>(FirstTo(2));
  for (int leg = 0; leg < 3; ++leg) {
    StarterWinsLeg();
  }
  ASSERT_EQ(view.summaries.size(), 1u);
  EXPECT_EQ(archive.games.size(), 2u);
  ASSERT_EQ(archive.removedMatches.size(), 1u);
  ASSERT_TRUE(archive.removedMatches[0]);
  EXPECT_TRUE(archive.removedMatches[0]->winnerId.empty());
  EXPECT_EQ(archive.removedMatches[0]->endTime, 0.0);
  EXPECT_EQ(session->Board().matchCaption, "Leg 3");
  EXPECT_EQ(game->CurrentPlayer().nickname, "Anna");
  EXPECT_EQ(game->CurrentTurns().score, 20);
  EXPECT_EQ(game->players.At(0).wins + game->players.At(1).wins, 0);
  EXPECT_TRUE(view.closed.empty());

  Hit("D10");
  ASSERT_EQ(view.summaries.size(), 2u);
  EXPECT_EQ(view.summaries[1].match->result, "Match an Anna (2:1)");
  ASSERT_EQ(archive.games.size(), 3u);
  EXPECT_EQ(archive.games[2].match->winnerId, "{Anna}");
  EXPECT_EQ(game->players.At(0).wins + game->players.At(1).wins, 1);
}

TEST_F(MatchSession, SetsGoToTheNextStarterAndSayWhoWonTheSet) {
  auto options = FirstTo(1);
  options.match.sets = 2;
  view.answers = {false};
  Begin<Game301DoubleOut>(options, {"Anna", "Ben", "Cleo"});
  EXPECT_EQ(session->Board().matchCaption, "Leg 1, Satz 1");
  StarterWinsLeg();
  EXPECT_TRUE(view.Saw("banner Satz an Anna 2000"));
  EXPECT_EQ(session->Board().matchCaption, "Leg 1, Satz 2");
  EXPECT_EQ(Starter(), "Ben");
  const auto board = session->Board();
  EXPECT_EQ(board.players.columns.back().caption, "Sätze");
}

TEST_F(MatchSession, AnAbortMidLegKeepsTheFinishedLegsAndStoresTheRunningOneWithoutWinner) {
  view.abortAnswer = AbortAnswer::Yes;
  Begin<Game301DoubleOut>(FirstTo(3));
  StarterWinsLeg();
  Hits({"T20", "S5", "S1"});  // Ben opens the second leg
  session->ConfirmAbort();
  view.RunSteps();
  ASSERT_EQ(view.closed, (std::vector<SessionResult>{SessionResult::Yes}));
  ASSERT_EQ(archive.games.size(), 2u);
  EXPECT_FALSE(archive.games[0].winningTurnId.empty());
  EXPECT_TRUE(archive.games[1].winningTurnId.empty());
  EXPECT_EQ(archive.games[1].match->matchId, archive.games[0].match->matchId);
  EXPECT_TRUE(archive.games[1].match->winnerId.empty());
  EXPECT_GT(archive.games[1].match->endTime, 0.0);
}

TEST_F(MatchSession, TheBullOffMeasuresEachDartAndTheNearestStarts) {
  Begin<Game301DoubleOut>(FirstTo(2, true));
  EXPECT_EQ(session->Board().matchCaption, "Ausbullen");
  EXPECT_EQ(session->DoubleThrowText(), "Ausbullen: Anna wirft auf das Bull");
  EXPECT_FALSE(session->UndoButtonEnabled());
  // Anna 22 pixels below the centre, Ben 22 to its right: a tie, both again.
  Click(332, 340);
  Click(354, 318);
  EXPECT_TRUE(view.Saw("banner Ben 15,8 mm\nGleichstand, noch einmal: Anna, Ben 2000"));
  EXPECT_TRUE(session->BullOffRunning());
  EXPECT_EQ(game->CurrentPlayer().nickname, "Anna");
  Click(332, 340);
  EXPECT_EQ(session->DoubleThrowText(), "Ausbullen: Ben wirft auf das Bull");
  Click(332, 320);
  EXPECT_TRUE(view.Saw("banner Ben 1,4 mm\nBen beginnt 2000"));
  EXPECT_FALSE(session->BullOffRunning());
  EXPECT_EQ(Starter(), "Ben");
  EXPECT_EQ(game->CurrentPlayerIndex(), 0);
  EXPECT_TRUE(Current().hits[0].hit.empty());  // bull-off darts are no darts of the leg
  StarterWinsLeg();
  EXPECT_EQ(Starter(), "Anna");
  Hits({"T20", "T20", "T20"});
  EXPECT_EQ(PlayerAt(0).turns.Count(), 1u);
}

TEST_F(MatchSession, TheComputerThrowsItsBullOffDartItself) {
  auto options = FirstTo(1, true);
  BeginAgainstTheMachine("332=318", 1, options);
  // Far from the bull: the machine's scattered dart never ties with it.
  Click(332, 450);
  EXPECT_FALSE(session->BullOffRunning());
  const auto banner = std::find_if(view.events.begin(), view.events.end(), [](const auto& event) {
    return event.starts_with("banner The Machine ");
  });
  EXPECT_NE(banner, view.events.end());
  EXPECT_TRUE(view.Saw("clear marks"));  // the first leg has begun
}

}  // namespace
}  // namespace korvanti::testing
