#pragma once

#include <string>
#include <vector>

namespace korvanti {

// One dart: where it was aimed and where it landed.
class Dart {
 public:
  std::string aim;  // field code aimed at; empty when no aim was entered
  std::string hit;  // field code where it landed; empty while not entered
  int aimX = 0;
  int aimY = 0;
  int hitX = 0;
  int hitY = 0;
  int marks = 0;  // cricket marks credited to this dart
  // False for a dart typed as a field code: it has no landing position, and
  // hitX, hitY are meaningless.
  bool hitPlaced = true;

  void Clear(bool keepAim);

  bool HasAim() const { return !aim.empty(); }
  bool HasHit() const { return !hit.empty(); }
  int AimValue() const;
  int HitValue() const;
  bool IsHitDouble() const;
  bool IsHitTreble() const;
  int AimNumber() const;
  int HitNumber() const;
  int HitMultiplier() const;
};

// One target step: the `aim` codes of its entries are the codes that satisfy it.
using TargetStep = std::vector<Dart>;

}  // namespace korvanti
