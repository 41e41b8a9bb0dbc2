// A whole practice routine played through the game screen with the mouse.
#include <QTreeWidget>

#include "GameWindowFixture.h"

namespace korvanti {
namespace {

using testing::GameScreen;

// Two Halve-It trainings in one series: each round by three board clicks,
// the list following every round, the end message naming the personal best,
// and both trainings stored with their results.
TEST_F(GameScreen, HalveItTwiceThroughTheBoardWithItsPersonalBest) {
  Open(Build(33, {"{ANNA}"}));
  auto* list = window->findChild<QTreeWidget*>();
  ASSERT_NE(list, nullptr);
  const auto listed = [&] {
    QStringList cells;
    for (int column = 0; column < list->columnCount(); ++column) {
      cells << list->topLevelItem(0)->text(column);
    }
    return cells;
  };
  const auto playTraining = [&](const char* firstRound) {
    Clicks({firstRound, "0", "0"});
    for (const char* hit : {"LS16", "D1", "LS17", "LS18", "T1", "LS19", "LS20", "SS25"}) {
      Clicks({hit, "0", "0"});
    }
  };
  Clicks({"LS15", "0", "0"});
  EXPECT_EQ(listed(), (QStringList{"Anna", "55", "16", "1"}));
  dialogs.Answer(DialogAnswer::Yes);  // one more
  for (const char* hit : {"LS16", "D1", "LS17", "LS18", "T1", "LS19", "LS20", "SS25"}) {
    Clicks({hit, "0", "0"});
  }
  EXPECT_EQ(listed(), (QStringList{"Anna", "40", "15", "0"}));  // the next training's start
  dialogs.Answer(DialogAnswer::No);
  playTraining("T15");

  ASSERT_EQ(archive.games.size(), 2u);
  EXPECT_EQ(archive.games[0].players[0].result, 55 + 16 + 2 + 17 + 18 + 3 + 19 + 20 + 25);
  EXPECT_EQ(archive.games[1].players[0].result, 40 + 45 + 16 + 2 + 17 + 18 + 3 + 19 + 20 + 25);
  const auto texts = dialogs.texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_TRUE(texts[0].contains("Neue Bestleistung: 175 (die erste)")) << texts[0].toStdString();
  EXPECT_TRUE(texts[1].contains("Neue Bestleistung: 205 (bisher 175)")) << texts[1].toStdString();
  EXPECT_EQ(results, (std::vector<SessionResult>{SessionResult::OK}));
}

}  // namespace
}  // namespace korvanti
