// The result each training keeps for the personal bests, as it goes to the archive.
#include <gtest/gtest.h>

#include <functional>

#include "FakeArchive.h"
#include "GameTable.h"
#include "engine/BobsTwentySeven.h"
#include "engine/CatchForty.h"
#include "engine/CountDownGame.h"
#include "engine/RoundTheBoard.h"
#include "engine/SegmentTrainings.h"
#include "engine/TrainingReplay.h"
#include "engine/TrainingResult.h"

namespace korvanti {
namespace {

using testing::FakeArchive;
using testing::GameTable;

// Plays the turns, stores the game and hands back what was stored for the player.
template <typename Mode>
std::optional<int> StoredResult(std::initializer_list<const char*> turns, bool decided = true,
                                const std::function<void(Mode&)>& setUp = {}) {
  FakeArchive archive;
  GameTable<Mode> table;
  table.Start();
  if (setUp) {
    setUp(table.game);
    table.game.NewGame();
  }
  table.game.SetArchive(&archive);
  for (const char* turn : turns) {
    // Aims come from the targets, as in the game screen.
    const auto targets = table.game.CurrentTargets();
    for (int n = 1; n <= 3; ++n) {
      table.game.CurrentTurns().current.Hit(n).aim = targets.Hit(n).aim;
    }
    table.Play(turn);
  }
  table.game.SaveGame(decided);
  EXPECT_EQ(archive.games.size(), 1u);
  if (archive.games.empty()) {
    return std::nullopt;
  }
  const auto& stored = archive.games[0].players[0];
  // The stored turns played again give the same result (files from before results were kept).
  if (decided) {
    const auto replayed = ReplayTraining(table.game.gameTypeKey, stored.turns);
    EXPECT_EQ(replayed.has_value(), stored.result.has_value());
    if (replayed) {
      EXPECT_EQ(replayed->result, stored.result);
      EXPECT_EQ(replayed->targetHits, stored.targetHits);
    }
  }
  return stored.result;
}

TEST(TrainingResult, EachTrainingStoresItsResultOnlyWhenDecided) {
  EXPECT_EQ(StoredResult<BobsTwentySeven>({"0 0 0", "0 0 0", "D3 0 0"}), 27 - 2 - 4 + 6);
  EXPECT_EQ(StoredResult<CatchForty>({"T15 D8"}), 3);
  // The treble round counts the darts up to T20, a short last turn included.
  EXPECT_EQ(StoredResult<RoundTheBoardTrebles>({"T1 T2 T3", "T4 T5 T6", "T7 T8 T9", "T10 T11 T12",
                                                "T13 T14 T15", "T16 T17 T18", "0 T19 T20"}),
            21);
  EXPECT_EQ(StoredResult<RoundTheBoardTrebles>({"T1 T2 T3"}), std::nullopt);  // not finished
  // 170 checked out after a bust, with the second dart of the third turn: 3 + 3 + 2 darts.
  EXPECT_EQ(StoredResult<CheckoutTraining>({"T20 T20 T20", "T20 T19 0", "SS13 D20"}), 8);
  const std::function<void(Treble20Training&)> oneRound = [](Treble20Training& game) {
    game.trainingRounds = 1;
    game.ignoreMisses = true;
    game.InitGameType();
  };
  EXPECT_EQ(StoredResult<Treble20Training>({"T20 0 T20"}, true, oneRound), 2);
  // An aborted training keeps no result.
  EXPECT_EQ(StoredResult<BobsTwentySeven>({"D1 0 0"}, false), std::nullopt);
}

TEST(TrainingResult, OrderByType) {
  EXPECT_EQ(ResultOrder("constbobs27"), BetterResult::Higher);
  EXPECT_EQ(ResultOrder("constroundtheboardtriple"), BetterResult::Lower);
  EXPECT_EQ(ResultOrder("const501dout"), std::nullopt);
  EXPECT_TRUE(Beats(BetterResult::Lower, 20, 21));
  EXPECT_FALSE(Beats(BetterResult::Higher, 21, 21));
}

}  // namespace
}  // namespace korvanti
