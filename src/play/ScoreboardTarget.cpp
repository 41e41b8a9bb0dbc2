#include <algorithm>
#include <string>

#include "engine/LevelTraining.h"
#include "engine/ScoredRoutine.h"
#include "play/ScoreboardParts.h"

namespace korvanti::scoreboard {
namespace {

// Two counts of hits live side by side: the exact field aimed at (the start
// window's overview counts these) and any field of the number (the end
// message and the list count these). The tooltips say which is which.
constexpr char kRunningValueHint[] =
    "Treffer genau im Zielfeld in %, in Klammern Treffer der Zahl (jedes Feld des Segments)";
constexpr char kHitsHint[] =
    "Treffer der Zahl: jedes Feld des Segments zählt, wie in der Meldung am Ende (die Übersicht "
    "im Startfenster zählt nur Treffer genau im Zielfeld)";

double Percent(int part, int whole) {
  return whole == 0 ? 0.0 : static_cast<double>(part) / whole * 100.0;
}

void FillRunningValue(const Game& game, const ModeTraits& mode, const ScoreboardContext& context,
                      Scoreboard& board) {
  const auto& player = game.CurrentPlayer();
  if (mode.pirmel != nullptr) {
    // The level's hit rate is the only rate this training keeps, so it is both shown and
    // compared with the player's long-term value.
    const double rate = mode.pirmel->LevelHitRate();
    board.runningValue = FormatFloat("0", rate, context.numbers) + " %";
    board.runningValuePaint = AgainstReference(player.referenceAverage, rate);
    return;
  }
  const auto& turns = player.turns;
  const int darts = turns.DartsThrown();
  const double segmentRate = Percent(turns.SegmentHits(), darts);
  const double aimRate = Percent(turns.AimHits(), darts);
  board.runningValue = FormatFloat("0", aimRate, context.numbers) + " (" +
                       FormatFloat("0", segmentRate, context.numbers) + ")%";
  board.runningValueHint = kRunningValueHint;
  board.runningValuePaint = AgainstReference(player.referenceAverage, segmentRate);
}

void FillList(const Game& game, const ModeTraits& mode, const ScoreboardContext& context,
              Scoreboard& board) {
  auto& columns = board.players.columns;
  columns = {{"Player", 100}};
  if (mode.routine != nullptr) {
    columns.insert(columns.end(), {{"Punkte", 100},
                                   {"Ziel", 100, "Das nächste Ziel des Spielers"},
                                   {"Treffer", 100, "Darts im Ziel ihrer Runde"}});
    for (std::size_t i = 0; i < game.players.Count(); ++i) {
      const auto& turns = game.players.At(i).turns;
      auto& row = AddPlayerRow(board, game, i);
      row.cells.insert(row.cells.end(),
                       {std::to_string(turns.score), mode.routine->PlayerTarget(turns),
                        std::to_string(mode.routine->HitsOnTargets(turns))});
    }
    return;
  }
  if (mode.segmentTable) {
    columns.insert(columns.end(), {{"Hits", 100, kHitsHint},
                                   {"Trys", 100, "Geworfene Darts"},
                                   {"Avg.", 100, "Treffer der Zahl je geworfenem Dart"}});
  } else {
    columns.push_back({"Last hit", 200});
  }
  for (std::size_t i = 0; i < game.players.Count(); ++i) {
    const auto& turns = game.players.At(i).turns;
    auto& row = AddPlayerRow(board, game, i);
    row.cells.push_back(std::to_string(turns.score));
    if (mode.segmentTable) {
      row.cells.push_back(std::to_string(turns.progress));
      row.cells.push_back(
          turns.progress == 0
              ? "0 %"
              : FormatFloat("0.00", Percent(turns.score, turns.progress), context.numbers) + " %");
    }
  }
}

std::optional<std::string> RoundsToGo(const Game& game, const ModeTraits& mode) {
  if (mode.pirmel != nullptr) {
    return std::to_string(mode.pirmel->level) + " Level";
  }
  if (mode.roundsToGo) {
    // After the last round the counter has moved past the limit; nothing is left then.
    return std::to_string(std::max(game.rounds - game.round, 0)) + " übrig";
  }
  return std::nullopt;
}

}  // namespace

void FillTarget(const Game& game, const ModeTraits& mode, const ScoreboardContext& context,
                Scoreboard& board) {
  FillRunningValue(game, mode, context, board);
  FillList(game, mode, context, board);
  board.roundsToGo = RoundsToGo(game, mode);
  if (game.HasProposal()) {
    const auto targets = game.CurrentTargets();
    // A round whose target is no single field ("15", "D" for any double)
    // names it for the darts still to throw.
    const auto label = game.TargetText();
    const int firstFree = game.CurrentTurns().current.FirstEmptyHit();
    for (int n = 1; n <= 3; ++n) {
      auto target = targets.Hit(n).aim;
      if (target.empty() && firstFree != 0 && n >= firstFree) {
        target = label;
      }
      board.nextTargets[static_cast<std::size_t>(n - 1)] = target;
    }
  }
}

}  // namespace korvanti::scoreboard
