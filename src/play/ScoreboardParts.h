#pragma once

// The panels of the scoreboard, each filled by its own file.

#include <cstddef>

#include "play/Scoreboard.h"

namespace korvanti {

class CatchForty;
class CricketGame;
class LevelTraining;
class ScoredRoutine;

namespace scoreboard {

// What sets a mode's displays apart from the others of its panel.
struct ModeTraits {
  const CricketGame* cricket = nullptr;
  bool cricketMaster = false;
  bool countsUp = false;      // Elimination: the score counts up to its target
  bool segmentTable = false;  // the fixed segment trainings: hits, tries and rate per player
  bool roundsToGo = false;
  const LevelTraining* pirmel = nullptr;
  const ScoredRoutine* routine = nullptr;  // Bob's 27, Halve-It: target and hits per player
  const CatchForty* catchForty = nullptr;  // target, darts left and points per player
};

ModeTraits ClassifyMode(const Game& game);

// The running value is red while it has not got above the player's long-term value.
inline Paint AgainstReference(double referenceAverage, double value) {
  return referenceAverage >= value ? Paint::Red : Paint::Green;
}

// A row with the player's nickname, green for the leader, selected for the player on turn.
PlayerListRow& AddPlayerRow(Scoreboard& board, const Game& game, std::size_t player);

void FillCountDown(const Game& game, const ModeTraits& mode, const ScoreboardContext& context,
                   Scoreboard& board);
void FillCricket(const CricketGame& game, const ModeTraits& mode, const ScoreboardContext& context,
                 Scoreboard& board);
void FillTarget(const Game& game, const ModeTraits& mode, const ScoreboardContext& context,
                Scoreboard& board);

}  // namespace scoreboard
}  // namespace korvanti
