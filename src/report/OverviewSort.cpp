#include "report/OverviewSort.h"

namespace korvanti {
namespace {

unsigned char Folded(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - 'a' + 'A') : byte;
}

}  // namespace

int CompareAsciiFolded(std::string_view a, std::string_view b) {
  const auto common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const int difference = Folded(a[i]) - Folded(b[i]);
    if (difference != 0)
      return difference;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

int CompareOverviewCells(const OverviewCell& a, const OverviewCell& b) {
  if (a.number && b.number)
    return *a.number < *b.number ? -1 : *b.number < *a.number ? 1 : 0;
  if (a.number || b.number)
    return a.number ? 1 : -1;
  return CompareAsciiFolded(a.text, b.text);
}

}  // namespace korvanti
