#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/Scatter.h"
#include "engine/AimPoints.h"
#include "engine/CheckoutTable.h"
#include "engine/Game.h"
#include "engine/HitMap.h"
#include "platform/Random.h"

namespace korvanti {

// Told how far a preparation has come: work done of the most it may take. It
// is called from the thread that runs the preparation.
using PreparationProgress = std::function<void(int done, int total)>;

// What a simulation needs from its caller: the random generator, the hit map
// and the program folder's files.
struct SimulationContext {
  UniformRandom& random;
  const HitMap& hitMap;
  std::filesystem::path strengthFile{"ki.ini"};
  std::filesystem::path checkoutFile{"checkout.ini"};
};

// Simulated 501 double-out games for the computer opponent. A thrower aims
// every dart at a field by a fixed strategy and lands around the aim point
// with a normally distributed error; the spread sets the strength.
class DartSimulation {
 public:
  static constexpr double kExactStep = 0.02;
  static constexpr double kWeakestSpread = 5.5;
  static constexpr int kGamesPerLevel = 51;
  // A game still open after this many turns is given up: its routes do not
  // finish (a checkout table that never aims at a double), or hardly ever.
  static constexpr int kMostTurns = 100;

  // A fresh simulated game: 501 double out for one computer player, with the
  // context's checkout table read once.
  static std::unique_ptr<Game> NewSimulatedGame(SimulationContext& context);
  // Plays one game of 501 double out to its end with the given spread; the
  // game's player holds the turns afterwards. False when the game was still
  // open after `kMostTurns` turns.
  static bool PlayGame(SimulationContext& context, Game& game, double spread);
  // The mean three-dart average of that many games at the spread.
  static double MeanAverage(SimulationContext& context, double spread, int games);

  // The same with a measured scatter (bias and covariance, pixels) instead of
  // the round spread: same strategy and aim points. Every dart records its aim.
  static bool PlayGame(SimulationContext& context, Game& game, const korvanti::Scatter& scatter);
  static double MeanAverage(SimulationContext& context, const korvanti::Scatter& scatter,
                            int games);
  // The landing positions of the first game that finishes with the scatter,
  // three a turn; empty when `kGamesPerLevel` games in a row did not finish,
  // or when `stop` was requested (looked at after every game).
  static std::vector<BoardPoint> GetHitList(SimulationContext& context,
                                            const korvanti::Scatter& scatter,
                                            const PreparationProgress& progress = {},
                                            std::stop_token stop = {});
  // Where a dart aimed at the point lands with the scatter.
  static BoardPoint ScatterAround(BoardPoint aim, const korvanti::Scatter& scatter,
                                  UniformRandom& random);

  // The landing positions of one accepted game, three a turn (a dart not
  // thrown lies at 0, 0); empty when the spread was refused, when no game
  // came close enough, when `kGamesPerLevel` games in a row did not finish, or
  // when `stop` was requested (looked at after every game, so a search of
  // thousands of games ends within one). Reports each game played to
  // `progress`. Raises no notices: it may run away from the window.
  static std::vector<BoardPoint> GetHitList(SimulationContext& context, int targetAverage,
                                            int toleranceUp, int toleranceDown, bool exactAverage,
                                            const PreparationProgress& progress = {},
                                            std::stop_token stop = {});
  // Throws Error naming the strength table when it is missing or holds no
  // valid entry at all.
  static void CheckStrengthTable(const std::filesystem::path& strengthFile);

  // Where the exact search starts: a strong thrower, a weaker one for low targets.
  static double StartSpread(int targetAverage);
  // The spread for an average from the strength table; 0 when it has none.
  static double ReadSpread(const std::filesystem::path& strengthFile, int average);
  // The aim point of a code; a code without one leaves the position as it was.
  static BoardPoint AimPoint(std::string_view code, BoardPoint position);
  static void Scatter(BoardPoint& position, double spread, UniformRandom& random);
  // Polar method; only the first of the pair is used.
  static double GaussRandom(double mean, double sd, UniformRandom& random);

  // Whether an exact-mode game's average is accepted: inside the window, or,
  // when no game can end inside it, the one value nearest to the target.
  static bool AcceptsAverage(double average, int targetAverage, int toleranceUp, int toleranceDown);
  // The code aimed at for dart k with `rest` points still needed, or empty for no field.
  static std::string ChooseAim(int rest, int dart, const CheckoutTable& table,
                               UniformRandom& random);
  // The field a landing position decodes to, as the game screen decodes it.
  static std::string LandingField(const HitMap& hitMap, BoardPoint position);

 private:
  // Moves the position from the aim point to where the dart counts and
  // returns its field code.
  using DartThrow = std::function<std::string(BoardPoint& position)>;
  static bool PlayGameWith(SimulationContext& context, Game& game, bool recordAims,
                           const DartThrow& throwDart);
};

}  // namespace korvanti
