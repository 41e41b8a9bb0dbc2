#include <string>

#include "engine/CatchForty.h"
#include "play/ScoreboardParts.h"

namespace korvanti::scoreboard {
namespace {

constexpr std::size_t kTurnRows = 6;

TurnRow RowOf(const Turn& turn) {
  TurnRow row;
  for (int n = 1; n <= 3; ++n) {
    row.codes[static_cast<std::size_t>(n - 1)] = turn.Hit(n).hit;
  }
  row.points = std::to_string(turn.TurnScore(false));
  return row;
}

void FillTurnRows(const PlayerTurns& turns, CountDownPanel& panel) {
  const std::size_t booked = turns.Count();
  for (std::size_t r = 0; r < kTurnRows && r < booked; ++r) {
    panel.lastTurns[r] = RowOf(turns.At(booked - 1 - r));
  }
  if (booked > kTurnRows) {
    int older = 0;
    for (std::size_t i = 0; i < booked - kTurnRows; ++i) {
      older += turns.At(i).TurnScore(false);
    }
    panel.olderTurns = {{"...", "...", "..."}, std::to_string(older)};
  }
}

// Catch 40 lists each player's target, the darts he has left on it and his points.
void FillCatchFortyList(const Game& game, Scoreboard& board) {
  board.players.columns = {{"Player", 100},
                           {"Ziel", 60, "Das Finish, das gerade zu checken ist"},
                           {"Darts übrig", 90, "Darts, die für dieses Ziel noch bleiben"},
                           {"Punkte", 70},
                           {"Checkouts", 80}};
  for (std::size_t i = 0; i < game.players.Count(); ++i) {
    const auto& turns = game.players.At(i).turns;
    const auto tally = CatchForty::Replay(turns.Turns());
    const bool done = tally.target >= CatchForty::kTargets;
    auto& row = AddPlayerRow(board, game, i);
    const int thrown =
        tally.dartsOnTarget + (i == static_cast<std::size_t>(game.CurrentPlayerIndex())
                                   ? turns.current.DartsEntered()
                                   : 0);
    row.cells.insert(row.cells.end(),
                     {done ? "-" : std::to_string(CatchForty::kFirstTarget + tally.target),
                      done ? "-" : std::to_string(CatchForty::kDartsPerTarget - thrown),
                      std::to_string(tally.points), std::to_string(tally.checkouts)});
  }
}

}  // namespace

void FillCountDown(const Game& game, const ModeTraits& mode, const ScoreboardContext& context,
                   Scoreboard& board) {
  const auto& player = game.CurrentPlayer();
  const auto& turns = player.turns;
  board.runningValue = FormatFloat("0.00", turns.Average(), context.numbers);
  board.runningValuePaint = AgainstReference(player.referenceAverage, turns.Average());

  auto& panel = board.countDown;
  FillTurnRows(turns, panel);
  // The darts entered so far, bust or not: the player sees what he threw.
  const int entered = turns.current.TurnScore(true);
  panel.turnPoints = std::to_string(entered);
  if (turns.current.counts) {
    panel.remaining = std::to_string(mode.countsUp ? turns.score + entered : turns.score - entered);
    panel.remainingPaint = Paint::Green;
    panel.remainingCaption = mode.countsUp ? "Points" : "Übrig:";
  } else {
    // A bust leaves the points as they were before the turn.
    panel.remaining = std::to_string(turns.score);
    panel.remainingPaint = Paint::Red;
    panel.remainingCaption = "Überworfen";
    panel.remainingCaptionPaint = Paint::Red;
  }

  if (mode.catchForty != nullptr) {
    FillCatchFortyList(game, board);
    return;
  }
  board.players.columns = {
      {"Player", 150}, {mode.countsUp ? "Points" : "Points left", 150}, {"Avg.", 100}};
  for (std::size_t i = 0; i < game.players.Count(); ++i) {
    const auto& listed = game.players.At(i).turns;
    auto& row = AddPlayerRow(board, game, i);
    row.cells.push_back(std::to_string(listed.score));
    row.cells.push_back(FormatFloat("0.00", listed.Average(), context.numbers));
  }
}

}  // namespace korvanti::scoreboard
