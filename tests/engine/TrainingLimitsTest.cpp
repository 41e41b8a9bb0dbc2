#include <gtest/gtest.h>

#include <fstream>

#include "FakeArchive.h"
#include "GameTable.h"
#include "TempFolder.h"
#include "engine/CheckoutGame.h"
#include "engine/DesignedTraining.h"
#include "engine/LevelTraining.h"
#include "engine/TrainingFiles.h"

namespace korvanti {
namespace {

using testing::GameTable;

TEST(TrainingProblem, NamesWhatCannotBePlayed) {
  const std::string none = "Das Training \"X\" hat keine Ziele.";
  const std::string darts = "Die Anzahl der Darts pro Ziel muss zwischen 1 und 100 liegen.";
  const std::string rounds = "Die Anzahl der Runden muss zwischen 1 und 100 liegen.";
  const auto unknown = [](const char* code) {
    return "Unbekanntes Feld \"" + std::string(code) + "\" im Training \"X\".";
  };
  struct Case {
    const char* definition;
    int rounds;
    std::string problem;  // empty: playable
  };
  const Case cases[] = {
      {"T20=3,D16=2", 1, ""},
      {"t20=1,ls1=2,SS20=1,ss25=1,D25=100,T1=1", 100, ""},
      {"", 1, none},
      {",,,", 1, none},
      {"T20=3,Q7=1", 1, unknown("Q7")},
      {"T21=1", 1, unknown("T21")},
      {"T25=1", 1, unknown("T25")},
      {"LS25=1", 1, unknown("LS25")},
      {"D0=1", 1, unknown("D0")},
      {"T020=1", 1, unknown("T020")},
      {"0=3", 1, unknown("0")},
      {"00=3", 1, unknown("00")},
      {"T20=0", 1, darts},
      {"T20=-1", 1, darts},
      {"T20=101", 1, darts},
      {"T20=2000000000", 1, darts},
      {"T20=3", 0, rounds},
      {"T20=3", 101, rounds},
  };
  for (const auto& c : cases) {
    FreeTraining training;
    training.name = "X";
    training.rules.definition = c.definition;
    training.rounds = c.rounds;
    EXPECT_EQ(TrainingProblem(training).value_or(""), c.problem) << c.definition << " " << c.rounds;
  }
}

TEST(DesignedTraining, TargetListsStayBoundedAndHittable) {
  GameTable<DesignedTraining> table;
  table.game.definition = "T20=2000000000,d16=1";
  table.game.trainingRounds = 2000000000;
  table.game.closeAll = false;
  table.game.ignoreMisses = true;
  table.Start();
  EXPECT_EQ(table.game.targetSteps.size(), 100u * (100 + 1));
  EXPECT_EQ(table.game.targetSteps[100].front().aim, "D16");

  GameTable<DesignedTraining> lower;
  lower.game.definition = "d16=1";
  lower.game.trainingRounds = 0;
  lower.game.closeAll = false;
  lower.Start();
  EXPECT_EQ(lower.game.rounds, 1);
  EXPECT_FALSE(lower.game.IsFinished());
  lower.Play("D16");
  EXPECT_EQ(lower.Turns(0).score, 1);  // a target written in lower case is hit
}

class PirmelLevels : public ::testing::Test {
 protected:
  void Start(int startLevel, int maxLevel, const std::string& file = "") {
    if (!file.empty()) {
      std::ofstream(folder / "Korvanti.ini") << "[pirmel]\n" << file;
    }
    table.game.levelFile = folder / "Korvanti.ini";
    table.game.startLevel = startLevel;
    table.game.maxLevel = maxLevel;
    table.Start();
  }
  // What made the game screen check in empty turns until the stack overflowed:
  // a turn over before its first dart in a training that is not over.
  bool TurnOverAtOnce() const { return table.game.IsTurnOver() && !table.game.IsFinished(); }

  TempFolder folder;
  GameTable<LevelTraining> table;
};

TEST_F(PirmelLevels, LevelsOutOfRangeAreClamped) {
  struct Case {
    int start, max;
    int level, maxLevel;
  };
  const Case cases[] = {{9, 8, 8, 8}, {0, 8, 1, 8}, {5, 3, 3, 3}, {1, 0, 1, 1}, {-2, 12, 1, 8}};
  for (const auto& c : cases) {
    GameTable<LevelTraining> game;
    game.game.levelFile = folder / "Korvanti.ini";
    game.game.startLevel = c.start;
    game.game.maxLevel = c.max;
    game.Start();
    EXPECT_EQ(game.game.level, c.level) << c.start << " " << c.max;
    EXPECT_EQ(game.game.maxLevel, c.maxLevel) << c.start << " " << c.max;
    EXPECT_FALSE(game.game.IsTurnOver()) << c.start << " " << c.max;
  }
}

TEST_F(PirmelLevels, ALevelTheFileBreaksIsTheBuiltInOne) {
  for (const char* line : {"1=,,,\n", "1=Q7=3\n", "1=T20=2000000000\n", "1=T20=0\n"}) {
    Start(1, 8, line);
    EXPECT_EQ(table.game.levelGame->definition, BuiltInPirmelLevel(1)->definition) << line;
    EXPECT_EQ(table.game.levelGame->targetSteps.size(), 63u) << line;
    EXPECT_FALSE(TurnOverAtOnce()) << line;
  }
  Start(1, 8, "1=T20=2,D16=1\n");
  EXPECT_EQ(table.game.levelGame->targetSteps.size(), 3u);
}

TEST_F(PirmelLevels, ALevelWithoutTargetsEndsTheTraining) {
  Start(8, 8);
  table.game.NextLevel();  // level 9: neither the file nor the program defines it
  EXPECT_TRUE(table.game.levelGame->targetSteps.empty());
  EXPECT_TRUE(table.game.IsFinished());
  EXPECT_EQ(table.game.GameOverText(), "Training beendet");
}

class CheckoutStart : public ::testing::Test {
 protected:
  void Start(int value, int stepUp) {
    table.game.checkoutTable = CheckoutTable(folder / "none.ini");
    table.game.SetArchive(&archive);
    table.game.startScore = value;
    table.game.stepUp = stepUp;
    table.game.stepDown = 3;
    table.Start();
  }
  int Value() const { return table.game.attempt->startScore; }

  TempFolder folder;
  testing::FakeArchive archive;
  GameTable<CheckoutGame> table;
};

TEST_F(CheckoutStart, NoAttemptStartsBelowTwo) {
  Start(0, -5);
  EXPECT_EQ(Value(), 2);
  EXPECT_FALSE(table.game.IsTurnOver());
  table.Play("D1");  // out in one turn, but the step leads down
  EXPECT_EQ(Value(), 2);
  EXPECT_FALSE(table.game.IsTurnOver());
}

TEST_F(CheckoutStart, AFollowUpGameStartsFromTheChosenValueAgain) {
  Start(161, 10);
  table.Play("T20 T17 D25");
  ASSERT_TRUE(table.game.IsFinished());
  table.game.NewGame();
  EXPECT_EQ(Value(), 161);
  EXPECT_EQ(table.Turns(0).score, 161);
  EXPECT_FALSE(table.game.IsFinished());
  EXPECT_FALSE(table.game.IsTurnOver());
}

}  // namespace
}  // namespace korvanti
