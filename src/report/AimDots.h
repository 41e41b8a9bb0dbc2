#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "engine/AimPoints.h"

namespace korvanti {

// The landing points of a position list "x=y,x=y,..." as the aim-and-hit
// query gives them, in list order. Entries without an x part, and entries
// whose parts are not decimal integers, are skipped; never throws.
std::vector<BoardPoint> ParsePositionList(std::string_view list);

inline constexpr int kDotRadius = 3;

// The box a dot is drawn in: from (x - 3, y - 3) to (x + 3, y + 3).
struct DotBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const DotBox&) const = default;
};
DotBox DotBoxAt(BoardPoint centre);

struct AimDot {
  BoardPoint centre;
  int dart = 1;  // 1..3: which colour
  bool operator==(const AimDot&) const = default;
};

// The dots of one row in drawing order: dart 1's, then dart 2's, then dart
// 3's (so dart 3 lies on top), each only when its dart is shown.
std::vector<AimDot> DotsToDraw(const std::array<std::string_view, 3>& lists,
                               const std::array<bool, 3>& shown);

}  // namespace korvanti
