#include "SampleData.h"

#include <cmath>
#include <numbers>

#include "computer/DartSimulation.h"
#include "engine/AimPoints.h"
#include "engine/CheckoutRoutes.h"
#include "engine/CricketGame.h"
#include "engine/GameCatalog.h"
#include "engine/HitMap.h"
#include "platform/DateTime.h"
#include "platform/Error.h"
#include "platform/Notice.h"
#include "platform/Random.h"
#include "play/GameSession.h"
#include "play/StartOptions.h"
#include "store/Database.h"
#include "store/DatabaseArchive.h"
#include "store/Recorder.h"

namespace korvanti {
namespace {

// Answers every question with "no", shows nothing and runs every step at once.
class SilentView : public GameView {
 public:
  void Changed(const GameSession&) override {}
  void After(int, std::function<void()> step) override { step(); }
  void Announce(const Call&) override {}
  void ShowBanner(const std::string&, int) override {}
  void AskContinue(const std::string&, std::function<void(bool)> answered) override {
    answered(false);
  }
  void ShowSummary(const Summary&, std::function<void(bool)> answered) override { answered(false); }
  void AskAbort(const std::string&, std::function<void(AbortAnswer)> answered) override {
    answered(AbortAnswer::Yes);
  }
  void ShowError(const std::string& text) override { throw Error(text); }
  void ShowNotices(const std::vector<std::string>&) override {}
  void Close(SessionResult) override {}
};

// Stores games with the moment of the sample day instead of now.
class DatedArchive : public GameArchive {
 public:
  explicit DatedArchive(DatabaseArchive& archive) : archive_(archive) {}
  std::optional<PlayerNames> FindPlayerNames(std::string_view id) override {
    return archive_.FindPlayerNames(id);
  }
  std::optional<int> EarlierBest(std::string_view playerId, std::string_view gameTypeKey,
                                 BetterResult order, std::string_view leaveOut) override {
    return archive_.EarlierBest(playerId, gameTypeKey, order, leaveOut);
  }
  void RemoveGame(std::string_view gameId, const std::optional<MatchRecord>& match) override {
    archive_.RemoveGame(gameId, match);
  }
  void StoreGame(const GameRecord& game) override {
    auto dated = game;
    dated.datetime = when;
    archive_.StoreGame(dated);
    ++games;
    for (const auto& player : game.players)
      turns += static_cast<long long>(player.turns.size());
  }
  double when = 0;
  int games = 0;
  long long turns = 0;

 private:
  DatabaseArchive& archive_;
};

class SampleThrower {
 public:
  SampleThrower(const HitMap& hitMap, std::uint64_t seed) : hitMap_(hitMap), random_(seed) {}

  // Where a dart aimed at the code lands for a player of the given spread (pixels).
  BoardPoint Throw(const std::string& aim, double spread) {
    const auto target = AimPointFor(aim).value_or(BoardPoint{332, 172});
    return {target.x + static_cast<int>(std::lround(Gauss() * spread)),
            target.y + static_cast<int>(std::lround(Gauss() * spread))};
  }
  double Uniform() { return random_.Next(); }

 private:
  double Gauss() { return DartSimulation::GaussRandom(0, 1, random_); }

