#include <algorithm>
#include <string>

#include "engine/CricketGame.h"
#include "play/ScoreboardParts.h"

namespace korvanti::scoreboard {
namespace {

constexpr int kClosed = 3;

int ShownMarks(const PlayerTurns& turns, int number) {
  return std::min(turns.MarksOnNumber(number, true), kClosed);
}

CricketTile ClosedTile(const CricketGame& game, const ModeTraits& mode, int number) {
  if (!game.AnyoneOpen(number, true)) {
    return CricketTile::Black;
  }
  // In master cricket a closed number scores only once all numbers are closed.
  if (mode.cricketMaster && !game.AllNumbersClosed(game.CurrentPlayer())) {
    return CricketTile::Black;
  }
  return CricketTile::Green;
}

CricketTile OpenTile(const CricketGame& game, const ModeTraits& mode, int number) {
  if (!game.OthersOpen(number)) {
    return CricketTile::RedBlackFrame;
  }
  if (!mode.cricketMaster) {
    return CricketTile::RedGreenFrame;
  }
  // Master cricket scores a spare mark only after an earlier dart of the turn hit the
  // number: two darts beside it leave no chance, and two booked marks close it with the
  // first dart that could have scored.
  const auto& turns = game.CurrentPlayer().turns;
  if (turns.current.DartsEntered() >= 2 && turns.MarksInTurn(number) == 0) {
    return CricketTile::RedBlackFrame;
  }
  if (turns.MarksOnNumber(number, false) == 2) {
    return CricketTile::RedBlackFrame;
  }
  return CricketTile::RedGreenFrame;
}

void FillTiles(const CricketGame& game, const ModeTraits& mode, CricketPanel& panel) {
  const auto& turns = game.CurrentPlayer().turns;
  for (std::size_t i = 0; i < game.numbers.size(); ++i) {
    const int number = game.numbers[i];
    auto& row = panel.rows[i];
    row.number = number;
    row.marks = ShownMarks(turns, number);
    row.tile = row.marks == kClosed ? ClosedTile(game, mode, number) : OpenTile(game, mode, number);
  }
}

// The points column shows an opponent's points after what the turn in progress takes from
// him in cut throat, computed from the darts so that a dart taken back is never still charged.
void FillList(const CricketGame& game, Scoreboard& board) {
  board.players.columns = {{"Player", 100}, {"15", 35}, {"16", 35}, {"17", 35}, {"18", 35},
                           {"19", 35},      {"20", 36}, {"B", 35},  {"P", 50}};
  const auto charges = game.PendingCharges();
  for (std::size_t i = 0; i < game.players.Count(); ++i) {
    const auto& turns = game.players.At(i).turns;
    auto& row = AddPlayerRow(board, game, i);
    for (const int number : game.numbers) {
      const int marks = ShownMarks(turns, number);
      row.cells.push_back(std::to_string(marks));
      row.markPictures.push_back(marks);
    }
    row.cells.push_back(std::to_string(turns.score - charges.at(i)));
  }
}

}  // namespace

void FillCricket(const CricketGame& game, const ModeTraits& mode, const ScoreboardContext& context,
                 Scoreboard& board) {
  const auto& player = game.CurrentPlayer();
  board.points = std::to_string(player.turns.score + game.PendingPoints());
  const double marksPerRound = player.turns.MarksPerRound();
  board.runningValue = FormatFloat("0.00", marksPerRound, context.numbers);
  board.runningValuePaint = AgainstReference(player.referenceAverage, marksPerRound);
  FillTiles(game, mode, board.cricket);
  FillList(game, board);
}

}  // namespace korvanti::scoreboard
