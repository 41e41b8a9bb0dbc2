#include "play/GameStart.h"

#include "platform/Error.h"
#include "play/OwnScatter.h"
#include "store/DatabaseArchive.h"

namespace korvanti {
namespace {

std::filesystem::path SettingsFile(const StartEnvironment& environment) {
  return environment.programFolder / kSettingsFile;
}

// The training a free training plays, or why there is none; other entries play none.
std::variant<FreeTraining, std::string> TrainingOf(const GameCatalogEntry& entry,
                                                   const StartRequest& request,
                                                   const StartEnvironment& environment) {
  if (!entry.Takes(StartOption::FreeTraining)) {
    return FreeTraining{};
  }
  return ChosenFreeTraining(SettingsFile(environment), request.options.training);
}

std::optional<std::string> RequestProblem(const StartRequest& request,
                                          const StartEnvironment& environment) {
  const auto* entry = request.game;
  if (entry == nullptr) {
    return "Bitte zuerst ein Spiel auswählen.";
  }
  if (request.players.empty()) {
    return "Bitte zuerst einen Spieler auswählen.";
  }
  if (entry->onePlayerOnly && request.players.size() > 1) {
    return "Nur ein Spieler erlaubt.";
  }
  if (auto problem = StartOptionsProblem(*entry, request.options)) {
    return problem;
  }
  if (auto problem = ComputerOptionsProblem(*entry, request.computer)) {
    return problem;
  }
  if (auto training = TrainingOf(*entry, request, environment);
      std::holds_alternative<std::string>(training)) {
    return std::get<std::string>(training);
  }
  return std::nullopt;
}

std::unique_ptr<Player> MakePlayer(const StartPlayer& row, GameArchive* archive) {
  auto player = archive != nullptr && !row.playerId.empty()
                    ? std::make_unique<Player>(row.playerId, archive)
                    : std::make_unique<Player>();
  if (archive == nullptr || row.playerId.empty()) {
    player->playerId = row.playerId;
    player->nickname = row.nickname;
  }
  player->referenceAverage = row.referenceAverage;
  player->referenceAverage501 = row.referenceAverage501;
  return player;
}

}  // namespace

StartedGame::StartedGame(StartedGame&&) noexcept = default;
StartedGame& StartedGame::operator=(StartedGame&&) noexcept = default;
StartedGame::~StartedGame() = default;

bool StartedGame::PreparationReadsDatabase() const {
  return computer_ != nullptr && computer_->replayBestGame;
}

std::optional<std::string> StartedGame::PrepareComputer(const PreparationProgress& progress,
                                                        std::stop_token stop) {
  if (computer_ == nullptr) {
    return std::nullopt;
  }
  return computer_->PrepareNextGame(progress, std::move(stop));
}

std::optional<std::string> StartProblem(const StartRequest& request,
                                        const StartEnvironment& environment) {
  try {
    return RequestProblem(request, environment);
  } catch (const Error& error) {
    return error.what();
  }
}

GameStartResult BuildGame(const StartRequest& request, const ProgramOptions& settings,
                          const StartEnvironment& environment) {
  if (auto problem = StartProblem(request, environment)) {
    return StartRefusal{StartRefusal::Reason::Input, *problem};
  }
  const auto& entry = *request.game;
  StartedGame started;
  started.entry_ = &entry;
  started.session_.quickCheckIn = request.quickCheckIn;
  started.session_.aimInput = request.aimInput;
  started.session_.showPoints = settings.showPoints;
  started.session_.secondsForPoints = settings.secondsForPoints;
  started.session_.playSounds = settings.playSounds;
  started.session_.showSummary = settings.showSummary;
  started.session_.fullScreen = settings.fullScreen;
  started.session_.callTurns = settings.announcePoints;
  started.session_.programFolder = environment.programFolder;
  if (entry.PlaysMatches()) {
    started.session_.match = request.options.match;
    started.session_.bullOff = request.options.bullOff;
  }
  try {
    const auto training = TrainingOf(entry, request, environment);
    if (const auto* problem = std::get_if<std::string>(&training)) {
      return StartRefusal{StartRefusal::Reason::Input, *problem};
    }
    auto options = request.options;
    options.masterOut = settings.masterOut;
    auto game = CreateGame(entry);
    ApplyStartOptions(entry, *game, options, std::get<FreeTraining>(training));
    game->checkoutTable = CheckoutTable(environment.programFolder / "checkout.ini");

    GameArchive* archive = environment.archive;
    if (archive == nullptr && environment.database != nullptr) {
      started.databaseArchive_ = std::make_unique<DatabaseArchive>(*environment.database);
      archive = started.databaseArchive_.get();
    }
    for (const auto& row : request.players) {
      game->AddPlayer(MakePlayer(row, archive));
    }
    game->SetArchive(archive);
    game->boardName = settings.boardName;

    if (entry.ComputerGame()) {
      // With several rows the last one would count; computer games take one.
      const auto& reference = *ComputerReference(request);
      started.simulation_ = std::make_unique<SimulationContext>(SimulationContext{
          environment.random, environment.hitMap, environment.programFolder / "ki.ini",
          environment.programFolder / "checkout.ini"});
      started.computer_ = &AddComputerOpponent(*game, entry, request.computer, reference.playerId,
                                               reference.referenceAverage501, environment.database,
                                               *started.simulation_);
      if (entry.computer == ComputerMode::OwnAverage && request.computer.scatterFromOwnDarts) {
        auto scatter = OwnScatter(environment.database, reference.playerId);
        if (const auto* reason = std::get_if<std::string>(&scatter)) {
          return StartRefusal{StartRefusal::Reason::NoComputerData, *reason};
        }
        started.computer_->ownScatter = std::get<Scatter>(scatter);
      }
    }
    game->InitGameType();
    game->NewGame();
    started.game_ = std::move(game);
  } catch (const Error& error) {
    return StartRefusal{StartRefusal::Reason::Storage, error.what()};
  }
  return started;
}

GameStartResult StartGame(const StartRequest& request, const ProgramOptions& settings,
                          const StartEnvironment& environment,
                          const PreparationProgress& progress) {
  auto result = BuildGame(request, settings, environment);
  if (auto* started = std::get_if<StartedGame>(&result)) {
    if (auto failure = started->PrepareComputer(progress)) {
      return StartRefusal{StartRefusal::Reason::NoComputerData, *failure};
    }
  }
  return result;
}

const StartPlayer* ComputerReference(const StartRequest& request) {
  return request.players.empty() ? nullptr : &request.players.back();
}

}  // namespace korvanti
