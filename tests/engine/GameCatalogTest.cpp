#include <gtest/gtest.h>

#include <set>

#include "engine/GameCatalog.h"
#include "platform/Error.h"

namespace korvanti {
namespace {

TEST(GameCatalog, HoldsThirtyEntriesInIndexOrder) {
  const auto catalog = GameCatalog();
  ASSERT_EQ(catalog.size(), 30u);
  for (std::size_t i = 0; i < catalog.size(); ++i) {
    EXPECT_EQ(catalog[i].index, static_cast<int>(i) + 1);
    EXPECT_EQ(FindCatalogEntry(catalog[i].index), &catalog[i]);
    EXPECT_FALSE(catalog[i].gameTypeKey.empty());
  }
  EXPECT_EQ(FindCatalogEntry(0), nullptr);
  EXPECT_EQ(FindCatalogEntry(31), nullptr);
}

TEST(GameCatalog, OnePlayerComputerAndPanelRules) {
  std::set<int> onePlayer;
  std::set<int> computer;
  std::set<int> countDown;
  std::set<int> cricket;
  for (const auto& entry : GameCatalog()) {
    if (entry.onePlayerOnly)
      onePlayer.insert(entry.index);
    if (entry.computerGame)
      computer.insert(entry.index);
    if (entry.panel == ModePanel::CountDown)
      countDown.insert(entry.index);
    if (entry.panel == ModePanel::Cricket)
      cricket.insert(entry.index);
  }
  EXPECT_EQ(onePlayer, (std::set<int>{12, 13, 14, 15, 16, 27, 28, 29}));
  EXPECT_EQ(computer, (std::set<int>{12, 14, 15}));
  EXPECT_EQ(countDown, (std::set<int>{1, 2, 3, 4, 12, 13, 14, 15, 25, 26, 30}));
  EXPECT_EQ(cricket, (std::set<int>{5, 6, 7, 8, 16}));
}

TEST(GameCatalog, KindsAsTheOverviewNamesThem) {
  EXPECT_EQ(GameKindText(FindCatalogEntry(4)->kind), "out");
  EXPECT_EQ(GameKindText(FindCatalogEntry(7)->kind), "cricket");
  EXPECT_EQ(GameKindText(FindCatalogEntry(9)->kind), "shanghai");
  EXPECT_EQ(GameKindText(FindCatalogEntry(26)->kind), "aim");
  EXPECT_EQ(GameKindText(FindCatalogEntry(30)->kind), "");
}

// Every built mode stores its games under the entry's key; a mode not built yet
// is refused with a readable error rather than a crash.
TEST(GameCatalog, CreatedGamesCarryTheEntrysKey) {
  for (const auto& entry : GameCatalog()) {
    if (entry.factory == nullptr) {
      EXPECT_THROW(CreateGame(entry), Error) << entry.index;
      continue;
    }
    auto game = CreateGame(entry);
    ASSERT_NE(game, nullptr) << entry.index;
    game->AddPlayer(std::make_unique<Playerclass>());
    game->InitGameType();
    EXPECT_EQ(game->gametypesid, entry.gameTypeKey) << entry.index;
  }
}

}  // namespace
}  // namespace korvanti
