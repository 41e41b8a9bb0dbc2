#include <gtest/gtest.h>

#include <set>

#include "engine/GameCatalog.h"
#include "platform/Error.h"

namespace korvanti {
namespace {

TEST(GameCatalog, HoldsItsEntriesInIndexOrder) {
  const auto catalog = GameCatalog();
  ASSERT_EQ(catalog.size(), 34u);
  for (std::size_t i = 0; i < catalog.size(); ++i) {
    EXPECT_EQ(catalog[i].index, static_cast<int>(i) + 1);
    EXPECT_EQ(FindCatalogEntry(catalog[i].index), &catalog[i]);
    EXPECT_FALSE(catalog[i].gameTypeKey.empty());
  }
  EXPECT_EQ(FindCatalogEntry(0), nullptr);
  EXPECT_EQ(FindCatalogEntry(35), nullptr);
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
  EXPECT_EQ(onePlayer, (std::set<int>{12, 13, 14, 15, 16, 27, 28, 29, 32}));
  EXPECT_EQ(computer, (std::set<int>{12, 14, 15}));
  EXPECT_EQ(countDown, (std::set<int>{1, 2, 3, 4, 12, 13, 14, 15, 25, 26, 30, 32}));
  EXPECT_EQ(cricket, (std::set<int>{5, 6, 7, 8, 16}));
}

// The game indexes of each page's list, top to bottom.
TEST(GameCatalog, PagesListTheirEntriesByPosition) {
  const std::pair<GamePage, std::vector<int>> pages[] = {
      {GamePage::Games, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 30}},
      {GamePage::TrainingGames, {12, 13, 14, 15, 16, 17, 31, 32, 33, 34}},
      {GamePage::SpecialTrainings, {18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29}}};
  std::size_t listed = 0;
  for (const auto& [page, expected] : pages) {
    std::vector<int> indexes;
    for (const auto* entry : PageEntries(page)) {
      EXPECT_EQ(entry->page, page);
      indexes.push_back(entry->index);
    }
    EXPECT_EQ(indexes, expected) << GamePageLabel(page);
    listed += indexes.size();
  }
  EXPECT_EQ(listed, GameCatalog().size());
  EXPECT_EQ(GamePageLabel(GamePage::SpecialTrainings), "Spezielle Trainings");
}

// The statistics window's list: every entry with a statistics label once, the
// two free trainings the other way round than in the catalog.
TEST(GameCatalog, StatisticsTypesInListOrder) {
  std::vector<std::string_view> labels;
  for (const auto* entry : StatisticsTypes()) {
    labels.push_back(entry->statisticsLabel);
  }
  const std::vector<std::string_view> expected{"301 SO",
                                               "501 SO",
                                               "301 DO",
                                               "501 DO",
                                               "Cricket",
                                               "Cricket Master",
                                               "Cricket Cut Throat",
                                               "Cricket Master Cut Throat",
                                               "Shanghai",
                                               "Round the B. S.",
                                               "Round the B. D.",
                                               "501 DO vs. computer",
                                               "501 DO prac.",
                                               "501 vs. avg",
                                               "501 vs. best",
                                               "Cricket training",
                                               "Round the B. D/B",
                                               "Seg. 20",
                                               "Seg. 19",
                                               "T20",
                                               "T19",
                                               "Bullseye Training",
                                               "Double 20/16/10/...",
                                               "Double Training",
                                               "CheckOut Traing",
                                               "CheckOut Spiel",
                                               "Pirmel's Training",
                                               "Training (selbst def.)",
                                               "Freies Training",
                                               "Bob's 27",
                                               "Catch 40",
                                               "Halve-It",
                                               "Round the B. T."};
  EXPECT_EQ(labels, expected);
  EXPECT_EQ(StatisticsTypes()[27]->gameTypeKey, "constpractice_free1");
}

TEST(GameCatalog, FindsTheFirstEntryOfAKey) {
  EXPECT_EQ(FindCatalogEntryByKey("constcricket"), FindCatalogEntry(5));
  EXPECT_EQ(FindCatalogEntryByKey("constpractice_pirmel"), FindCatalogEntry(27));
  EXPECT_EQ(FindCatalogEntryByKey("unknown"), nullptr);
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
  EXPECT_EQ(plainGames, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 30, 31, 32, 33, 34}));
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
