#pragma once

#include <array>
#include <string>

#include "engine/Hitclass.h"

namespace korvanti {

// One turn of up to three darts.
class Throwclass {
 public:
  std::string throwid;  // GUID of a booked turn; empty for work records
  bool tocount = true;  // false for a bust or an invalid turn
  int scorebefore = 0;
  int progressbefore = 0;
  std::array<Hitclass, 3> hits;

  // Dart 1, 2 or 3.
  Hitclass& Hit(int number);
  const Hitclass& Hit(int number) const;

  // Clears darts and aims and the snapshots; `tocount` stays.
  void Clear();
  void ClearAim(int number);
  void ClearLastAim();
  // Takes back the last entered dart, if any.
  void DeleteLastHit(bool keepAim);

  bool IsComplete() const;
  // Number of the first dart without a hit; 0 when all three have one.
  int FirstEmptyHit() const;
  // Darts entered so far, 0 to 3.
  int DartsEntered() const;
  int TurnScore(bool force) const;
  int MarksSum() const;
};

}  // namespace korvanti
