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
    if (entry.ComputerGame())
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

// The game index the start window reads from a page and list position.
int IndexAt(GamePage page, int position) {
  switch (page) {
    case GamePage::Games:
      return position == 11 ? 30 : position + 1;
    case GamePage::TrainingGames:
      return position + 12;
    case GamePage::SpecialTrainings:
      break;
  }
  return position + 18;
}

TEST(GameCatalog, PagesListTheirEntriesInIndexOrder) {
  const std::pair<GamePage, std::size_t> pages[] = {
      {GamePage::Games, 12}, {GamePage::TrainingGames, 6}, {GamePage::SpecialTrainings, 12}};
  std::size_t listed = 0;
  for (const auto& [page, size] : pages) {
    const auto entries = PageEntries(page);
    ASSERT_EQ(entries.size(), size) << GamePageLabel(page);
    for (int position = 0; position < static_cast<int>(size); ++position) {
      const auto* entry = entries[static_cast<std::size_t>(position)];
      EXPECT_EQ(entry->index, IndexAt(page, position)) << GamePageLabel(page) << position;
      EXPECT_EQ(FindCatalogEntry(page, position), entry);
    }
    EXPECT_EQ(FindCatalogEntry(page, static_cast<int>(size)), nullptr);
    EXPECT_EQ(FindCatalogEntry(page, -1), nullptr);
    listed += size;
  }
  EXPECT_EQ(listed, GameCatalog().size());
  EXPECT_EQ(FindCatalogEntry(GamePage::Games, 11)->label, "301 Eleminiation");
  EXPECT_EQ(GamePageLabel(GamePage::SpecialTrainings), "Spezielle Trainings");
}

std::set<int> IndexesWhere(bool (*holds)(const GameCatalogEntry&)) {
  std::set<int> indexes;
  for (const auto& entry : GameCatalog()) {
    if (holds(entry))
      indexes.insert(entry.index);
  }
  return indexes;
}

// Each start option belongs to exactly the entries whose game takes it.
TEST(GameCatalog, StartOptionsAndComputerModesByEntry) {
  const std::pair<StartOption, std::set<int>> options[] = {
      {StartOption::MasterOut, {3, 4, 25, 26}},
      {StartOption::DoubleInOut, {30}},
      {StartOption::CutThroat, {7, 8}},
      {StartOption::TrainingRounds, {18, 19, 20, 21, 22, 23, 24, 28}},
      {StartOption::IgnoreMisses, {18, 19, 20, 21, 22, 23, 24}},
      {StartOption::ChosenDouble, {24}},
      {StartOption::CheckoutGame, {26}},
      {StartOption::PirmelLevels, {27}},
      {StartOption::FreeTraining, {29}},
  };
  for (const auto& [option, expected] : options) {
    std::set<int> taking;
    for (const auto& entry : GameCatalog()) {
      if (entry.Takes(option))
        taking.insert(entry.index);
    }
    EXPECT_EQ(taking, expected) << static_cast<unsigned>(option);
  }
  EXPECT_EQ(FindCatalogEntry(12)->computer, ComputerMode::ChosenAverage);
  EXPECT_EQ(FindCatalogEntry(14)->computer, ComputerMode::OwnAverage);
  EXPECT_EQ(FindCatalogEntry(15)->computer, ComputerMode::BestGame);
  const auto plainGames = IndexesWhere([](const GameCatalogEntry& e) { return !e.aimInput; });
  EXPECT_EQ(plainGames, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 30}));
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
    game->AddPlayer(std::make_unique<Player>());
    game->InitGameType();
    EXPECT_EQ(game->gameTypeKey, entry.gameTypeKey) << entry.index;
  }
}

}  // namespace
}  // namespace korvanti
