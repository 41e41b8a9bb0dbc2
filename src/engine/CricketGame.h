#pragma once

#include <array>
#include <string>

#include "engine/BaseGameClass.h"

namespace korvanti {

// Cricket on 15 to 20 and the bull: three marks close a number, marks beyond
// score while anybody still has it open. In cut throat the points go against
// the opponents who still have the number open.
class CricketGame : public BaseGameClass {
 public:
  bool cutthroat = false;
  std::array<int, 7> numbers{15, 16, 17, 18, 19, 20, 25};

  void InitGameType() override;
  // The points the turn in progress earns the player on turn; sets each
  // dart's marks. In cut throat it charges the opponents instead and returns 0.
  virtual int EvaluateTurn();
  bool CheckIn() override;
  bool IsFinished() override;
  int LeaderIndex() override;
  std::string GameOverText() override;
  bool HasProposal() override { return false; }
  bool IsTurnValid() override { return CurrentTurns().current.tocount = true; }
  Throwclass& CurrentTargets() override { return CurrentTurns().targets; }

  // Three or more marks on all seven numbers, the turn in progress counted.
  bool AllNumbersClosed(const Playerclass& player) const;
  // Some player other than the one on turn has fewer than 3 booked marks on n.
  bool OthersOpen(int number) const;
  // Some player has fewer than 3 marks on n.
  bool AnyoneOpen(int number, bool withCurrent) const;

 protected:
  bool IsCricketNumber(int number) const;
  int ClosedNumbers(const Playerclass& player) const;
  // A dart on a cricket number: marks booked before the turn, marks of earlier
  // darts of the turn, and whether anybody still has the number open.
  struct DartOnNumber {
    int number;
    int multiplier;
    int before;
    int earlier;
    bool open;
  };
  // Sets the dart's marks and returns its points.
  virtual int MarkDart(Hitclass& dart, const DartOnNumber& thrown);

  // Marks thrown on n by the darts before dart j (0-based) of the turn in progress.
  int EarlierMarksInTurn(std::size_t dart, int number) const;
  void ChargeOpponents(int number, int points);
};

// Points only for doubles and trebles, and only on a number hit by an earlier
// dart of the turn or once all numbers are closed.
class CricketGameMaster : public CricketGame {
 protected:
  int MarkDart(Hitclass& dart, const DartOnNumber& thrown) override;
};

class CricketGamePractice : public CricketGame {
 public:
  void InitGameType() override;
};

}  // namespace korvanti
