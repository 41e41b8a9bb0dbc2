#include "computer/DartSimulation.h"

#include <array>
#include <charconv>
#include <cmath>
#include <vector>

#include "computer/ComputerPlayer.h"
#include "engine/CheckoutRoutes.h"
#include "engine/CountDownGame.h"
#include "platform/Error.h"
#include "platform/IniFile.h"
#include "platform/NumberFormat.h"

namespace korvanti {
namespace {

constexpr int kStart = 501;
// Longer games are possible but too rare to aim at.
constexpr int kLongestGame = 200;

// The program's own routes for every rest and number of darts, made once.
const std::vector<std::string>& BuiltInRoute(int rest, int darts) {
  static const auto routes = [] {
    std::vector<std::array<std::vector<std::string>, 4>> table(171);
    for (int points = 2; points <= 170; ++points) {
      for (int left = 1; left <= 3; ++left) {
        table[static_cast<std::size_t>(points)][static_cast<std::size_t>(left)] =
            BestCheckoutRoute(points, left, true);
      }
    }
    return table;
  }();
  static const std::vector<std::string> kNone;
  if (rest < 2 || rest > 170 || darts < 1 || darts > 3) {
    return kNone;
  }
  return routes[static_cast<std::size_t>(rest)][static_cast<std::size_t>(darts)];
}

// The first code of a table entry ("T20,T20,D25").
std::string FirstCode(const std::string& entry) {
  auto code = entry.substr(0, entry.find(','));
  code.erase(0, code.find_first_not_of(' '));
  code.erase(code.find_last_not_of(' ') + 1);
  return code;
}

// The most games an exact search plays from this spread: every level up to
// the weakest, each with its games.
int MostExactGames(double spread) {
  int levels = 1;
  for (; spread + DartSimulation::kExactStep < DartSimulation::kWeakestSpread; ++levels) {
    spread += DartSimulation::kExactStep;
  }
  return levels * DartSimulation::kGamesPerLevel;
}

std::vector<BoardPoint> Landings(const PlayerTurns& turns) {
  std::vector<BoardPoint> positions;
  for (const auto& turn : turns.Turns()) {
    for (const auto& dart : turn.hits) {
      positions.push_back({dart.hitX, dart.hitY});
    }
  }
  return positions;
}

}  // namespace

double DartSimulation::StartSpread(int targetAverage) {
  return targetAverage <= 50 ? 1.0 : 0.3;
}

double DartSimulation::GaussRandom(double mean, double sd, UniformRandom& random) {
  double u = 0;
  double s = 0;
  do {
    u = 2 * random.Next() - 1;
    const double v = 2 * random.Next() - 1;
    s = u * u + v * v;
  } while (s <= 0 || s >= 1);
  return sd * u * std::sqrt(-2 * std::log(s) / s) + mean;
}

void DartSimulation::Scatter(BoardPoint& position, double spread, UniformRandom& random) {
  position.x += static_cast<int>(RoundHalfEven(10 * GaussRandom(0, spread, random)));
  position.y += static_cast<int>(RoundHalfEven(10 * GaussRandom(0, spread, random)));
}

BoardPoint DartSimulation::AimPoint(std::string_view code, BoardPoint position) {
  return AimPointFor(code).value_or(position);
}

// A missing or unusable strength table is named as such, so that the
// message does not blame the chosen average.
void DartSimulation::CheckStrengthTable(const std::filesystem::path& strengthFile) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(strengthFile, error)) {
    throw Error("Die Stärketabelle \"" + strengthFile.string() +
                "\" fehlt. Sie wird beim nächsten Start des Programms wieder angelegt.");
  }
  constexpr int kLowest = 1;
  constexpr int kHighest = 180;
  for (int average = kLowest; average <= kHighest; ++average) {
    if (ReadSpread(strengthFile, average) > 0) {
      return;
    }
  }
  throw Error("Die Stärketabelle \"" + strengthFile.string() +
              "\" ist beschädigt: sie enthält keinen gültigen Eintrag. Wird sie gelöscht, legt "
              "das Programm beim nächsten Start die mitgelieferte wieder an.");
}

double DartSimulation::ReadSpread(const std::filesystem::path& strengthFile, int average) {
  auto text = IniFile(strengthFile).ReadString("AvgListBig", std::to_string(average), "");
  for (auto& c : text) {
    if (c == ',')
      c = '.';
  }
  double spread = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), spread);
  return error == std::errc() && end == text.data() + text.size() && spread > 0 ? spread : 0.0;
}

