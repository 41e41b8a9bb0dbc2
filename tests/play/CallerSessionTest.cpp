// What the caller is given to say during play, and when.
#include <algorithm>

#include "SessionFixture.h"
#include "engine/CricketGame.h"

namespace korvanti::testing {
namespace {

SessionOptions CallerOn(bool sounds = false) {
  SessionOptions options;
  options.callTurns = true;
  options.playSounds = sounds;
  return options;
}

std::vector<std::string> Words(const std::vector<Call>& calls) {
  std::vector<std::string> words;
  for (const auto& call : calls) {
    words.push_back(call.words);
  }
  return words;
}

// Where an event first happened, to compare moments.
long At(const RecordingView& view, const std::string& event) {
  return std::find(view.events.begin(), view.events.end(), event) - view.events.begin();
}

TEST_F(Session, CountDownCallsWhatAPlayerNeedsOnceTheTurnPassesToHim) {
  view.answers = {false};
  Begin<Game501DoubleOut>(CallerOn(true));
  EXPECT_TRUE(view.calls.empty());  // 501 cannot be finished at once
  for (int turn = 0; turn < 4; ++turn) {
    Hits({"T20", "T20", "T20"});
  }
  Hits({"T20", "T19", "LS4"});  // Anna: 20 left
  Hits({"0", "0", "0"});        // Ben stays at 141
  Hit("D10");
  EXPECT_EQ(Words(view.calls),
            (std::vector<std::string>{
                "Einhundertachtzig!", "Einhundertachtzig!", "Einhundertachtzig!",
                "Einhundertachtzig!", "Anna, du brauchst 141", "Einhunderteinundzwanzig",
                "Ben, du brauchst 141", "Null", "Anna, du brauchst 20", "Gewonnen"}));
  EXPECT_EQ(view.calls[4].soundFile, "require141.mp3");
  // Said when Ben's turn is booked, after his banner, before Anna throws.
  EXPECT_LT(At(view, "banner 180 Punkte, Rest: 141 1000"), At(view, "call Anna, du brauchst 141"));
  EXPECT_EQ(view.closed.size(), 1u);
}

TEST_F(Session, NoCallForTheComputerNorWithSoundsAndCallerOff) {
  BeginAgainstTheMachine("332=172,332=172,331=86", 1, CallerOn());
  PlayerAt(1).turns.score = 40;
  Hits({"0", "0", "0"});  // the computer throws its turn at 40 at once
  EXPECT_EQ(PlayerAt(1).turns.Count(), 1u);
  EXPECT_TRUE(std::none_of(view.calls.begin(), view.calls.end(), [](const Call& call) {
    return call.words.find("brauchst") != std::string::npos;
  }));

  view = {};
  Begin<Game501DoubleOut>();
  PlayerAt(1).turns.score = 40;
  Hits({"0", "0", "0"});
  EXPECT_TRUE(view.calls.empty());
}

TEST_F(Session, CricketCallsTheMarksAtCheckIn) {
  panel = ModePanel::Cricket;
  Begin<CricketGame>(CallerOn(true));
  Hits({"T20", "D19", "LS5"});
  Hits({"0", "0", "0"});
  EXPECT_EQ(view.calls, (std::vector<Call>{{"", "Triple 20, Double 19"}, {"", "Kein Treffer"}}));
}

// The checkout training can be finished from its start, so the call comes at once.
TEST_F(Session, TrainingEndsWithItsResult) {
  view.answers = {false};
  Begin<CheckoutTraining>(CallerOn(), {"Anna"});
  Hits({"T20", "LS10", "LS20"});
  Hits({"T20", "D10"});
  EXPECT_EQ(Words(view.calls),
            (std::vector<std::string>{"Anna, du brauchst 170", "Neunzig", "Anna, du brauchst 80",
                                      "Gewonnen", "Neue Bestleistung, 5"}));
  EXPECT_EQ(view.calls.back().soundFile, "");
  EXPECT_LT(At(view, "call Neue Bestleistung, 5"), At(view, "summary 1 Spiele durchgeführt"));

  view = {};
  view.answers = {false};
  Begin<CheckoutTraining>(CallerOn(), {"Anna"});
  Hits({"0", "0", "0"});
  Hits({"T20", "T20", "D25"});
  EXPECT_EQ(view.calls.back().words, "Ergebnis 6");
}

}  // namespace
}  // namespace korvanti::testing
