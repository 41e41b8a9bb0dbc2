#include "engine/GameCatalog.h"

#include <array>
#include <string>

#include "engine/CheckoutGame.h"
#include "engine/CountDownGame.h"
#include "engine/CricketGame.h"
#include "engine/DesignedTraining.h"
#include "engine/Elimination.h"
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
constexpr std::array<GameCatalogEntry, 30> kCatalog{{
  {1, "301 straight out", GameKind::Out, kDown, "const301sout", "301 SO", false, kNoComputer, kNothing, kGames, 0, false, &Make<Game301StraightOut>},
  {2, "501 straight out", GameKind::Out, kDown, "const501sout", "501 SO", false, kNoComputer, kNothing, kGames, 1, false, &Make<Game501StraightOut>},
  {3, "301 double out", GameKind::Out, kDown, "const301dout", "301 DO", false, kNoComputer, kMaster, kGames, 2, false, &Make<Game301DoubleOut>},
  {4, "501 double out", GameKind::Out, kDown, "const501dout", "501 DO", false, kNoComputer, kMaster, kGames, 3, false, &Make<Game501DoubleOut>},
  {5, "Cricket", GameKind::Cricket, kCricketPanel, "constcricket", "Cricket", false, kNoComputer, kNothing, kGames, 4, false, &Make<CricketGame>},
  {6, "Cricket Master", GameKind::Cricket, kCricketPanel, "constcricket", "Cricket Master", false, kNoComputer, kNothing, kGames, 5, false, &Make<MasterCricketGame>},
  {7, "Cricket Cut throat", GameKind::Cricket, kCricketPanel, "constcricket", "Cricket Cut Throat", false, kNoComputer, kCutThroat, kGames, 6, false, &Make<CricketGame>},
  {8, "Cricket Master Cut throat", GameKind::Cricket, kCricketPanel, "constcricket", "Cricket Master Cut Throat", false, kNoComputer, kCutThroat, kGames, 7, false, &Make<MasterCricketGame>},
  {9, "Shanghai", GameKind::Shanghai, kTarget, "constshanghai", "Shanghai", false, kNoComputer, kNothing, kGames, 8, false, &Make<korvanti::Shanghai>},
  {10, "Round the Board single Segmente", GameKind::Aim, kTarget, "constpractice_roundsingle", "Round the B. S.", false, kNoComputer, kNothing, kGames, 9, true, &Make<RoundTheBoardSingles>},
  {11, "Round the Board double Segmente", GameKind::Aim, kTarget, "constpractice_rounddouble", "Round the B. D.", false, kNoComputer, kNothing, kGames, 10, true, &Make<RoundTheBoardDoubles>},
  {12, "501 gegen Computer", GameKind::Out, kDown, "constpractice_computer501", "501 DO vs. computer", true, ComputerMode::ChosenAverage, kNothing, kTrainingGames, 0, true, &Make<Game501VersusComputer>},
  {13, "501 double out training solo", GameKind::Out, kDown, "constpractice_501dout", "501 DO prac.", true, kNoComputer, kNothing, kTrainingGames, 1, true, &Make<Solo501Training>},
  {14, "501 gegen eigenen Schnitt", GameKind::Out, kDown, "constpractice_computerAVG", "501 vs. avg", true, ComputerMode::OwnAverage, kNothing, kTrainingGames, 2, true, &Make<Game501VersusOwnAverage>},
  {15, "501 gegen eigenes Topspiel", GameKind::Out, kDown, "constpractice_computerBEST", "501 vs. best", true, ComputerMode::BestGame, kNothing, kTrainingGames, 3, true, &Make<Game501VersusBestGame>},
  {16, "Cricket training", GameKind::Cricket, kCricketPanel, "constpractice_cricket", "Cricket training", true, kNoComputer, kNothing, kTrainingGames, 4, true, &Make<CricketTraining>},
  {17, "Round the Board double / bull training", GameKind::Aim, kTarget, "constpractice_rounddouble_bull", "Round the B. D/B", false, kNoComputer, kNothing, kTrainingGames, 5, true, &Make<RoundTheBoardDoublesAndBull>},
  {18, "Segment 20 training*", GameKind::Aim, kTarget, "constpractice_segment_20", "Seg. 20", false, kNoComputer, kSegment, kSpecial, 0, true, &Make<Segment20Training>},
  {19, "Segment 19 training*", GameKind::Aim, kTarget, "constpractice_segment_19", "Seg. 19", false, kNoComputer, kSegment, kSpecial, 1, true, &Make<Segment19Training>},
  {20, "Tripple 20 training*", GameKind::Aim, kTarget, "constpractice_segment_treble_20", "T20", false, kNoComputer, kSegment, kSpecial, 2, true, &Make<Treble20Training>},
  {21, "Tripple 19 training*", GameKind::Aim, kTarget, "constpractice_segment_treble_19", "T19", false, kNoComputer, kSegment, kSpecial, 3, true, &Make<Treble19Training>},
  {22, "Bullseye training*", GameKind::Aim, kTarget, "constpractice_segment_bulls", "Bullseye Training", false, kNoComputer, kSegment, kSpecial, 4, true, &Make<BullseyeTraining>},
  {23, "Double 20/16/10/8/5/4/2/1 training*", GameKind::Aim, kTarget, "constpractice_dout_segments", "Double 20/16/10/...", false, kNoComputer, kSegment, kSpecial, 5, true, &Make<DoublesRoundTraining>},
  {24, "Double training*", GameKind::Aim, kTarget, "constpractice_double", "Double Training", false, kNoComputer, kSegment | StartOption::ChosenDouble, kSpecial, 6, true, &Make<DoubleTraining>},
  {25, "CheckOut training (170 DO)", GameKind::Aim, kDown, "constpractice_checkout", "CheckOut Traing", false, kNoComputer, kMaster, kSpecial, 7, true, &Make<CheckoutTraining>},
  {26, "CheckOut Spiel", GameKind::Aim, kDown, "constpractice_checkoutgame", "CheckOut Spiel", false, kNoComputer, kMaster | StartOption::CheckoutGame, kSpecial, 8, true, &Make<CheckoutGame>},
  {27, "Pirmel's Training", GameKind::Aim, kTarget, "constpractice_pirmel", "Pirmel's Training", true, kNoComputer, StartOption::PirmelLevels, kSpecial, 9, true, &Make<LevelTraining>},
  {28, "Training", GameKind::Aim, kTarget, "constpractice_self", "Freies Training", true, kNoComputer, StartOption::TrainingRounds, kSpecial, 10, true, &Make<FreeThrowTraining>},
  {29, "Freies Training*", GameKind::Aim, kTarget, "constpractice_free1", "Training (selbst def.)", true, kNoComputer, StartOption::FreeTraining, kSpecial, 11, true, &Make<DesignedTraining>},
  {30, "301 Eleminiation", GameKind::None, kDown, "constelimination", "", false, kNoComputer, StartOption::DoubleInOut, kGames, 11, false, &Make<Elimination>},
}};
// clang-format on

}  // namespace

