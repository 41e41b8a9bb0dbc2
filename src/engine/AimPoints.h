#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace korvanti {

struct BoardPoint {
  int x = 0;
  int y = 0;
  bool operator==(const BoardPoint&) const = default;
};

struct AimPointEntry {
  std::string_view code;
  BoardPoint point;
};

// The point a thrower aims at for each of the 82 target fields: on the
// segment's centre line, well inside its field.
std::span<const AimPointEntry> AimPointTable();

// Exact, case-sensitive lookup.
std::optional<BoardPoint> AimPointFor(std::string_view code);

}  // namespace korvanti
