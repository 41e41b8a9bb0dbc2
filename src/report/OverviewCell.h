#pragma once

#include <optional>
#include <string>

namespace korvanti {

// One cell of the player overview: the text shown and, for a figure, the
// number it was written from, so that the column sorts by value. Cells
// without a figure (the caption, "-", an empty rate) carry no number.
struct OverviewCell {
  std::string text;
  std::optional<double> number;
  bool operator==(const OverviewCell&) const = default;
};

}  // namespace korvanti
