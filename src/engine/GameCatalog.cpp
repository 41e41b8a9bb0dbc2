#include "engine/GameCatalog.h"

#include <algorithm>
#include <array>
#include <string>

#include "engine/BobsTwentySeven.h"
#include "engine/CatchForty.h"
#include "engine/CheckoutGame.h"
#include "engine/CountDownGame.h"
#include "engine/CricketGame.h"
#include "engine/DesignedTraining.h"
#include "engine/Elimination.h"
#include "engine/HalveIt.h"
#include "engine/LevelTraining.h"
#include "engine/RoundTheBoard.h"
#include "engine/SegmentTrainings.h"
#include "platform/Error.h"

namespace korvanti {
namespace {

template <typename Mode>
std::unique_ptr<Game> Make() {
  return std::make_unique<Mode>();
}

constexpr auto kDown = ModePanel::CountDown;
constexpr auto kCricketPanel = ModePanel::Cricket;
constexpr auto kTarget = ModePanel::Target;

constexpr auto kGames = GamePage::Games;
constexpr auto kTrainingGames = GamePage::TrainingGames;
constexpr auto kSpecial = GamePage::SpecialTrainings;

constexpr auto kNoComputer = ComputerMode::None;
constexpr StartOptionSet kNothing;
constexpr StartOptionSet kMaster = StartOption::MasterOut;
constexpr StartOptionSet kCutThroat = StartOption::CutThroat;
constexpr auto kSegment = StartOption::TrainingRounds | StartOption::IgnoreMisses;

// clang-format off
constexpr std::array<GameCatalogEntry, 34> kCatalog{{
  {1, "301 straight out", GameKind::Out, kDown, "const301sout", "301 SO", 1, false, kNoComputer, kNothing, kGames, 0, false, &Make<Game301StraightOut>},
  {2, "501 straight out", GameKind::Out, kDown, "const501sout", "501 SO", 2, false, kNoComputer, kNothing, kGames, 1, false, &Make<Game501StraightOut>},
  {3, "301 double out", GameKind::Out, kDown, "const301dout", "301 DO", 3, false, kNoComputer, kMaster, kGames, 2, false, &Make<Game301DoubleOut>},
  {4, "501 double out", GameKind::Out, kDown, "const501dout", "501 DO", 4, false, kNoComputer, kMaster, kGames, 3, false, &Make<Game501DoubleOut>},
  {5, "Cricket", GameKind::Cricket, kCricketPanel, "constcricket", "Cricket", 5, false, kNoComputer, kNothing, kGames, 4, false, &Make<CricketGame>},
  {6, "Cricket Master", GameKind::Cricket, kCricketPanel, "constcricket", "Cricket Master", 6, false, kNoComputer, kNothing, kGames, 5, false, &Make<MasterCricketGame>},
  {7, "Cricket Cut throat", GameKind::Cricket, kCricketPanel, "constcricket", "Cricket Cut Throat", 7, false, kNoComputer, kCutThroat, kGames, 6, false, &Make<CricketGame>},
  {8, "Cricket Master Cut throat", GameKind::Cricket, kCricketPanel, "constcricket", "Cricket Master Cut Throat", 8, false, kNoComputer, kCutThroat, kGames, 7, false, &Make<MasterCricketGame>},
  {9, "Shanghai", GameKind::Shanghai, kTarget, "constshanghai", "Shanghai", 9, false, kNoComputer, kNothing, kGames, 8, false, &Make<korvanti::Shanghai>},
  {10, "Round the Board single Segmente", GameKind::Aim, kTarget, "constpractice_roundsingle", "Round the B. S.", 10, false, kNoComputer, kNothing, kGames, 9, true, &Make<RoundTheBoardSingles>},
  {11, "Round the Board double Segmente", GameKind::Aim, kTarget, "constpractice_rounddouble", "Round the B. D.", 11, false, kNoComputer, kNothing, kGames, 10, true, &Make<RoundTheBoardDoubles>},
  {12, "501 gegen Computer", GameKind::Out, kDown, "constpractice_computer501", "501 DO vs. computer", 12, true, ComputerMode::ChosenAverage, kNothing, kTrainingGames, 0, true, &Make<Game501VersusComputer>},
  {13, "501 double out training solo", GameKind::Out, kDown, "constpractice_501dout", "501 DO prac.", 13, true, kNoComputer, kNothing, kTrainingGames, 1, true, &Make<Solo501Training>},
  {14, "501 gegen eigenen Schnitt", GameKind::Out, kDown, "constpractice_computerAVG", "501 vs. avg", 14, true, ComputerMode::OwnAverage, kNothing, kTrainingGames, 2, true, &Make<Game501VersusOwnAverage>},
  {15, "501 gegen eigenes Topspiel", GameKind::Out, kDown, "constpractice_computerBEST", "501 vs. best", 15, true, ComputerMode::BestGame, kNothing, kTrainingGames, 3, true, &Make<Game501VersusBestGame>},
  {16, "Cricket training", GameKind::Cricket, kCricketPanel, "constpractice_cricket", "Cricket training", 16, true, kNoComputer, kNothing, kTrainingGames, 4, true, &Make<CricketTraining>},
  {17, "Round the Board double / bull training", GameKind::Aim, kTarget, "constpractice_rounddouble_bull", "Round the B. D/B", 17, false, kNoComputer, kNothing, kTrainingGames, 5, true, &Make<RoundTheBoardDoublesAndBull>},
  {18, "Segment 20 training*", GameKind::Aim, kTarget, "constpractice_segment_20", "Seg. 20", 18, false, kNoComputer, kSegment, kSpecial, 0, true, &Make<Segment20Training>},
  {19, "Segment 19 training*", GameKind::Aim, kTarget, "constpractice_segment_19", "Seg. 19", 19, false, kNoComputer, kSegment, kSpecial, 1, true, &Make<Segment19Training>},
  {20, "Tripple 20 training*", GameKind::Aim, kTarget, "constpractice_segment_treble_20", "T20", 20, false, kNoComputer, kSegment, kSpecial, 2, true, &Make<Treble20Training>},
  {21, "Tripple 19 training*", GameKind::Aim, kTarget, "constpractice_segment_treble_19", "T19", 21, false, kNoComputer, kSegment, kSpecial, 3, true, &Make<Treble19Training>},
  {22, "Bullseye training*", GameKind::Aim, kTarget, "constpractice_segment_bulls", "Bullseye Training", 22, false, kNoComputer, kSegment, kSpecial, 4, true, &Make<BullseyeTraining>},
  {23, "Double 20/16/10/8/5/4/2/1 training*", GameKind::Aim, kTarget, "constpractice_dout_segments", "Double 20/16/10/...", 23, false, kNoComputer, kSegment, kSpecial, 5, true, &Make<DoublesRoundTraining>},
  {24, "Double training*", GameKind::Aim, kTarget, "constpractice_double", "Double Training", 24, false, kNoComputer, kSegment | StartOption::ChosenDouble, kSpecial, 6, true, &Make<DoubleTraining>},
  {25, "CheckOut training (170 DO)", GameKind::Aim, kDown, "constpractice_checkout", "CheckOut Traing", 25, false, kNoComputer, kMaster, kSpecial, 7, true, &Make<CheckoutTraining>},
  {26, "CheckOut Spiel", GameKind::Aim, kDown, "constpractice_checkoutgame", "CheckOut Spiel", 26, false, kNoComputer, kMaster | StartOption::CheckoutGame, kSpecial, 8, true, &Make<CheckoutGame>},
  {27, "Pirmel's Training", GameKind::Aim, kTarget, "constpractice_pirmel", "Pirmel's Training", 27, true, kNoComputer, StartOption::PirmelLevels, kSpecial, 9, true, &Make<LevelTraining>},
  {28, "Training", GameKind::Aim, kTarget, "constpractice_self", "Freies Training", 29, true, kNoComputer, StartOption::TrainingRounds, kSpecial, 10, true, &Make<FreeThrowTraining>},
  {29, "Freies Training*", GameKind::Aim, kTarget, "constpractice_free1", "Training (selbst def.)", 28, true, kNoComputer, StartOption::FreeTraining, kSpecial, 11, true, &Make<DesignedTraining>},
  {30, "301 Eleminiation", GameKind::None, kDown, "constelimination", "", 0, false, kNoComputer, StartOption::DoubleInOut, kGames, 11, false, &Make<Elimination>},
  {31, "Bob's 27", GameKind::Aim, kTarget, "constbobs27", "Bob's 27", 31, false, kNoComputer, kNothing, kTrainingGames, 6, false, &Make<BobsTwentySeven>},
  {32, "Catch 40", GameKind::Aim, kDown, "constcatch40", "Catch 40", 32, true, kNoComputer, kNothing, kTrainingGames, 7, false, &Make<CatchForty>},
  {33, "Halve-It", GameKind::Aim, kTarget, "consthalveit", "Halve-It", 33, false, kNoComputer, kNothing, kTrainingGames, 8, false, &Make<HalveIt>},
  {34, "Round the Board Triple Segmente", GameKind::Aim, kTarget, "constroundtheboardtriple", "Round the B. T.", 34, false, kNoComputer, kNothing, kTrainingGames, 9, false, &Make<RoundTheBoardTrebles>},
}};
// clang-format on

}  // namespace

std::span<const GameCatalogEntry> GameCatalog() {
  return kCatalog;
}

const GameCatalogEntry* FindCatalogEntry(int gameIndex) {
  const auto found = std::ranges::find(kCatalog, gameIndex, &GameCatalogEntry::index);
  return found != kCatalog.end() ? &*found : nullptr;
}

const GameCatalogEntry* FindCatalogEntryByKey(std::string_view gameTypeKey) {
  const auto found = std::ranges::find(kCatalog, gameTypeKey, &GameCatalogEntry::gameTypeKey);
  return found != kCatalog.end() ? &*found : nullptr;
}

namespace {

template <typename Keep, typename Order>
std::vector<const GameCatalogEntry*> EntriesWhere(Keep keep, Order order) {
  std::vector<const GameCatalogEntry*> entries;
  for (const auto& entry : kCatalog) {
    if (keep(entry)) {
      entries.push_back(&entry);
    }
  }
  std::ranges::stable_sort(entries, {}, order);
  return entries;
}

}  // namespace

std::vector<const GameCatalogEntry*> PageEntries(GamePage page) {
  return EntriesWhere([page](const GameCatalogEntry& entry) { return entry.page == page; },
                      &GameCatalogEntry::position);
}

std::vector<const GameCatalogEntry*> StatisticsTypes() {
  return EntriesWhere([](const GameCatalogEntry& entry) { return !entry.statisticsLabel.empty(); },
                      &GameCatalogEntry::statisticsOrder);
}

std::string_view GamePageLabel(GamePage page) {
  switch (page) {
    case GamePage::Games:
      return "Spiele";
    case GamePage::TrainingGames:
      return "Trainingsspiele";
    case GamePage::SpecialTrainings:
      break;
  }
  return "Spezielle Trainings";
}

std::string_view GameKindText(GameKind kind) {
  switch (kind) {
    case GameKind::Out:
      return "out";
    case GameKind::Cricket:
      return "cricket";
    case GameKind::Shanghai:
      return "shanghai";
    case GameKind::Aim:
      return "aim";
    case GameKind::None:
      break;
  }
  return "";
}

std::unique_ptr<Game> CreateGame(const GameCatalogEntry& entry) {
  if (entry.factory == nullptr) {
    throw Error("Das Spiel \"" + std::string(entry.label) + "\" ist noch nicht verfügbar.");
  }
  return entry.factory();
}

}  // namespace korvanti