bool DartSimulation::AcceptsAverage(double average, int targetAverage, int toleranceUp,
                                    int toleranceDown) {
  const double low = targetAverage - toleranceDown;
  const double high = targetAverage + toleranceUp;
  constexpr double kSame = 1e-9;
  if (average >= low - kSame && average <= high + kSame) {
    return true;
  }
  // A finished game averages 501 / k for its k turns. When no such value lies
  // in the window, the nearest one is the closest a game can come.
  double nearest = kStart / 3.0;
  for (int turns = 3; turns <= kLongestGame; ++turns) {
    const double value = static_cast<double>(kStart) / turns;
    if (value >= low - kSame && value <= high + kSame) {
      return false;
    }
    if (std::fabs(value - targetAverage) < std::fabs(nearest - targetAverage)) {
      nearest = value;
    }
  }
  return std::fabs(average - nearest) < kSame;
}

std::string DartSimulation::LandingField(const HitMap& hitMap, BoardPoint position) {
  // The game screen moves a coordinate outside the picture to 0 and tells
  // when both were; here that is just a miss.
  const int x = position.x >= 0 && position.x < HitMap::Width() ? position.x : 0;
  const int y = position.y >= 0 && position.y < HitMap::Height() ? position.y : 0;
  return hitMap.FieldAt(x, y);
}

std::string DartSimulation::ChooseAim(int rest, int dart, const CheckoutTable& table,
                                      UniformRandom& random) {
  if (rest < 2) {
    return {};
  }
  const int dartsLeft = 4 - dart;
  if (const auto entry = table.Lookup(true, dartsLeft, rest)) {
    // The table's dart for this position of the turn.
    return FirstCode(*entry);
  }
  if (rest > 170) {
    const double r = 10 * random.Next();
    return r > 4 ? "T20" : r > 1 ? "T19" : "T18";
  }
  if (rest > 100) {
    return rest % 2 == 0 ? "T20" : "T19";
  }
  // No table, or no entry: the program's own route keeps the thrower going
  // (with no target at all the game would never end).
  for (const int darts : {dartsLeft, 3}) {
    const auto& route = BuiltInRoute(rest, darts);
    if (!route.empty()) {
      return route.front();
    }
  }
  return "T20";
}

bool DartSimulation::PlayGameWith(SimulationContext& context, Game& game, bool recordAims,
                                  const DartThrow& throwDart) {
  auto& turns = game.CurrentTurns();
  BoardPoint position;
  while (!game.IsFinished()) {
    if (turns.Count() >= static_cast<std::size_t>(kMostTurns)) {
      return false;
    }
    while (!turns.current.IsComplete() && !game.IsFinished()) {
      const int k = turns.current.FirstEmptyHit();
      const int rest = turns.score - turns.current.TurnScore(false);
      const auto aim = ChooseAim(rest, k, game.checkoutTable, context.random);
      position = aim.empty() ? BoardPoint{0, 0} : AimPoint(aim, position);
      const auto aimedAt = position;
      std::string code = "0";
      if (position.x != 0 && position.y != 0) {
        code = throwDart(position);
      }
      auto& dart = turns.current.Hit(k);
      if (recordAims && !aim.empty()) {
        dart.aim = aim;
        dart.aimX = aimedAt.x;
        dart.aimY = aimedAt.y;
      }
      dart.hit = code;
      dart.hitX = position.x;
      dart.hitY = position.y;
      game.IsTurnValid();
    }
    game.CheckIn();
  }
  return true;
}

bool DartSimulation::PlayGame(SimulationContext& context, Game& game, double spread) {
  // A dart on a wire bounces out and is thrown again from where it fell.
  return PlayGameWith(context, game, false, [&](BoardPoint& position) {
    std::string code;
    do {
      Scatter(position, spread, context.random);
      code = LandingField(context.hitMap, position);
    } while (code == "00");
    return code;
  });
}

BoardPoint DartSimulation::ScatterAround(BoardPoint aim, const korvanti::Scatter& scatter,
                                         UniformRandom& random) {
  const double z1 = GaussRandom(0, 1, random);
  const double z2 = GaussRandom(0, 1, random);
  const auto offset = OffsetFor(scatter, z1, z2);
  return {aim.x + static_cast<int>(RoundHalfEven(offset.x)),
          aim.y + static_cast<int>(RoundHalfEven(offset.y))};
}

