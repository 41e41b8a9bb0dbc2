#include "report/FieldSelection.h"

#include <algorithm>
#include <vector>

#include "engine/FieldCode.h"
#include "engine/HitMap.h"

namespace korvanti {
namespace {

std::vector<std::string> BuildEntries() {
  std::vector<std::string> entries{std::string(kAllFieldsEntry), "25"};
  for (int n = 20; n >= 1; --n)
    entries.push_back(std::to_string(n));
  const auto prefixed = [&entries](std::string_view prefix) {
    for (int n = 1; n <= 20; ++n)
      entries.push_back(std::string(prefix) + std::to_string(n));
  };
  prefixed("D");
  entries.push_back("D25");
  entries.push_back("SS25");
  prefixed("T");
  prefixed("LS");
  prefixed("SS");
  entries.emplace_back();
  return entries;
}

bool IsEntry(std::string_view text) {
  const auto entries = FieldSelectionEntries();
  return std::find(entries.begin(), entries.end(), text) != entries.end();
}

bool MeansAllFields(std::string_view text) {
  const auto upper = UpperCase(text);
  return upper == "ALL" || upper == "ALLE";
}

}  // namespace

std::span<const std::string> FieldSelectionEntries() {
  static const std::vector<std::string> entries = BuildEntries();
  return entries;
}

std::optional<std::string> ClickedFieldText(std::string_view decodedCode, ClickButton button) {
  if (button != ClickButton::Left)
    return std::string(decodedCode);
  if (decodedCode != kMissCode && !IsBoardField(decodedCode))
    return std::nullopt;
  return std::to_string(FieldNumber(decodedCode));
}

std::optional<std::string> SelectionAfterClick(std::string_view decodedCode, ClickButton button,
                                               std::string_view currentSelection) {
  auto text = ClickedFieldText(decodedCode, button);
  if (!text || *text == currentSelection)
    return std::nullopt;
  if (!IsEntry(*text))
    text->clear();
  if (*text == currentSelection)
    return std::nullopt;
  return text;
}

std::optional<std::string> SelectionAfterClick(const HitMap& map, BoardPoint at, ClickButton button,
                                               std::string_view currentSelection) {
  return SelectionAfterClick(map.FieldAt(at.x, at.y), button, currentSelection);
}

bool IsAcceptedSelection(std::string_view text) {
  return MeansAllFields(text) || IsEntry(text);
}

std::string SelectionFilter(std::string_view text) {
  return MeansAllFields(text) ? std::string() : std::string(text);
}

}  // namespace korvanti
