#include <gtest/gtest.h>

#include "CountUpGame.h"
#include "DartText.h"
#include "RawDatabase.h"
#include "TempFolder.h"
#include "platform/Error.h"
#include "platform/Guid.h"
#include "store/Database.h"
#include "store/DatabaseArchive.h"
#include "store/PlayerTotals.h"
#include "store/Recorder.h"
#include "store/StatisticsQuery.h"

namespace korvanti {
namespace {

using testing::EnterDarts;
using testing::RawDatabase;

class RecorderTest : public ::testing::Test {
 protected:
  RecorderTest() : database(Database::OpenFile(folder / "dart.mdb")), archive(*database) {}

  // Anna from the database against the computer.
  void StartGameAgainstTheMachine() {
    const auto annaId = Recorder(*database).AppendPlayer("Anna", "Berg", "Annie");
    game.SetArchive(&archive);
    game.AddPlayer(std::make_unique<Player>(annaId, &archive));
    struct Machine : Player {
      bool IsComputer() const override { return true; }
    };
    auto machine = std::make_unique<Machine>();
    machine->nickname = "The Machine";
    game.AddPlayer(std::move(machine));
    game.InitGameType();
    game.NewGame();
  }

  void Play(const std::string& darts, bool counts = true) {
    auto& current = game.CurrentTurns().current;
    EnterDarts(current, darts);
    current.counts = counts;
    game.CheckIn();
  }

  RawDatabase Raw() { return RawDatabase(folder / "dart.mdb"); }

