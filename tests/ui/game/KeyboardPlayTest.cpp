// The game screen at the oche: darts typed as field codes, the keys of play,
// and the winning dart taken back, against a real database.
#include <QKeyEvent>
#include <QPointer>

#include "GameWindowFixture.h"
#include "store/Database.h"
#include "store/DatabaseArchive.h"
#include "store/Recorder.h"
#include "store/SqlStatement.h"
#include "store/StatisticsQuery.h"
#include "store/StoredDarts.h"
#include "ui/game/WallScoreboardWindow.h"

namespace korvanti {
namespace {

class KeyboardScreen : public testing::GameScreen {
 protected:
  KeyboardScreen() : database(Database::OpenFile(folder.Path() / "dart.mdb")), stored(*database) {
    anna = Recorder(*database).FindOrAppendPlayer("Anna");
    ben = Recorder(*database).FindOrAppendPlayer("Ben");
    environment.database = database.get();
    environment.archive = &stored;
  }

  // Types the keys as a player would: letters and digits, Space as a space,
  // Enter as '\n', Backspace as '\b'.
  void Type(const char* keys) {
    for (const char* key = keys; *key != '\0'; ++key) {
      if (*key == '\n') {
        QTest::keyClick(window.get(), Qt::Key_Return);
      } else if (*key == '\b') {
        QTest::keyClick(window.get(), Qt::Key_Backspace);
      } else {
        QTest::keyClick(window.get(), *key);
      }
      Settle();
    }
  }

  long long Count(const char* sql) {
    SqlStatement query(*database, sql);
    query.Execute();
    return query.Next() ? query.Integer(0) : -1;
  }

  QStringList HitFields() {
    return {TextOf("pnlcheck1"), TextOf("pnlcheck2"), TextOf("pnlcheck3")};
  }

