#include "engine/Turn.h"

#include <stdexcept>

namespace korvanti {

Dart& Turn::Hit(int number) {
  if (number < 1 || number > 3) {
    throw std::out_of_range("dart number " + std::to_string(number));
  }
  return hits[static_cast<std::size_t>(number - 1)];
}

const Dart& Turn::Hit(int number) const {
  return const_cast<Turn*>(this)->Hit(number);
}

void Turn::Clear() {
  for (auto& dart : hits) {
    dart.Clear(false);
  }
  scoreBefore = 0;
  progressBefore = 0;
}

void Turn::ClearAim(int number) {
  Hit(number).aim.clear();
}

void Turn::ClearLastAim() {
  for (int number = 3; number >= 1; --number) {
    if (Hit(number).HasAim()) {
      ClearAim(number);
      return;
    }
  }
}

void Turn::DeleteLastHit(bool keepAim) {
  const int firstEmpty = FirstEmptyHit();
  if (firstEmpty == 0) {
    Hit(3).Clear(keepAim);
  } else if (firstEmpty > 1) {
    Hit(firstEmpty - 1).Clear(keepAim);
  }
}

bool Turn::IsComplete() const {
  return FirstEmptyHit() == 0;
}

int Turn::FirstEmptyHit() const {
  for (int number = 1; number <= 3; ++number) {
    if (!Hit(number).HasHit()) {
      return number;
    }
  }
  return 0;
}

int Turn::DartsEntered() const {
  const int firstEmpty = FirstEmptyHit();
  return firstEmpty == 0 ? 3 : firstEmpty - 1;
}

int Turn::TurnScore(bool force) const {
  if (!counts && !force) {
    return 0;
  }
  int sum = 0;
  for (const auto& dart : hits) {
    sum += dart.HitValue();
  }
  return sum;
}

int Turn::MarksSum() const {
  int sum = 0;
  for (const auto& dart : hits) {
    sum += dart.marks;
  }
  return sum;
}

}  // namespace korvanti
