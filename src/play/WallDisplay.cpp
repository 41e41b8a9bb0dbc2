#include "play/WallDisplay.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <typeinfo>
#include <utility>

#include "engine/CricketGame.h"
#include "engine/GameCatalog.h"
#include "play/GameSession.h"

namespace korvanti {
namespace {

// The captions of the list's columns that carry a player's main figure, the first found wins.
constexpr std::array<std::string_view, 5> kFigureCaptions = {"Points left", "Points", "P", "Punkte",
                                                             "Hits"};

std::size_t FigureColumn(const PlayerTable& table) {
  for (const auto caption : kFigureCaptions) {
    const auto found = std::find_if(table.columns.begin(), table.columns.end(),
                                    [&](const auto& column) { return column.caption == caption; });
    if (found != table.columns.end()) {
      return static_cast<std::size_t>(found - table.columns.begin());
    }
  }
  return 1;
}

// The player on turn reads the game screen's own big figure: in a count-down
// game the points left after the darts of his turn so far, in cricket his
// points with those of the turn in progress.
std::string OnTurnFigure(const Scoreboard& board, const std::string& listed,
                         std::string_view columnCaption) {
  if (board.panel == ModePanel::CountDown &&
      (columnCaption == "Points left" || columnCaption == "Points")) {
    return board.countDown.remaining;
  }
  if (board.panel == ModePanel::Cricket) {
    return board.points;
  }
  return listed;
}

// The cricket variants share their key: the entry that builds this class with this rule.
bool EntryBuilds(const GameCatalogEntry& entry, const Game& game) {
  const auto* cricket = dynamic_cast<const CricketGame*>(&game);
  if (cricket == nullptr) {
    return true;
  }
  const auto built = CreateGame(entry);
  return typeid(*built) == typeid(game) &&
         entry.Takes(StartOption::CutThroat) == cricket->cutThroat;
}

std::string GameName(const Game& game) {
  for (const auto& entry : GameCatalog()) {
    if (entry.gameTypeKey == game.gameTypeKey && EntryBuilds(entry, game)) {
      // The star marks the start window's entries with options of their own.
      auto label = std::string(entry.label);
      if (label.ends_with('*')) {
        label.pop_back();
      }
      return label;
    }
  }
  return {};
}

std::string Joined(std::string_view first, std::string_view second, std::string_view between) {
  if (first.empty() || second.empty()) {
    return std::string(first.empty() ? second : first);
  }
  return std::string(first) + std::string(between) + std::string(second);
}

std::string TurnText(const Turn& turn, ModePanel panel) {
  if (panel == ModePanel::Cricket) {
    const int marks = turn.MarksSum();
    return std::to_string(marks) + (marks == 1 ? " Mark" : " Marks");
  }
  if (panel == ModePanel::CountDown && !turn.counts) {
    return "Überworfen";
  }
  return std::to_string(turn.TurnScore(false));
}

// The turns go round in order of play, so the last booked one is the latest
// in that round robin; a player who has finished early drops out of it.
std::string LastTurn(const PlayerList& players, ModePanel panel) {
  const Player* thrower = nullptr;
  std::size_t latest = 0;
  for (std::size_t i = 0; i < players.Count(); ++i) {
    const auto& turns = players.At(i).turns;
    if (turns.Empty()) {
      continue;
    }
    const auto place = (turns.Count() - 1) * players.Count() + i;
    if (thrower == nullptr || place >= latest) {
      thrower = &players.At(i);
      latest = place;
    }
  }
  return thrower == nullptr ? std::string()
                            : thrower->nickname + ": " + TurnText(thrower->turns.Last(), panel);
}

std::string Proposal(const std::array<std::string, 3>& fields) {
  std::string text;
  for (const auto& field : fields) {
    text = Joined(text, field, " ");
  }
  return text;
}

}  // namespace

WallDisplay BuildWallDisplay(const GameSession& session) {
  const auto& game = session.PlayedGame();
  const auto& match = session.Match();
  const auto board = session.Board();
  WallDisplay wall;
  wall.caption = Joined(GameName(game), board.matchCaption, " – ");

  const auto column = FigureColumn(board.players);
  const auto columnCaption = column < board.players.columns.size()
                                 ? std::string_view(board.players.columns[column].caption)
                                 : std::string_view();
  std::vector<std::pair<std::size_t, WallPlayer>> placed;
  for (std::size_t i = 0; i < game.players.Count() && i < board.players.rows.size(); ++i) {
    const auto& player = game.players.At(i);
    const auto& cells = board.players.rows[i].cells;
    WallPlayer shown;
    shown.nickname = player.nickname;
    shown.onTurn = static_cast<int>(i) == game.CurrentPlayerIndex();
    shown.figure = column < cells.size() ? cells[column] : std::string();
    if (shown.onTurn) {
      shown.figure = OnTurnFigure(board, shown.figure, columnCaption);
    }
    if (match.IsMatch()) {
      shown.legs = match.LegsOf(player);
      if (match.Format().HasSets()) {
        shown.sets = match.SetsOf(player);
      }
    }
    placed.emplace_back(match.IndexOf(player).value_or(game.players.Count() + i), std::move(shown));
  }
  std::stable_sort(placed.begin(), placed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (auto& [place, shown] : placed) {
    wall.players.push_back(std::move(shown));
  }

  wall.lastTurn = LastTurn(game.players, board.panel);
  wall.proposal = Proposal(board.proposalFields);
  if (!wall.proposal.empty()) {
    wall.proposalCaption = board.panel == ModePanel::CountDown ? "Checkout" : "Ziel";
  }
  return wall;
}

}  // namespace korvanti
