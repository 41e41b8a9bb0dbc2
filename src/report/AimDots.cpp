#include "report/AimDots.h"

#include <optional>

#include "platform/NumberFormat.h"

namespace korvanti {
namespace {

std::optional<BoardPoint> ParseEntry(std::string_view entry) {
  const auto equals = entry.find('=');
  if (equals == std::string_view::npos || equals == 0)
    return std::nullopt;
  const auto x = ParseDecimalInteger(entry.substr(0, equals));
  const auto y = ParseDecimalInteger(entry.substr(equals + 1));
  if (!x || !y)
    return std::nullopt;
  return BoardPoint{*x, *y};
}

}  // namespace

std::vector<BoardPoint> ParsePositionList(std::string_view list) {
  std::vector<BoardPoint> points;
  while (!list.empty()) {
    const auto comma = list.find(',');
    if (const auto point = ParseEntry(list.substr(0, comma)))
      points.push_back(*point);
    if (comma == std::string_view::npos)
      break;
    list.remove_prefix(comma + 1);
  }
  return points;
}

DotBox DotBoxAt(BoardPoint centre) {
  return {centre.x - kDotRadius, centre.y - kDotRadius, centre.x + kDotRadius,
          centre.y + kDotRadius};
}

std::vector<AimDot> DotsToDraw(const std::array<std::string_view, 3>& lists,
                               const std::array<bool, 3>& shown) {
  std::vector<AimDot> dots;
  for (std::size_t i = 0; i < lists.size(); ++i) {
    if (!shown[i])
      continue;
    for (const auto& point : ParsePositionList(lists[i]))
      dots.push_back({point, static_cast<int>(i) + 1});
  }
  return dots;
}

}  // namespace korvanti
