#pragma once

#include <string>
#include <string_view>

#include "engine/BaseGameClass.h"

namespace korvanti {

// x01: every player counts down from the start score; the first to reach
// exactly 0 under the out rule wins.
class CountDownGame : public BaseGameClass {
 public:
  bool IsFinished() const override;
  // Count-down modes show a checkout proposal instead of targets.
  Throwclass CurrentTargets() const override { return {}; }
  int LeaderIndex() const override;
  bool HasProposal() const override { return true; }
  bool IsTurnValid() override;
  std::string GameOverText() const override { return GameOverInRoundsText(); }
  bool CheckIn() override;
  void NewGame() override;

 protected:
  void SetRules(int start, bool doubleOut, std::string_view key);
};

class ThreeO1SOut : public CountDownGame {
 public:
  void InitGameType() override { SetRules(301, false, "const301sout"); }
};

class ThreeO1DOut : public CountDownGame {
 public:
  void InitGameType() override { SetRules(301, true, "const301dout"); }
};

class FifeO1SOut : public CountDownGame {
 public:
  void InitGameType() override { SetRules(501, false, "const501sout"); }
};

class FifeO1DOut : public CountDownGame {
 public:
  void InitGameType() override { SetRules(501, true, "const501dout"); }
};

// The 501 double-out rules under a key of their own.
template <const char* Key>
class FifeO1DOutVariant : public FifeO1DOut {
 public:
  void InitGameType() override {
    FifeO1DOut::InitGameType();
    gametypesid = Key;
  }
};

inline constexpr char kPractice501Key[] = "constpractice_501dout";
inline constexpr char kComputer501Key[] = "constpractice_computer501";
inline constexpr char kComputerAverageKey[] = "constpractice_computerAVG";
inline constexpr char kComputerBestKey[] = "constpractice_computerBEST";

class practice_FifeO1DOut : public FifeO1DOutVariant<kPractice501Key> {};
class practice_501vsComputer : public FifeO1DOutVariant<kComputer501Key> {};
class practice_computerAVG : public FifeO1DOutVariant<kComputerAverageKey> {};
class practice_computerBEST : public FifeO1DOutVariant<kComputerBestKey> {};

// 170 double out, again and again.
class CheckOut : public CountDownGame {
 public:
  void InitGameType() override { SetRules(170, true, "constpractice_checkout"); }
};

}  // namespace korvanti
