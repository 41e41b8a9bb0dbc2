#pragma once

#include <array>
#include <string>

#include "engine/Dart.h"

namespace korvanti {

// One turn of up to three darts.
class Turn {
 public:
  std::string turnId;  // GUID of a booked turn; empty for work records
  bool counts = true;  // false for a bust or an invalid turn
  int scoreBefore = 0;
  int progressBefore = 0;
  std::array<Dart, 3> hits;

  // Dart 1, 2 or 3.
  Dart& Hit(int number);
  const Dart& Hit(int number) const;

  // Clears darts and aims and the snapshots; `counts` stays.
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
