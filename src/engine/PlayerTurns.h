#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "engine/Turn.h"

namespace korvanti {

class CheckoutTable;

// A player's booked turns (oldest first) and running state in the game.
class PlayerTurns {
 public:
  Turn current;   // the turn in progress
  Turn proposal;  // `hit` codes hold the checkout proposal
  Turn targets;   // `aim` codes hold the targets for the next darts
  int score = 0;
  int bookedScore = 0;  // `score` as of the last booked turn
  bool checkedIn = false;
  int progress = 0;

  // Books an independent copy with a fresh id; darts not thrown become "na".
  void AddTurn(const Turn& turn);
  void RemoveLastTurn();
  void ClearTurns();

  std::size_t Count() const { return turns_.size(); }
  bool Empty() const { return turns_.empty(); }
  Turn& At(std::size_t index) { return turns_.at(index); }
  const Turn& At(std::size_t index) const { return turns_.at(index); }
  const Turn& Last() const { return turns_.back(); }
  const std::vector<Turn>& Turns() const { return turns_; }

  // Points per booked turn; busts count in the divisor with 0.
  double Average() const;
  int DartsThrown() const;
  // Darts of the booked turns that were thrown (a turn ended early by a
  // checkout or a finished target has fewer than three).
  int DartsBooked() const;
  double MarksPerRound() const;
  int MarksOnNumber(int number, bool withCurrent) const;
  int MarksInTurn(int number) const;
  int SegmentHits() const;
  int AimHits() const;
  double AimHitRate() const;

  // The table's way to finish the points still needed after the darts entered
  // so far (bust or not): a record whose `hit` codes, one per remaining dart,
  // hold the proposal. Count-up games pass their target: the points needed are
  // then the target minus the running total.
  Turn CheckOutProposal(bool doubleOut, const CheckoutTable& table,
                        std::optional<int> countUpTarget = std::nullopt) const;
  // The same proposal kept in `proposal`.
  Turn& GetCheckOutThrow(bool doubleOut, const CheckoutTable& table,
                         std::optional<int> countUpTarget = std::nullopt);

 private:
  template <typename Visit>
  void ForEachDart(bool withCurrent, Visit&& visit) const;

  std::vector<Turn> turns_;
};

}  // namespace korvanti