bool DartSimulation::PlayGame(SimulationContext& context, Game& game,
                              const korvanti::Scatter& scatter) {
  // A dart on a wire is thrown again at the same aim point; a scatter that
  // keeps hitting the wire (none a player has) counts as a miss in the end.
  constexpr int kMostThrows = 1000;
  return PlayGameWith(context, game, true, [&](BoardPoint& position) {
    const auto aim = position;
    for (int attempt = 0; attempt < kMostThrows; ++attempt) {
      position = ScatterAround(aim, scatter, context.random);
      auto code = LandingField(context.hitMap, position);
      if (code != "00") {
        return code;
      }
    }
    return std::string("0");
  });
}

std::unique_ptr<Game> DartSimulation::NewSimulatedGame(SimulationContext& context) {
  auto game = std::make_unique<Solo501Training>();
  game->checkoutTable = CheckoutTable(context.checkoutFile);
  game->checkoutTable.Freeze();
  game->AddPlayer(std::make_unique<ComputerPlayer>());
  game->InitGameType();
  game->NewGame();
  return game;
}

namespace {

template <typename Thrower>
double MeanAverageOf(SimulationContext& context, const Thrower& thrower, int games) {
  auto game = DartSimulation::NewSimulatedGame(context);
  double sum = 0;
  for (int i = 0; i < games; ++i) {
    game->NewGame();
    DartSimulation::PlayGame(context, *game, thrower);
    sum += game->CurrentTurns().Average();
  }
  return games > 0 ? sum / games : 0.0;
}

}  // namespace

double DartSimulation::MeanAverage(SimulationContext& context, double spread, int games) {
  return MeanAverageOf(context, spread, games);
}

double DartSimulation::MeanAverage(SimulationContext& context, const korvanti::Scatter& scatter,
                                   int games) {
  return MeanAverageOf(context, scatter, games);
}

std::vector<BoardPoint> DartSimulation::GetHitList(SimulationContext& context,
                                                   const korvanti::Scatter& scatter,
                                                   const PreparationProgress& progress,
                                                   std::stop_token stop) {
  auto game = NewSimulatedGame(context);
  for (int played = 1; played <= kGamesPerLevel && !stop.stop_requested(); ++played) {
    const bool finished = PlayGame(context, *game, scatter);
    if (progress) {
      progress(played, kGamesPerLevel);
    }
    if (finished) {
      return Landings(game->CurrentTurns());
    }
    game->NewGame();
  }
  return {};  // the routes do not finish
}

std::vector<BoardPoint> DartSimulation::GetHitList(SimulationContext& context, int targetAverage,
                                                   int toleranceUp, int toleranceDown,
                                                   bool exactAverage,
                                                   const PreparationProgress& progress,
                                                   std::stop_token stop) {
  double spread =
      exactAverage ? StartSpread(targetAverage) : ReadSpread(context.strengthFile, targetAverage);
  if (spread == 0) {
    if (!exactAverage) {
      CheckStrengthTable(context.strengthFile);
    }
    return {};  // no strength for this average; the caller says so
  }
  const int most = exactAverage ? MostExactGames(spread) : kGamesPerLevel;
  auto game = NewSimulatedGame(context);
  int rejected = 0;
  int unfinishedInARow = 0;
  for (int played = 1; !stop.stop_requested(); ++played) {
    const bool finished = PlayGame(context, *game, spread);
    if (progress) {
      progress(played, most);
    }
    const auto& turns = game->CurrentTurns();
    if (finished && (!exactAverage ||
                     AcceptsAverage(turns.Average(), targetAverage, toleranceUp, toleranceDown))) {
      return Landings(turns);
    }
    unfinishedInARow = finished ? 0 : unfinishedInARow + 1;
    if (unfinishedInARow >= kGamesPerLevel) {
      return {};  // the routes do not finish
    }
    if (exactAverage && ++rejected > kGamesPerLevel - 1) {
      rejected = 0;
      spread += kExactStep;
      if (spread >= kWeakestSpread) {
        return {};  // no game came close enough
      }
    }
    game->NewGame();
  }
  return {};
}

}  // namespace korvanti
