#include "play/CallerTexts.h"

#include <gtest/gtest.h>

#include "DartText.h"

namespace korvanti {
namespace {

TEST(CallerPhraseTest, MaximumIsCalledOutOthersPlain) {
  EXPECT_EQ(CallerPhraseForPoints(180), "Einhundertachtzig!");
  EXPECT_EQ(CallerPhraseForPoints(26), "Sechsundzwanzig");
  EXPECT_EQ(CallerPhraseForPoints(0), "Null");
}

TEST(CallerPhraseTest, SoundFileNamesTellWhatToSay) {
  EXPECT_EQ(CallerPhraseForSoundFile("180.mp3"), "Einhundertachtzig!");
  EXPECT_EQ(CallerPhraseForSoundFile("26.mp3"), "Sechsundzwanzig");
  EXPECT_EQ(CallerPhraseForSoundFile("0.mp3"), "Null");
  EXPECT_EQ(CallerPhraseForSoundFile("Gewonnen.mp3"), "Gewonnen");
  for (const char* unknown :
       {"", ".mp3", "26", "26.wav", "x26.mp3", "26x.mp3", "-5.mp3", "99999999999.mp3"}) {
    EXPECT_EQ(CallerPhraseForSoundFile(unknown), std::nullopt) << unknown;
  }
}

TEST(CallerTextsTest, CountDownCallsAtCheckInAndBeforeTheTurn) {
  struct Case {
    Call call;
    Call expected;
  };
  const Case cases[] = {
      {TurnCall(26, false, false), {"26.mp3", "Sechsundzwanzig"}},
      {TurnCall(180, false, false), {"180.mp3", "Einhundertachtzig!"}},
      {TurnCall(0, true, false), {"0.mp3", "Überworfen"}},
      {TurnCall(40, false, true), {"Gewonnen.mp3", "Gewonnen"}},
      {RequireCall("Anna", 121), {"require121.mp3", "Anna, du brauchst 121"}},
      {RequireCall("Ben", 2), {"require2.mp3", "Ben, du brauchst 2"}},
      {RequireCall("", 40), {"require40.mp3", "Du brauchst 40"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.call, c.expected) << c.expected.words;
  }
}

// The darts are as the cricket game credited them: the marks per dart.
TEST(CallerTextsTest, CricketCallNamesTheDartsThatScoredMarks) {
  struct Case {
    const char* darts;
    std::array<int, 3> marks;
    const char* words;
  };
  const Case cases[] = {
      {"T20 LS5 0", {3, 0, 0}, "Triple 20"},
      {"SS19 D18 0", {1, 2, 0}, "Single 19, Double 18"},
      {"LS19 D18 T17", {1, 2, 3}, "Single 19, Double 18, Triple 17"},
      {"T20 T20 LS20", {3, 0, 0}, "Triple 20"},  // 20 closed by the first: the rest score points
      {"D18 D18 LS1", {2, 1, 0}, "Zweimal Double 18"},
      {"SS25 SS25 LS3", {1, 1, 0}, "Zwei Bull"},
      {"D25 0 0", {2, 0, 0}, "Zwei Bull"},
      {"SS25 0 0", {1, 0, 0}, "Bull"},
      {"T20 D25 SS25", {3, 2, 1}, "Triple 20, drei Bull"},
      {"LS14 T3 0", {0, 0, 0}, "Kein Treffer"},
      {"", {0, 0, 0}, "Kein Treffer"},
  };
  for (const auto& c : cases) {
    auto turn = testing::MakeTurn(c.darts);
    for (int n = 1; n <= 3; ++n) {
      turn.Hit(n).marks = c.marks[static_cast<std::size_t>(n - 1)];
    }
    EXPECT_EQ(CricketCall(turn), (Call{"", c.words})) << c.darts;
  }
}

TEST(CallerTextsTest, TrainingResultAtTheEnd) {
  using enum BetterResult;
  struct Case {
    std::vector<TrainingOutcome> outcomes;
    std::optional<Call> call;
  };
  const Case cases[] = {
      {{{"", 312, 287, Higher}}, Call{"", "Neue Bestleistung, 312"}},
      {{{"", 312, std::nullopt, Higher}}, Call{"", "Neue Bestleistung, 312"}},
      {{{"", 312, 312, Higher}}, Call{"", "Ergebnis 312"}},
      {{{"", 24, 21, Lower}}, Call{"", "Ergebnis 24"}},
      {{{"", 19, 21, Lower}}, Call{"", "Neue Bestleistung, 19"}},
      {{{"Anna", 175, 140, Higher}, {"Ben", 120, 150, Higher}},
       Call{"", "Anna, neue Bestleistung, 175. Ben, Ergebnis 120"}},
      {{}, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ResultCall(c.outcomes), c.call) << (c.call ? c.call->words : "none");
  }
}

}  // namespace
}  // namespace korvanti