  const HitMap& hitMap_;
  UniformRandom random_;
};

// What the player on turn goes for with the next dart.
std::string AimFor(const GameSession& session) {
  const auto& game = session.PlayedGame();
  const int dart = game.CurrentTurns().current.FirstEmptyHit();
  if (dart == 0)
    return "T20";
  if (session.Panel() == ModePanel::Target) {
    const auto aim = game.CurrentTargets().Hit(dart).aim;
    return aim.empty() ? "T20" : aim;
  }
  if (session.Panel() == ModePanel::Cricket) {
    const auto& cricket = static_cast<const CricketGame&>(game);
    for (const int n : {20, 19, 18, 17, 16, 15, 25}) {
      if (game.CurrentTurns().MarksOnNumber(n, true) < 3 || cricket.OthersOpen(n)) {
        return n == 25 ? "D25" : "T" + std::to_string(n);
      }
    }
    return "T20";
  }
  const auto proposed = game.CheckoutProposal().Hit(dart).hit;
  if (!proposed.empty())
    return proposed;
  // Without a checkout table the program's own routes show the way.
  const auto& turns = game.CurrentTurns();
  const int rest = game.CountUpTarget()
                       ? *game.CountUpTarget() - turns.score - turns.current.TurnScore(true)
                       : turns.score - turns.current.TurnScore(true);
  const auto route = BestCheckoutRoute(rest, 4 - dart, game.doubleOut);
  return route.empty() ? "T20" : route.front();
}

struct SampleGame {
  int gameIndex;
  int players;  // 1 or 2
};

constexpr SampleGame kDailyGames[] = {{4, 2},  {4, 2},  {4, 2}, {4, 2}, {5, 2},
                                      {18, 1}, {10, 1}, {3, 1}, {13, 1}};

}  // namespace

SampleDataSummary SeedSampleData(Database& database, const SampleDataPlan& plan) {
  const HitMap hitMap;
  SampleThrower thrower(hitMap, plan.seed);
  ScopedNoticeReceiver quiet([](std::string_view) {});
  database.RelaxDurabilityForBulkLoad();
  DatabaseArchive databaseArchive(database);
  DatedArchive archive(databaseArchive);
  Recorder recorder(database);
  std::vector<std::string> ids;
  std::vector<double> spreads;
  for (int p = 0; p < plan.players; ++p) {
    const auto nickname = "Spieler " + std::to_string(p + 1);
    auto id = databaseArchive.FindPlayerIdByNickname(nickname);
    ids.push_back(id ? *id : recorder.AppendPlayer("", "", nickname));
    spreads.push_back(12.0 + 16.0 * p / std::max(1, plan.players - 1));
  }
  const double lastDay = plan.lastDay > 0 ? plan.lastDay : std::floor(DateTimeNow()) - 1;
  SilentView view;
  StartOptions start;
  start.trainingRounds = 10;
  for (int day = plan.days - 1; day >= 0; --day) {
    for (int p = 0; p < plan.players; ++p) {
      double minute = 17 * 60 + 7 * p;
      for (const auto& sample : kDailyGames) {
        const auto& entry = *FindCatalogEntry(sample.gameIndex);
        auto game = CreateGame(entry);
        ApplyStartOptions(entry, *game, start);
        for (int k = 0; k < sample.players; ++k) {
          const auto index = static_cast<std::size_t>((p + k) % plan.players);
          game->AddPlayer(std::make_unique<Player>(ids[index], &archive));
        }
        game->SetArchive(&archive);
        game->InitGameType();
        game->NewGame();
        // Some games record aims, the others the darts at the marked doubles.
        SessionOptions options;
        options.aimInput = sample.gameIndex != 4;
        GameSession session(*game, entry.panel, hitMap, view, options);
        session.Start();
        minute += 12;
        archive.when = lastDay - day + minute / (24 * 60);
        for (int dart = 0; dart < 600 && !session.Result(); ++dart) {
          const auto& player = game->CurrentPlayer();
          const auto spread = spreads[static_cast<std::size_t>(
              std::find(ids.begin(), ids.end(), player.playerId) - ids.begin())];
          const auto aim = AimFor(session);
          if (entry.panel != ModePanel::Target) {
            const auto point = *AimPointFor(aim);
            session.Click(MouseButton::Right, point.x, point.y);
          }
          const auto landing = thrower.Throw(aim, spread);
          session.Click(MouseButton::Left, landing.x, landing.y);
        }
        if (!session.Result()) {
          session.ConfirmAbort();  // a game that does not end is kept as it stands
        }
      }
    }
  }
  return {archive.games, archive.turns};
}

}  // namespace korvanti
