#pragma once

#include <cmath>
#include <random>
#include <string>

#include "engine/AimPoints.h"
#include "engine/HitMap.h"
#include "engine/Turn.h"
#include "platform/Guid.h"
#include "store/Recorder.h"

namespace korvanti::testing {

// What a stored game of aimed darts looks like: every dart aimed at one field
// and landing around its aim point with a normal scatter of `sigma` pixels,
// moved by the bias.
struct AimedGamePlan {
  std::string key = "const501dout";
  double when = 0;
  std::string aim = "T20";
  int turns = 10;
  double sigma = 12;
  double biasX = 0;
  double biasY = 0;
  unsigned seed = 20261210;
};

// Stores the game (never won) and returns its id.
inline std::string AppendAimedGame(Recorder& recorder, const std::string& playerId,
                                   const AimedGamePlan& plan) {
  static const HitMap map;
  const auto at = *AimPointFor(plan.aim);
  std::mt19937 random(plan.seed);
  std::normal_distribution<double> normal(0, plan.sigma);
  const auto gameId = NewGuidString();
  for (int k = 0; k < plan.turns; ++k) {
    Turn turn;
    turn.turnId = NewGuidString();
    for (int n = 1; n <= 3; ++n) {
      auto& dart = turn.Hit(n);
      dart.hitX = static_cast<int>(std::lround(at.x + plan.biasX + normal(random)));
      dart.hitY = static_cast<int>(std::lround(at.y + plan.biasY + normal(random)));
      dart.hit = map.FieldAt(dart.hitX, dart.hitY);
      dart.aim = plan.aim;
      dart.aimX = at.x;
      dart.aimY = at.y;
    }
    recorder.AppendThrow(turn, gameId, playerId);
  }
  recorder.AppendGame(gameId, plan.key, plan.when, NewGuidString());
  return gameId;
}

}  // namespace korvanti::testing