  std::unique_ptr<Database> database;
  DatabaseArchive stored;
  std::string anna;
  std::string ben;
};

// A whole 501 from the keyboard, in upper and lower case, ended by Space and
// Enter: stored with every code and no position, counted in the average, left
// out of the landing positions.
TEST_F(KeyboardScreen, AWhole501TypedIsStoredWithoutPositionsAndCounted) {
  Open(Build(4, {anna}));
  Type("T20 t20 T20\n");
  EXPECT_EQ(TextOf("lblcurrentpoints"), "321");
  Type("t20\nT20 T20 ");
  Type("T20 t19 d12 ");
  ASSERT_EQ(results, (std::vector<SessionResult>{SessionResult::OK}));

  std::vector<std::string> codes;
  ForEachStoredDart(*database, {}, [&](const StoredDart& dart) {
    codes.push_back(dart.hit);
    EXPECT_FALSE(dart.hitPlaced) << dart.hit;
  });
  EXPECT_EQ(codes, (std::vector<std::string>{"T20", "T20", "T20", "T20", "T20", "T20", "T20", "T19",
                                             "D12"}));
  EXPECT_EQ(Count("SELECT COUNT(*) FROM throw WHERE hit1x IS NOT NULL OR hit2y IS NOT NULL"), 0);
  StatisticsQuery query(*database);
  query.playerId = anna;
  query.gameTypeKey = "const501dout";
  query.dateTo = DateTimeNow() + 1;
  EXPECT_DOUBLE_EQ(query.GetAverages().average, 167.0);
  EXPECT_EQ(query.HighScore(), 180);
  EXPECT_TRUE(query.HitPositions("", 0).all.empty());
  EXPECT_EQ(query.ShortestWinPositions().substr(0, 7), "332=172");  // T20's aim point
}

// The code shows while it is typed; Backspace takes a character back, then the
// last dart; an invalid code and a typed bull-off are refused with a hint;
// Enter checks in, Ctrl+Z undoes, F11 toggles full screen.
TEST_F(KeyboardScreen, KeysOfPlay) {
  Open(Build(4, {anna, ben}, false));
  Type("T2");
  EXPECT_EQ(HitFields(), (QStringList{"T2_", "", ""}));
  Type("\b");
  EXPECT_EQ(HitFields(), (QStringList{"T_", "", ""}));
  Type("\b\bX9 ");
  EXPECT_EQ(HitFields(), (QStringList{"", "", ""}));
  EXPECT_TRUE(Find("lblAimHint")->isVisible());
  EXPECT_TRUE(TextOf("lblAimHint").contains("\"X9\" ist kein Feld"))
      << TextOf("lblAimHint").toStdString();
  Type("5 bull 25 ");
  EXPECT_FALSE(Find("lblAimHint")->isVisible());
  EXPECT_EQ(HitFields(), (QStringList{"LS5", "D25", "SS25"}));
  Type("\b");
  EXPECT_EQ(HitFields(), (QStringList{"LS5", "D25", ""}));
  Type("m\n\n");  // Enter ends the code, then checks the turn in
  EXPECT_EQ(window->Session().PlayedGame().CurrentPlayer().nickname, "Ben");
  Type("T20 T20 T20 \n");
  QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
  Settle();
  EXPECT_EQ(window->Session().PlayedGame().CurrentPlayer().nickname, "Ben");
  EXPECT_EQ(HitFields(), (QStringList{"", "", ""}));

  EXPECT_FALSE(window->isFullScreen());
  QTest::keyClick(window.get(), Qt::Key_F11);
  EXPECT_TRUE(window->windowState() & Qt::WindowFullScreen);
  QTest::keyClick(window.get(), Qt::Key_F11);
  EXPECT_FALSE(window->windowState() & Qt::WindowFullScreen);
}

// Anna hit D6 but clicked D12, which won: "Zurücknehmen" in the summary removes
// the stored game in one go, the series counts no win, and the turn is open
// again before its last dart. Her true dart leaves 12; she wins later, once.
TEST_F(KeyboardScreen, AWinningDartTakenBackFromTheSummary) {
  const auto rows = [&] {
    return std::vector<long long>{
        Count("SELECT COUNT(*) FROM game"), Count("SELECT COUNT(*) FROM throw"),
        Count("SELECT COUNT(*) FROM gametotals"), Count("SELECT COUNT(*) FROM doublerate")};
  };
  std::vector<std::vector<long long>> atSummary;
  onSummary = [&] { atSummary.push_back(rows()); };
  summaryAnswer = DialogAnswer::Cancel;
  Open(Build(4, {anna, ben}));
  Type("T20 T20 T20 0 0 0 T20 T20 T20 0 0 0 T20 T19 D12 ");
  ASSERT_EQ(atSummary.size(), 1u);
  EXPECT_EQ(atSummary[0], (std::vector<long long>{1, 5, 2, 2}));
  EXPECT_EQ(rows(), (std::vector<long long>{0, 0, 0, 0}));
  EXPECT_TRUE(results.empty());
  EXPECT_EQ(HitFields(), (QStringList{"T20", "T19", ""}));
  EXPECT_EQ(TextOf("lblcurrentpoints"), "24");
  EXPECT_EQ(window->Session().PlayedGame().CurrentPlayer().nickname, "Anna");
  EXPECT_EQ(window->Session().PlayedGame().players.At(0).wins, 0);

  continueSeries = true;
  Type("D6 ");
  EXPECT_EQ(TextOf("lblcurrentpoints"), "501");  // Ben's turn
  Type("0 0 0 D6 ");
  ASSERT_EQ(atSummary.size(), 2u);
  EXPECT_EQ(atSummary[1], (std::vector<long long>{1, 7, 2, 2}));
  EXPECT_EQ(summaries[1].rows[0].player, summaries[0].rows[0].player);  // one win, not two
  for (const auto* player : window->Session().PlayedGame().players) {
    EXPECT_EQ(player->wins, player->nickname == "Anna" ? 1 : 0) << player->nickname;
  }
}

// Without a summary the end message offers "Zurücknehmen" too: here at the end
// of Bob's 27, whose score fell below nothing on D5.
TEST_F(KeyboardScreen, TheEndOfATrainingTakenBackFromItsMessage) {
  Open(Build(31, {anna}));
  dialogs.Answer(DialogAnswer::Cancel);
  Type("0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ");
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].kind, ScriptedDialogs::Kind::YesNoOther);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM game"), 0);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM trainingresult"), 0);
  EXPECT_EQ(HitFields(), (QStringList{"0", "0", ""}));
  Type("D5 ");
  EXPECT_EQ(Count("SELECT COUNT(*) FROM game"), 0);  // the training goes on
  EXPECT_EQ(dialogs.shown().size(), 1u);
}

// "Anzeigetafel" opens the scoreboard for the wall, which follows every dart
// and turn and goes with the game screen.
TEST_F(KeyboardScreen, TheWallScoreboardFollowsTheGame) {
  Open(Build(4, {anna, ben}));
  Press("btnAnzeigetafel");
  QPointer<WallScoreboardWindow> wall = window->findChild<WallScoreboardWindow*>();
  ASSERT_NE(wall, nullptr);
  EXPECT_TRUE(wall->isVisible());
  EXPECT_EQ(wall->windowTitle(), "Anzeigetafel");
  const auto figures = [&] {
    std::vector<std::string> shown;
    for (const auto& player : wall->Shown().players) {
      shown.push_back(player.nickname + (player.onTurn ? "*" : "") + " " + player.figure);
    }
    return shown;
  };
  EXPECT_EQ(figures(), (std::vector<std::string>{"Anna* 501", "Ben 501"}));
  Type("T20 ");
  EXPECT_EQ(figures(), (std::vector<std::string>{"Anna* 441", "Ben 501"}));
  Type("T20 T20 ");
  EXPECT_EQ(figures(), (std::vector<std::string>{"Anna 321", "Ben* 501"}));
  EXPECT_EQ(wall->Shown().lastTurn, "Anna: 180");
  Press("btnAnzeigetafel");  // a second press shows the same window
  EXPECT_EQ(window->findChildren<WallScoreboardWindow*>().size(), 1);
  window.reset();
  EXPECT_TRUE(wall.isNull());
}

}  // namespace
}  // namespace korvanti
