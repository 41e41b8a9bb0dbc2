#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/AimPoints.h"

namespace korvanti {

class HitMap;

// The field selection of the aim-and-hit view: its text is the filter of the
// darts shown. Entries in order: "Alle"; the numbers "25", "20", "19" ... "1";
// "D1" ... "D20", "D25"; "SS25"; "T1" ... "T20"; "LS1" ... "LS20";
// "SS1" ... "SS20"; one empty entry at the end.
std::span<const std::string> FieldSelectionEntries();
inline constexpr std::string_view kAllFieldsEntry = "Alle";

enum class ClickButton { Left, Other };

// The text a board click stands for, from the field code decoded under the
// pointer: the left button gives the segment number ("20" anywhere in the 20,
// "25" on either bull, "0" outside the board), any other button the full code
// ("T20", "SS25", "0"). A left click on a wire ("00") has no number and stands
// for nothing.
std::optional<std::string> ClickedFieldText(std::string_view decodedCode, ClickButton button);

// The selection text after a board click, or nothing when the click changes
// nothing: a left click on a wire keeps the current selection, and so does a
// click on the field already selected. A text that is no entry ("0" outside
// the board, "00" from another button on a wire) selects no entry; the
// selection text is then empty, which shows every dart.
std::optional<std::string> SelectionAfterClick(std::string_view decodedCode, ClickButton button,
                                               std::string_view currentSelection);
// The same for a click at a pixel of the hit map.
std::optional<std::string> SelectionAfterClick(const HitMap& map, BoardPoint at, ClickButton button,
                                               std::string_view currentSelection);

// Whether a typed text is one of the entries; "Alle" and "ALL" in any case count.
bool IsAcceptedSelection(std::string_view text);

// The filter the statistics queries get: empty for "Alle", "ALL" and "ALLE" in
// any case (every dart), else the text as it is.
std::string SelectionFilter(std::string_view text);

}  // namespace korvanti
