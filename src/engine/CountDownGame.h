#pragma once

#include <string>
#include <string_view>

#include "engine/Game.h"

namespace korvanti {

// x01: every player counts down from the start score; the first to reach
// exactly 0 under the out rule wins.
class CountDownGame : public Game {
 public:
  bool IsFinished() const override;
  // Count-down modes show a checkout proposal instead of targets.
  Turn CurrentTargets() const override { return {}; }
  int LeaderIndex() const override;
  bool HasProposal() const override { return true; }
  bool IsTurnValid() override;
  std::string GameOverText() const override { return GameOverInRoundsText(); }
  bool CheckIn() override;
  void NewGame() override;

 protected:
  void SetRules(int start, bool outOnDouble, std::string_view key);
};

class Game301StraightOut : public CountDownGame {
 public:
  void InitGameType() override { SetRules(301, false, "const301sout"); }
};

class Game301DoubleOut : public CountDownGame {
 public:
  void InitGameType() override { SetRules(301, true, "const301dout"); }
};

class Game501StraightOut : public CountDownGame {
 public:
  void InitGameType() override { SetRules(501, false, "const501sout"); }
};

class Game501DoubleOut : public CountDownGame {
 public:
  void InitGameType() override { SetRules(501, true, "const501dout"); }
};

// The 501 double-out rules under a key of their own.
template <const char* Key>
class Game501DoubleOutVariant : public Game501DoubleOut {
 public:
  void InitGameType() override {
    Game501DoubleOut::InitGameType();
    gameTypeKey = Key;
  }
};

inline constexpr char kPractice501Key[] = "constpractice_501dout";
inline constexpr char kComputer501Key[] = "constpractice_computer501";
inline constexpr char kComputerAverageKey[] = "constpractice_computerAVG";
inline constexpr char kComputerBestKey[] = "constpractice_computerBEST";

class Solo501Training : public Game501DoubleOutVariant<kPractice501Key> {};
class Game501VersusComputer : public Game501DoubleOutVariant<kComputer501Key> {};
class Game501VersusOwnAverage : public Game501DoubleOutVariant<kComputerAverageKey> {};
class Game501VersusBestGame : public Game501DoubleOutVariant<kComputerBestKey> {};

// 170 double out, again and again.
class CheckoutTraining : public CountDownGame {
 public:
  void InitGameType() override { SetRules(170, true, "constpractice_checkout"); }
  // The darts needed to check out; nothing before.
  std::optional<int> PlayerResult(const Player& player) const override {
    return player.turns.score == 0 && !player.turns.Empty()
               ? std::optional<int>(player.turns.DartsBooked())
               : std::nullopt;
  }
};

}  // namespace korvanti