  TempFolder folder;
  std::unique_ptr<Database> database;
  DatabaseArchive archive;
  testing::CountUpGame game;
};

TEST_F(RecorderTest, SavedGameStoresTheHumansTurnsAndDoubleRateButNothingOfTheMachine) {
  StartGameAgainstTheMachine();
  EXPECT_EQ(game.players.At(0).nickname, "Annie");
  auto& anna = game.CurrentTurns().current;
  anna.Hit(1).aim = "T20";
  anna.Hit(1).aimX = 332;
  anna.Hit(1).aimY = 172;
  anna.Hit(1).hitX = 330;
  anna.Hit(1).hitY = 175;
  anna.Hit(1).marks = 3;
  Play("T20 LS20 D20", false);  // a bust
  Play("T20 T20 T20");          // The Machine
  Play("D16");                  // out with the first dart
  Play("T19 T19 T19");          // The Machine
  game.players.At(0).doubleThrows = 3;
  game.players.At(0).doubleHits = 1;
  game.leader = 1;
  game.boardName = "Brett 2";
  game.SaveGame();

  auto raw = Raw();
  const auto games = raw.Rows("SELECT gameid, gametypesid, datetime, winthrowid, brett FROM game");
  ASSERT_EQ(games.size(), 1u);
  EXPECT_EQ(games[0][0].toString().toStdString(), game.gameId);
  EXPECT_EQ(games[0][1].toString().toStdString(), "constcountup");
  EXPECT_GT(games[0][2].toDouble(), 40000.0);
  EXPECT_EQ(games[0][3].toString().toStdString(), game.players.At(1).turns.Last().turnId);
  EXPECT_EQ(games[0][4].toString(), "Brett 2");

  const auto turns = raw.Rows("SELECT * FROM throw ORDER BY Zeitstempel, hit1value DESC");
  ASSERT_EQ(turns.size(), 2u);
  const auto& bust = turns[0];
  ASSERT_EQ(bust.size(), 26u);
  const auto text = [](const QVariant& v) { return v.toString().toStdString(); };
  EXPECT_TRUE(IsGuidString(text(bust[0])));
  EXPECT_EQ(text(bust[1]), "T20");
  EXPECT_EQ(bust[2].toInt(), 332);
  EXPECT_EQ(bust[3].toInt(), 172);
  EXPECT_EQ(text(bust[4]), "");
  EXPECT_EQ(text(bust[10]), "T20");
  EXPECT_EQ(bust[11].toInt(), 330);
  EXPECT_EQ(bust[12].toInt(), 175);
  EXPECT_EQ(bust[13].toInt(), 3);
  EXPECT_EQ(text(bust[14]), "LS20");
  EXPECT_EQ(text(bust[18]), "D20");
  EXPECT_EQ(text(bust[22]), game.gameId);
  EXPECT_EQ(text(bust[23]), game.players.At(0).playerId);
  EXPECT_EQ(bust[24].toInt(), 0);
  EXPECT_GT(bust[25].toDouble(), 40000.0);

  const auto& checkout = turns[1];
  EXPECT_EQ(text(checkout[10]), "D16");
  EXPECT_EQ(text(checkout[14]), "na");
  EXPECT_EQ(checkout[15].toInt(), 0);
  EXPECT_EQ(text(checkout[18]), "na");
  EXPECT_EQ(checkout[24].toInt(), 1);

  const auto rates = raw.Rows(
      "SELECT indexid, gameid, playerid, throwsatdouble, hitsatdouble, "
      "zeitstempel FROM doublerate");
  ASSERT_EQ(rates.size(), 1u);
  EXPECT_TRUE(IsGuidString(text(rates[0][0])));
  EXPECT_EQ(text(rates[0][2]), game.players.At(0).playerId);
  EXPECT_EQ(rates[0][3].toInt(), 3);
  EXPECT_EQ(rates[0][4].toInt(), 1);
}

// An aborted game is kept for the averages, but nobody won it and it holds no checkout.
TEST_F(RecorderTest, AnUndecidedGameCountsNoWinNoCheckoutNoShortestWin) {
  StartGameAgainstTheMachine();
  Play("T20 T20 T20");
  Play("T20 T20 T20");  // The Machine
  Play("D20");
  game.SaveGame(false);
  auto raw = Raw();
  EXPECT_EQ(raw.Count("game WHERE winthrowid IS NULL OR winthrowid = ''"), 1);
  EXPECT_EQ(raw.Count("throw"), 2);

  const auto anna = game.players.At(0).playerId;
  StatisticsQuery query(*database);
  query.playerId = anna;
  query.gameTypeKey = "constcountup";
  query.dateTo = 99999;
  EXPECT_EQ(query.CountGames(), 1);
  EXPECT_EQ(query.CountWins(), 0);
  EXPECT_EQ(query.BestCheckout(), 0);
  EXPECT_EQ(query.TurnsInShortestWin(), 0);
  const auto totals = TotalsByPlayer(*database, "constcountup", 0, 99999).at(anna);
  EXPECT_EQ(totals.games, 1);
  EXPECT_EQ(totals.wins, 0);
  EXPECT_EQ(totals.bestCheckout, 0);

  game.NewGame();  // the same won: now it counts
  Play("D20");
  game.SaveGame(true);
  EXPECT_EQ(query.CountWins(), 1);
  EXPECT_EQ(query.BestCheckout(), 40);
  EXPECT_EQ(query.TurnsInShortestWin(), 1);
  EXPECT_EQ(TotalsByPlayer(*database, "constcountup", 0, 99999).at(anna).wins, 1);
}

TEST_F(RecorderTest, GameCancelledBeforeAnyTurnWritesNothing) {
  StartGameAgainstTheMachine();
  game.SaveGame();
  auto raw = Raw();
  EXPECT_EQ(raw.Count("game") + raw.Count("throw") + raw.Count("doublerate"), 0);
}

TEST_F(RecorderTest, FailureInTheMiddleOfASaveLeavesNoRowOfThatGame) {
  StartGameAgainstTheMachine();
  Play("T20 T20 T20");
  Play("T20 T20 T20");
  Raw().Exec(
      "CREATE TRIGGER refuse BEFORE INSERT ON doublerate "
      "BEGIN SELECT RAISE(ABORT, 'disk on fire'); END");
  try {
    game.SaveGame();
    ADD_FAILURE() << "the save did not fail";
  } catch (const Error& error) {
    EXPECT_NE(std::string(error.what()).find("disk on fire"), std::string::npos);
  }
  auto raw = Raw();
  EXPECT_EQ(raw.Count("game") + raw.Count("throw") + raw.Count("doublerate"), 0);
}

TEST_F(RecorderTest, NamesTravelAsParametersUnchanged) {
  Recorder recorder(*database);
  const auto id = recorder.AppendPlayer("Seán", "O'Neil", "x'); DROP TABLE player; --");
  EXPECT_TRUE(IsGuidString(id));
  const auto names = archive.FindPlayerNames(id);
  ASSERT_TRUE(names);
  EXPECT_EQ(names->firstName, "Seán");
  EXPECT_EQ(names->lastName, "O'Neil");
  EXPECT_EQ(names->nickname, "x'); DROP TABLE player; --");
  EXPECT_FALSE(archive.FindPlayerNames("' OR '1'='1"));
}

TEST_F(RecorderTest, DeletePlayerAndThrows) {
  Recorder recorder(*database);
  const auto anna = recorder.AppendPlayer("Anna", "", "Anna");
  const auto ben = recorder.AppendPlayer("Ben", "", "Ben");
  const auto gone = NewGuidString();  // turns of a player whose row is already gone
  for (const auto& playerId : {anna, gone}) {
    for (int i = 0; i < 2; ++i) {
      Turn turn = testing::MakeTurn("T20 T20 T20");
      turn.turnId = NewGuidString();
      recorder.AppendThrow(turn, "{GAME}", playerId);
    }
  }
  recorder.AppendGame("{GAME}", "const501dout", 45000.5, "{WIN}");
  recorder.AppendDoubleRate("{GAME}", anna, 2, 1);

  recorder.DeletePlayerAndThrows(anna);
  recorder.DeletePlayerAndThrows(ben);
  recorder.DeletePlayerAndThrows(gone);
  recorder.DeletePlayerAndThrows("{NOBODY}");

  auto raw = Raw();
  EXPECT_EQ(raw.Count("player"), 0);
  EXPECT_EQ(raw.Count("throw WHERE playerid = '" + anna + "'"), 0);
  EXPECT_EQ(raw.Count("throw WHERE playerid = '" + gone + "'"), 2);
  EXPECT_EQ(raw.Count("game"), 1);
  EXPECT_EQ(raw.Count("doublerate"), 1);
}

}  // namespace
}  // namespace korvanti
