#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/Game.h"
#include "engine/GameCatalog.h"
#include "engine/HitMapColours.h"
#include "platform/NumberFormat.h"

namespace korvanti {

// The colours of the game screen's figures and rows.
enum class Paint { Black, Green, Red };

constexpr Rgb ToRgb(Paint paint) {
  switch (paint) {
    case Paint::Green:
      return {5, 188, 88};
    case Paint::Red:
      return {255, 0, 0};
    case Paint::Black:
      break;
  }
  return {0, 0, 0};
}

// What the scoreboard needs besides the game.
struct ScoreboardContext {
  // Where "pictures/<nickname>.jpg" and "player.bmp" are looked for; empty: no picture.
  std::filesystem::path programFolder;
  NumberSeparators numbers;
  // The turn has just passed to another player: only then is the name written over the board.
  bool playerChanged = false;
};

// Three dart codes and their points.
struct TurnRow {
  std::array<std::string, 3> codes;
  std::string points;
};

struct CountDownPanel {
  // "..." three times and the points of all turns older than the six rows; blank up to six turns.
  TurnRow olderTurns;
  // [0] is the last booked turn, [5] the sixth last; rows without a turn are blank.
  std::array<TurnRow, 6> lastTurns;
  std::string turnPoints;  // the darts entered so far, even in a bust turn
  std::string remaining;
  Paint remainingPaint = Paint::Green;  // red once the turn no longer counts
  // "Übrig:", or "Points" where the score counts up; "Überworfen" in red on a bust.
  std::string remainingCaption;
  Paint remainingCaptionPaint = Paint::Black;
};

// The number tile of a cricket row: black when nobody can score on the number any more,
// green when the player on turn scores on it, red with a green frame when he has it open
// and could still score on it, red with a black frame when he cannot.
enum class CricketTile { Black, Green, RedGreenFrame, RedBlackFrame };

struct CricketNumberRow {
  int number = 0;  // 15..20, 25 for the bull
  int marks = 0;   // marks picture: 0 none, 1 stroke, 2 cross, 3 circled cross
  CricketTile tile = CricketTile::Black;
};

struct CricketPanel {
  std::array<CricketNumberRow, 7> rows;
};

struct PlayerListColumn {
  PlayerListColumn() = default;
  PlayerListColumn(std::string caption, int width, std::string hint = {})
      : caption(std::move(caption)), width(width), hint(std::move(hint)) {}

  std::string caption;
  int width = 0;
  std::string hint;  // what the column counts, as the header's tooltip
};

struct PlayerListRow {
  std::vector<std::string> cells;  // cells[0] is the nickname
  // Cricket: the mark picture (0..3) of cells 1..7; empty otherwise.
  std::vector<int> markPictures;
  Paint paint = Paint::Black;  // the leader's row is green
  bool selected = false;       // the player on turn
};

struct PlayerTable {
  std::vector<PlayerListColumn> columns;
  std::vector<PlayerListRow> rows;
};

// Everything the game screen shows besides the board, ready to paint.
struct Scoreboard {
  ModePanel panel = ModePanel::CountDown;

  std::string nickname;       // the player on turn
  std::string nameOverBoard;  // the nickname right after a change of turn, else empty
  std::string points;         // cricket: with the points of the turn in progress
  std::optional<std::filesystem::path> picture;

  std::string runningValue;  // average, marks per round or hit rate
  Paint runningValuePaint = Paint::Green;
  std::string runningValueHint;  // what the figure counts, as its tooltip
  std::string round;
  // "Leg 3, Satz 2" in a match, "Ausbullen" before it; empty for a single game.
  std::string matchCaption;
  std::optional<std::string> roundsToGo;  // hidden when empty

  CountDownPanel countDown;                // ModePanel::CountDown only
  CricketPanel cricket;                    // ModePanel::Cricket only
  std::array<std::string, 3> nextTargets;  // ModePanel::Target only
  PlayerTable players;

  // Filled by the loop of play, which owns these fields' state.
  std::array<std::string, 3> hitFields;
  std::array<std::string, 3> aimFields;
  std::array<std::string, 3> proposalFields;
  std::string doubleThrowText;
  // What a finished turn waits for: "Ziel für Dart 2 fehlt — ...", else empty.
  std::string aimHint;
  bool checkInVisible = false;
  bool checkInEnabled = false;
};

// Reads the game only; the same game gives the same scoreboard.
Scoreboard BuildScoreboard(const Game& game, ModePanel panel, const ScoreboardContext& context);

}  // namespace korvanti
