#pragma once

#include <optional>
#include <string>
#include <vector>

namespace korvanti {

class GameSession;

// One player as the wall display shows him.
struct WallPlayer {
  std::string nickname;
  // The big figure: the points left in a count-down game (following the darts
  // of the turn in progress), the points in cricket, the main figure of the
  // list in the other games.
  std::string figure;
  // Legs won (in the set being played) and sets won; empty unless a match of
  // more than one leg, or of more than one set, is played.
  std::optional<int> legs;
  std::optional<int> sets;
  bool onTurn = false;

  bool operator==(const WallPlayer&) const = default;
};

// What a player reads from the oche: the figures of the game screen, few and big.
struct WallDisplay {
  // The game's name, with "Leg 2, Satz 1" or "Ausbullen" in a match.
  std::string caption;
  // In the order of play at the start of the match, so that nobody changes
  // place when the next leg begins with another player.
  std::vector<WallPlayer> players;
  // "Anna: 60", "Anna: Überworfen", in cricket "Anna: 5 Marks"; empty before the first turn.
  std::string lastTurn;
  // "Checkout" before a finishing proposal, "Ziel" before the targets of a
  // training game; both empty when there is none.
  std::string proposalCaption;
  std::string proposal;  // "T20 T20 D16"

  bool operator==(const WallDisplay&) const = default;
};

// Reads the session only; the same state gives the same display.
WallDisplay BuildWallDisplay(const GameSession& session);

}  // namespace korvanti
