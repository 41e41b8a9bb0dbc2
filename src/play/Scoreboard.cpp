#include "play/Scoreboard.h"

#include <system_error>

#include "engine/CatchForty.h"
#include "engine/CricketGame.h"
#include "engine/DesignedTraining.h"
#include "engine/Elimination.h"
#include "engine/LevelTraining.h"
#include "engine/RoundTheBoard.h"
#include "engine/ScoredRoutine.h"
#include "engine/SegmentTrainings.h"
#include "play/ScoreboardParts.h"

namespace korvanti {
namespace scoreboard {

ModeTraits ClassifyMode(const Game& game) {
  ModeTraits mode;
  mode.cricket = dynamic_cast<const CricketGame*>(&game);
  mode.cricketMaster = dynamic_cast<const MasterCricketGame*>(&game) != nullptr;
  mode.countsUp = dynamic_cast<const Elimination*>(&game) != nullptr;
  // The free and the self-defined trainings are built on the segment machinery too,
  // but list and count like the other target games.
  mode.segmentTable = dynamic_cast<const SegmentTraining*>(&game) != nullptr &&
                      dynamic_cast<const DesignedTraining*>(&game) == nullptr &&
                      dynamic_cast<const FreeThrowTraining*>(&game) == nullptr;
  mode.roundsToGo = mode.segmentTable || dynamic_cast<const Shanghai*>(&game) != nullptr;
  mode.pirmel = dynamic_cast<const LevelTraining*>(&game);
  mode.routine = dynamic_cast<const ScoredRoutine*>(&game);
  mode.catchForty = dynamic_cast<const CatchForty*>(&game);
  return mode;
}

PlayerListRow& AddPlayerRow(Scoreboard& board, const Game& game, std::size_t player) {
  auto& row = board.players.rows.emplace_back();
  row.cells.push_back(game.players.At(player).nickname);
  row.paint = static_cast<int>(player) == game.LeaderIndex() ? Paint::Green : Paint::Black;
  row.selected = static_cast<int>(player) == game.CurrentPlayerIndex();
  return row;
}

}  // namespace scoreboard

namespace {

bool IsFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

// A nickname is typed by the user: it names a picture only when it is a plain file name,
// so that "../x" cannot reach outside the pictures folder.
bool IsPlainFileName(const std::string& name) {
  if (name.empty() || name == "." || name == ".." ||
      name.find_first_of(std::string("/\\\0", 3)) != std::string::npos) {
    return false;
  }
  return true;
}

std::optional<std::filesystem::path> PlayerPicture(const std::filesystem::path& folder,
                                                   const std::string& nickname) {
  if (folder.empty()) {
    return std::nullopt;
  }
  if (IsPlainFileName(nickname)) {
    auto own = folder / "pictures" / (nickname + ".jpg");
    if (IsFile(own)) {
      return own;
    }
  }
  auto common = folder / "player.bmp";
  if (IsFile(common)) {
    return common;
  }
  return std::nullopt;
}

}  // namespace

Scoreboard BuildScoreboard(const Game& game, ModePanel panel, const ScoreboardContext& context) {
  Scoreboard board;
  board.panel = panel;
  if (game.players.Count() == 0) {
    return board;
  }
  const auto& player = game.CurrentPlayer();
  board.nickname = player.nickname;
  if (context.playerChanged) {
    board.nameOverBoard = player.nickname;
  }
  board.points = std::to_string(player.turns.score);
  board.picture = PlayerPicture(context.programFolder, player.nickname);
  board.round = std::to_string(game.round);

  const auto mode = scoreboard::ClassifyMode(game);
  switch (panel) {
    case ModePanel::CountDown:
      scoreboard::FillCountDown(game, mode, context, board);
      break;
    case ModePanel::Cricket:
      if (mode.cricket != nullptr) {
        scoreboard::FillCricket(*mode.cricket, mode, context, board);
      }
      break;
    case ModePanel::Target:
      scoreboard::FillTarget(game, mode, context, board);
      break;
  }
  return board;
}

}  // namespace korvanti
