#include <gtest/gtest.h>

#include <fstream>

#include "FakeArchive.h"
#include "GameTable.h"
#include "TempFolder.h"
#include "engine/CheckoutGame.h"
#include "engine/CheckoutRoutes.h"
#include "engine/DesignedTraining.h"
#include "engine/LevelTraining.h"
#include "engine/TrainingFiles.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"

namespace korvanti {
namespace {

using testing::GameTable;

TEST(TrainingDefinition, ParsesAndFormats) {
  const std::vector<TrainingTarget> expected{{"T20", 2}, {"D16", 3}, {"D8", 1}, {"SS25", 3}};
  EXPECT_EQ(ParseTrainingDefinition("T20=2, D16=x,\"D8=1\",SS25"), expected);
  EXPECT_EQ(FormatTrainingDefinition(expected), "T20=2,D16=3,D8=1,SS25=3");
  EXPECT_TRUE(ParseTrainingDefinition("").empty());
}

TEST(TrainingFiles, FreeTrainingDefaultsAndPirmelLevels) {
  TempFolder folder;
  IniFile settings(folder / "SETTINGS.ini");
  const auto missing = ReadFreeTraining(settings, "none");
  EXPECT_EQ(missing.rounds, 1);
  EXPECT_TRUE(missing.rules.closeAll && missing.rules.closeInOne && missing.rules.ignoreMisses);
  std::ofstream(settings.Path()) << "[Doppel]\ndef='D20=2,D10=1'\nrounds=3\ncloseall=0\n";
  const auto doubles = ReadFreeTraining(settings, "doppel");
  EXPECT_EQ(doubles.rules.definition, "D20=2,D10=1");
  EXPECT_EQ(doubles.rounds, 3);
  EXPECT_FALSE(doubles.rules.closeAll);

  IniFile levels(folder / "Korvanti.ini");
  EXPECT_EQ(ReadPirmelLevel(levels, 7)->definition, BuiltInPirmelLevel(5)->definition);
  EXPECT_TRUE(ReadPirmelLevel(levels, 7)->closeAll);
  EXPECT_FALSE(ReadPirmelLevel(levels, 9));
  WriteDefaultPirmelLevels(levels);
  EXPECT_EQ(levels.ReadString("pirmel", "1", ""), BuiltInPirmelLevel(1)->definition);
  EXPECT_EQ(levels.ReadInteger("pirmel", "8CloseAll", -1), 1);
  levels.WriteString("pirmel", "9", "T20=1");
  EXPECT_EQ(ReadPirmelLevel(levels, 9)->definition, "T20=1");
  EXPECT_FALSE(ReadPirmelLevel(levels, 9)->ignoreMisses);
}

TEST(DesignedTraining, RoundsFollowTheSteps) {
  struct Case {
    const char* definition;
    std::size_t steps;
    int rounds;
  };
  const Case cases[] = {{"T20=2,D16=1", 3, 1}, {"T20=1", 1, 1}, {"T20=4,D16=3", 7, 3}};
  for (const auto& c : cases) {
    GameTable<DesignedTraining> table;
    table.game.definition = c.definition;
    table.game.trainingRounds = 1;
    table.Start();
    EXPECT_EQ(table.game.targetSteps.size(), c.steps) << c.definition;
    EXPECT_EQ(table.game.rounds, c.rounds) << c.definition;
    EXPECT_EQ(table.At(0).openTargets.size(), c.steps);
    EXPECT_FALSE(table.game.undoAllowed);
  }
}

TEST(DesignedTraining, CloseAllInOneTurn) {
  GameTable<DesignedTraining> table;
  table.game.definition = "T20=1,D16=1";
  table.game.trainingRounds = 1;
  table.game.closeAll = true;
  table.game.closeInOne = true;
  table.Start();
  table.Play("T20 LS5 0");
  EXPECT_EQ(table.At(0).openTargets.size(), 2u);  // the turn failed: nothing removed
  table.Enter("T20");
  EXPECT_FALSE(table.game.IsFinished());
  table.Enter("T20 D16");
  EXPECT_TRUE(table.game.IsFinished());
  table.game.CheckIn();
  EXPECT_TRUE(table.At(0).openTargets.empty());
  EXPECT_EQ(table.game.GameOverText(), "Training zu Ende.");
}

TEST(DesignedTraining, CloseAllTargetsSkipWhatWasHit) {
  GameTable<DesignedTraining> table({"Anna", "Ben"});
  table.game.definition = "T20=1,D16=1,D8=1,SS25=1";
  table.game.trainingRounds = 1;
  table.game.closeAll = true;
  table.Start();
  table.Enter("T20");
  const auto& targets = table.game.CurrentTargets();
  EXPECT_EQ(targets.Hit(2).aim, "D16");
  EXPECT_EQ(targets.Hit(3).aim, "D8");
  table.Enter("T20 LS1 D16");  // the miss keeps D16 as the next target
  table.game.CheckIn();
  EXPECT_EQ(table.At(0).openTargets.size(), 2u);
  EXPECT_EQ(table.game.LeaderIndex(), 0);
}

// Plays one level of the Pirmel training, hitting the targets with the first `hits` darts.
void PlayLevel(LevelTraining& game, int hits) {
  int dart = 0;
  while (true) {
    const auto targets = game.CurrentTargets();
    auto& current = game.CurrentTurns().current;
    for (int n = 1; n <= 3; ++n) {
      current.Hit(n).aim = targets.Hit(n).aim;
      current.Hit(n).hit = dart++ < hits ? targets.Hit(n).aim : "0";
    }
    const int level = game.level;
    game.CheckIn();
    if (game.level != level || game.IsFinished() || game.levelGame->targetSteps.empty() ||
        game.levelGame->CurrentTurns().Empty()) {
      return;
    }
  }
}

class Pirmel : public ::testing::Test {
 protected:
  void Start(int startLevel, int maxLevel) {
    table.game.levelFile = folder / "Korvanti.ini";
    table.game.startLevel = startLevel;
    table.game.maxLevel = maxLevel;
    table.Start();
  }
  TempFolder folder;
  GameTable<LevelTraining> table;
};

TEST_F(Pirmel, HalfTheDartsOnTargetPassAlevel) {
  Start(3, 8);
  ASSERT_EQ(table.game.levelGame->targetSteps.size(), 63u);
  PlayLevel(table.game, 30);  // 48 %
  EXPECT_EQ(table.game.level, 3);
  EXPECT_TRUE(table.game.levelGame->CurrentTurns().Empty());  // the level starts again
  PlayLevel(table.game, 32);                                  // 51 %
  EXPECT_EQ(table.game.level, 4);
}

TEST_F(Pirmel, PassingTheLastLevelEndsTheTraining) {
  std::ofstream(folder / "Korvanti.ini") << "[pirmel]\n1=T20=1,D16=2\n1IgnoreMissHits=1\n";
  Start(1, 1);
  EXPECT_EQ(table.game.levelGame->targetSteps.size(), 3u);
  table.Enter("T20 D16 0");
  for (int n = 1; n <= 3; ++n) {
    table.game.CurrentTurns().current.Hit(n).aim = table.game.CurrentTargets().Hit(n).aim;
  }
  table.game.CheckIn();
  EXPECT_TRUE(table.game.IsFinished());
  EXPECT_EQ(table.game.GameOverText(), "Training beendet");
  EXPECT_EQ(table.Turns(0).Count(), 1u);  // stored once, with the player's turns
}

class CheckoutGameTraining : public ::testing::Test {
 protected:
  void Start(int value, bool oneTurn, bool withTable = true) {
    if (withTable) {
      WriteFileDurably(folder / "checkout.ini", CheckoutTableText());
    }
    table.game.checkoutTable = CheckoutTable(folder / "checkout.ini");
    table.game.SetArchive(&archive);
    table.game.startScore = value;
    table.game.stepUp = 10;
    table.game.stepDown = 3;
    table.game.oneTurn = oneTurn;
    table.Start();
  }
  int Value() const { return table.game.attempt->startScore; }

