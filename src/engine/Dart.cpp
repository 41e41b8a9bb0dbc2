#include "engine/Dart.h"

#include "engine/FieldCode.h"

namespace korvanti {
namespace {

int NumberOf(std::string_view code) {
  const int value = FieldValue(code);
  if (IsDoubleCode(code)) {
    return value / 2;
  }
  if (IsTrebleCode(code)) {
    return value / 3;
  }
  return value;
}

}  // namespace

void Dart::Clear(bool keepAim) {
  hit.clear();
  hitX = 0;
  hitY = 0;
  hitPlaced = true;
  marks = 0;
  if (!keepAim) {
    aim.clear();
    aimX = 0;
    aimY = 0;
  }
}

int Dart::AimValue() const {
  return FieldValue(aim);
}
int Dart::HitValue() const {
  return FieldValue(hit);
}
bool Dart::IsHitDouble() const {
  return IsDoubleCode(hit);
}
bool Dart::IsHitTreble() const {
  return IsTrebleCode(hit);
}
int Dart::AimNumber() const {
  return NumberOf(aim);
}
int Dart::HitNumber() const {
  return NumberOf(hit);
}

int Dart::HitMultiplier() const {
  if (IsHitDouble()) {
    return 2;
  }
  return IsHitTreble() ? 3 : 1;
}

}  // namespace korvanti
