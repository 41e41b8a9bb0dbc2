#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Dart.h"
#include "engine/GameArchive.h"
#include "engine/PlayerTurns.h"

namespace korvanti {

// The name the computer opponent plays under.
inline constexpr std::string_view kComputerNickname = "The Machine";

class Player {
 public:
  Player() = default;
  // Looks the names up in the archive; they stay empty when it has none.
  Player(std::string playerId, GameArchive* archive);
  virtual ~Player() = default;

  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  // The computer opponent's turns are never stored; a human may carry its name.
  virtual bool IsComputer() const { return false; }

  std::string lastName;
  std::string firstName;
  std::string nickname;
  std::string playerId;  // empty for a training's internal players
  double referenceAverage = 0.0;
  double referenceAverage501 = 0.0;
  PlayerTurns turns;
  std::vector<Dart> openTargets;
  int doubleThrows = 0;
  int doubleHits = 0;
  // One entry per finished game of the series.
  std::vector<std::string> legDoubleHits;
  std::vector<std::string> legDoubleThrows;
  std::vector<std::string> legAverages;
  int wins = 0;
};

// The players of a game in order of play. A game owns its players, except
// where a training plays an inner game with its own player (the checkout
// game's attempts): that inner list only refers to the player.
class PlayerList {
 public:
  void Add(std::unique_ptr<Player> player);
  void AddShared(Player& player);
  Player& At(std::size_t index) { return *players_.at(index); }
  const Player& At(std::size_t index) const { return *players_.at(index); }
  std::size_t Count() const { return players_.size(); }

  // Moves the first player to the end: the next game of a series starts with the next player.
  void Rotate();

  auto begin() { return players_.begin(); }
  auto end() { return players_.end(); }
  auto begin() const { return players_.begin(); }
  auto end() const { return players_.end(); }

 private:
  std::vector<Player*> players_;  // in order of play
  std::vector<std::unique_ptr<Player>> owned_;
};

}  // namespace korvanti