  TempFolder folder;
  testing::FakeArchive archive;
  GameTable<CheckoutGame> table;
};

TEST_F(CheckoutGameTraining, AFinishInOneTurnRaisesTheValue) {
  Start(61, false);
  EXPECT_EQ(table.Turns(0).score, 61);
  table.Play("T15 D8");
  EXPECT_EQ(Value(), 71);
  EXPECT_EQ(table.Turns(0).score, 71);
  ASSERT_EQ(archive.games.size(), 1u);
  EXPECT_EQ(archive.games[0].gameTypeKey, "constpractice_checkoutgame");
  EXPECT_EQ(archive.games[0].players[0].turns.size(), 1u);
}

TEST_F(CheckoutGameTraining, ALaterFinishLowersTheValue) {
  Start(61, false);
  table.Play("LS1 LS1 LS1");
  table.Play("LS1 LS1 LS1");
  EXPECT_EQ(table.Turns(0).score, 55);
  table.Play("T15 D5");
  EXPECT_EQ(Value(), 58);
  ASSERT_EQ(archive.games.size(), 1u);
  EXPECT_EQ(archive.games[0].players[0].turns.size(), 3u);
}

TEST_F(CheckoutGameTraining, WithOneTurnEveryTurnEndsTheAttempt) {
  Start(61, true);
  table.Play("LS1 LS1 LS1");
  EXPECT_EQ(Value(), 58);
  EXPECT_EQ(table.Turns(0).score, 58);
  EXPECT_EQ(archive.games.size(), 1u);
}

TEST_F(CheckoutGameTraining, PassingOneHundredAndSeventyEndsTheTraining) {
  Start(161, false);
  EXPECT_TRUE(table.game.HasProposal());
  table.Enter("T20 T17");
  EXPECT_TRUE(table.game.IsTurnValid());
  table.Play("T20 T17 D25");
  EXPECT_EQ(Value(), 171);
  EXPECT_TRUE(table.game.IsFinished());
  EXPECT_EQ(table.game.GameOverText(), "Training beendet.");
  table.game.SaveGame();  // the attempts are stored already
  EXPECT_EQ(archive.games.size(), 1u);
}

TEST_F(CheckoutGameTraining, AnAbortedTrainingStoresTheRunningAttemptUndecided) {
  Start(61, false);
  table.game.SaveGame(false);
  EXPECT_TRUE(archive.games.empty());
  table.Play("T15 D8");  // stored as it ended
  table.Play("LS1 LS1 LS1");
  ASSERT_EQ(archive.games.size(), 1u);
  table.game.SaveGame(false);
  ASSERT_EQ(archive.games.size(), 2u);
  EXPECT_EQ(archive.games[1].gameId, table.game.attempt->gameId);
  EXPECT_EQ(archive.games[1].winningTurnId, "");
  EXPECT_EQ(archive.games[1].players[0].turns.size(), 1u);
}

TEST_F(CheckoutGameTraining, WithoutATableTheValueMovesByTheSteps) {
  Start(164, false, false);
  table.Play("T20 T18 D25");  // 164 out in one turn
  EXPECT_EQ(Value(), 174);
  EXPECT_TRUE(table.game.IsFinished());
  EXPECT_EQ(table.game.GameOverText(), "Training beendet.");
  Start(4, true, false);
  table.Play("0 0 0");
  EXPECT_EQ(Value(), 2);
}

}  // namespace
}  // namespace korvanti
