#pragma once

#include <algorithm>
#include <string_view>

#include "report/OverviewCell.h"

namespace korvanti {

// Compares texts byte by byte where the ASCII letters a-z count as A-Z and
// every other byte compares by its code ("_" after the letters); no locale rules.
// Negative, zero or positive like strcmp.
int CompareAsciiFolded(std::string_view a, std::string_view b);

// Orders two overview cells ascending: cells without a number first (by
// text), then numbers by value ("33,3" before "100"). Zero for equal cells.
int CompareOverviewCells(const OverviewCell& a, const OverviewCell& b);

// The overview's sort: the sorted column, the column clicked before (0 at
// start) and the direction. Clicking the column clicked before reverses the
// direction, any other column sorts ascending; so a first click on column 0
// ("Spieler") sorts descending.
class OverviewSortState {
 public:
  void Click(int column) {
    descending_ = column == previous_ ? !descending_ : false;
    previous_ = column;
    column_ = column;
  }
  int Column() const { return column_; }
  int PreviousColumn() const { return previous_; }
  bool Descending() const { return descending_; }

 private:
  int column_ = 0;
  int previous_ = 0;
  bool descending_ = false;
};

// Sorts rows stably by the cell that `cellOf(row)` gives, ascending or
// descending; rows with equal cells keep their order.
template <typename Rows, typename CellOf>
void SortOverviewRows(Rows& rows, CellOf cellOf, bool descending) {
  std::stable_sort(rows.begin(), rows.end(), [&](const auto& a, const auto& b) {
    const int order = CompareOverviewCells(cellOf(a), cellOf(b));
    return descending ? order > 0 : order < 0;
  });
}

}  // namespace korvanti
