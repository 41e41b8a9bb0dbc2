#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/GameArchive.h"
#include "engine/Hitclass.h"
#include "engine/ThrowListClass.h"

namespace korvanti {

// The name the computer opponent plays under.
inline constexpr std::string_view kComputerNickname = "The Machine";

class Playerclass {
 public:
  Playerclass() = default;
  // Looks the names up in the archive; they stay empty when it has none.
  Playerclass(std::string playerid, GameArchive* archive);
  virtual ~Playerclass() = default;

  Playerclass(const Playerclass&) = delete;
  Playerclass& operator=(const Playerclass&) = delete;

  // The computer opponent's turns are never stored; a human may carry its name.
  virtual bool IsComputer() const { return false; }

  std::string nachname;
  std::string vorname;
  std::string nickname;
  std::string playerid;  // empty for a training's internal players
  double refvalue = 0.0;
  double refvalue501 = 0.0;
  ThrowListClass turns;
  std::vector<Hitclass> opentargets;
  int throwsatdouble = 0;
  int hitsatdouble = 0;
  // One entry per finished game of the series.
  std::vector<std::string> legdoublehits;
  std::vector<std::string> legdoublethrows;
  std::vector<std::string> legaverages;
  int wins = 0;
};

// The players of a game in order of play. A game owns its players, except
// where a training plays an inner game with its own player (the checkout
// game's attempts): that inner list only refers to the player.
class PlayerListClass {
 public:
  void Add(std::unique_ptr<Playerclass> player);
  void AddShared(Playerclass& player);
  Playerclass& Player(std::size_t index) { return *players_.at(index); }
  const Playerclass& Player(std::size_t index) const { return *players_.at(index); }
  std::size_t Count() const { return players_.size(); }

  // Moves the first player to the end: the next game of a series starts with the next player.
  void Rotate();

  auto begin() { return players_.begin(); }
  auto end() { return players_.end(); }
  auto begin() const { return players_.begin(); }
  auto end() const { return players_.end(); }

 private:
  std::vector<Playerclass*> players_;  // in order of play
  std::vector<std::unique_ptr<Playerclass>> owned_;
};

}  // namespace korvanti
