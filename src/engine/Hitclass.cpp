#include "engine/Hitclass.h"

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

void Hitclass::Clear(bool keepAim) {
  hit.clear();
  hitx = 0;
  hity = 0;
  marks = 0;
  if (!keepAim) {
    aim.clear();
    aimx = 0;
    aimy = 0;
  }
}

int Hitclass::AimValue() const {
  return FieldValue(aim);
}
int Hitclass::HitValue() const {
  return FieldValue(hit);
}
bool Hitclass::IsAimDouble() const {
  return IsDoubleCode(aim);
}
bool Hitclass::IsAimTreble() const {
  return IsTrebleCode(aim);
}
bool Hitclass::IsHitDouble() const {
  return IsDoubleCode(hit);
}
bool Hitclass::IsHitTreble() const {
  return IsTrebleCode(hit);
}
int Hitclass::AimNumber() const {
  return NumberOf(aim);
}
int Hitclass::HitNumber() const {
  return NumberOf(hit);
}

int Hitclass::HitMultiplier() const {
  if (IsHitDouble()) {
    return 2;
  }
  return IsHitTreble() ? 3 : 1;
}

}  // namespace korvanti