std::span<const GameCatalogEntry> GameCatalog() {
  return kCatalog;
}

const GameCatalogEntry* FindCatalogEntry(int gameIndex) {
  if (gameIndex < 1 || gameIndex > static_cast<int>(kCatalog.size())) {
    return nullptr;
  }
  return &kCatalog[static_cast<std::size_t>(gameIndex - 1)];
}

const GameCatalogEntry* FindCatalogEntry(GamePage page, int position) {
  for (const auto& entry : kCatalog) {
    if (entry.page == page && entry.position == position) {
      return &entry;
    }
  }
  return nullptr;
}

std::vector<const GameCatalogEntry*> PageEntries(GamePage page) {
  std::vector<const GameCatalogEntry*> entries;
  for (int position = 0; const auto* entry = FindCatalogEntry(page, position); ++position) {
    entries.push_back(entry);
  }
  return entries;
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

std::span<const StatisticsType> StatisticsTypeList() {
  static const auto list = [] {
    std::array<StatisticsType, 30> types{};
    types[0] = {"Alle", ""};
    for (std::size_t position = 1; position < types.size(); ++position) {
      // The two free trainings swap places in this list.
      const std::size_t index = position == 28 ? 29 : position == 29 ? 28 : position;
      const auto& entry = kCatalog[index - 1];
      types[position] = {entry.statisticsLabel, entry.gameTypeKey};
    }
    return types;
  }();
  return list;
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
