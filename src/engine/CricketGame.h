#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/Game.h"

namespace korvanti {

// Cricket on 15 to 20 and the bull: three marks close a number, marks beyond
// score while anybody still has it open. In cut throat the points go against
// the opponents who still have the number open.
class CricketGame : public Game {
 public:
  bool cutThroat = false;
  std::array<int, 7> numbers{15, 16, 17, 18, 19, 20, 25};

  void InitGameType() override;
  // Computes the turn in progress where it changes (after every dart entered or
  // taken back, and at the check-in): sets each dart's marks and, in cut
  // throat, the opponents' tentative `bookedScore`. Returns the points the turn
  // earns the player on turn, 0 in cut throat.
  virtual int EvaluateTurn();
  // The points the turn in progress earns the player on turn; 0 in cut throat.
  int PendingPoints() const;
  // Per player (by index), the points the turn in progress takes from him in
  // cut throat; all 0 otherwise and for the player on turn.
  std::vector<int> PendingCharges() const;
  bool CheckIn() override;
  bool IsFinished() const override;
  int LeaderIndex() const override;
  std::string GameOverText() const override;
  bool HasProposal() const override { return false; }
  bool IsTurnValid() override;
  Turn CurrentTargets() const override { return {}; }

  // Three or more marks on all seven numbers, the turn in progress counted.
  bool AllNumbersClosed(const Player& player) const;
  // Some player other than the one on turn has fewer than 3 booked marks on n.
  bool OthersOpen(int number) const;
  // Some player has fewer than 3 marks on n.
  bool AnyoneOpen(int number, bool withCurrent) const;

 protected:
  bool IsCricketNumber(int number) const;
  int ClosedNumbers(const Player& player) const;
  // A dart on a cricket number: marks booked before the turn, marks of earlier
  // darts of the turn, and whether anybody still has the number open.
  struct DartOnNumber {
    int number;
    int multiplier;
    int before;
    int earlier;
    bool open;
  };
  struct DartScore {
    int marks;
    int points;
  };
  virtual DartScore ScoreDart(const DartOnNumber& thrown) const;

 private:
  // What the darts entered so far are worth; depends only on the booked turns
  // and the hits of the turn in progress.
  struct TurnEvaluation {
    std::array<int, 3> marks{};
    int points = 0;            // for the player on turn
    std::vector<int> charges;  // per player, in cut throat
  };
  TurnEvaluation Evaluate() const;
  // Marks thrown on n by the darts before dart j (0-based) of the turn in progress.
  int EarlierMarksInTurn(std::size_t dart, int number) const;
};

// Points only for doubles and trebles, and only on a number hit by an earlier
// dart of the turn or once all numbers are closed.
class MasterCricketGame : public CricketGame {
 protected:
  DartScore ScoreDart(const DartOnNumber& thrown) const override;
};

class CricketTraining : public CricketGame {
 public:
  void InitGameType() override;
};

}  // namespace korvanti
