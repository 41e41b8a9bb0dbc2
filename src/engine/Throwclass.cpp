#include "engine/Throwclass.h"

#include <stdexcept>

namespace korvanti {

Hitclass& Throwclass::Hit(int number) {
  if (number < 1 || number > 3) {
    throw std::out_of_range("dart number " + std::to_string(number));
  }
  return hits[static_cast<std::size_t>(number - 1)];
}

const Hitclass& Throwclass::Hit(int number) const {
  return const_cast<Throwclass*>(this)->Hit(number);
}

void Throwclass::Clear() {
  for (auto& dart : hits) {
    dart.Clear(false);
  }
  scorebefore = 0;
  progressbefore = 0;
}

void Throwclass::ClearAim(int number) {
  Hit(number).aim.clear();
}

void Throwclass::ClearLastAim() {
  for (int number = 3; number >= 1; --number) {
    if (Hit(number).HasAim()) {
      ClearAim(number);
      return;
    }
  }
}

void Throwclass::DeleteLastHit(bool keepAim) {
  const int firstEmpty = FirstEmptyHit();
  if (firstEmpty == 0) {
    Hit(3).Clear(keepAim);
  } else if (firstEmpty > 1) {
    Hit(firstEmpty - 1).Clear(keepAim);
  }
}

bool Throwclass::IsComplete() const {
  return FirstEmptyHit() == 0;
}

int Throwclass::FirstEmptyHit() const {
  for (int number = 1; number <= 3; ++number) {
    if (!Hit(number).HasHit()) {
      return number;
    }
  }
  return 0;
}

int Throwclass::DartsEntered() const {
  const int firstEmpty = FirstEmptyHit();
  return firstEmpty == 0 ? 3 : firstEmpty - 1;
}

int Throwclass::TurnScore(bool force) const {
  if (!tocount && !force) {
    return 0;
  }
  int sum = 0;
  for (const auto& dart : hits) {
    sum += dart.HitValue();
  }
  return sum;
}

int Throwclass::MarksSum() const {
  int sum = 0;
  for (const auto& dart : hits) {
    sum += dart.marks;
  }
  return sum;
}

}  // namespace korvanti
