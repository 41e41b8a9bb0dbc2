#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvanti {

// Field codes name a board field: "T20", "D20", "LS20" (large single), "SS20"
// (small single), "D25" (bull's eye), "SS25" (outer bull), "0" (miss), "00"
// (wire), "na" (dart not thrown), or the empty text (nothing recorded yet).

// Points of a code. Throws Error when the digits after the prefix are not a
// decimal integer.
int FieldValue(std::string_view code);

// Segment number of a code (25 for both bulls, 0 for a miss). Throws Error for
// codes without digits such as "00" and "na"; callers holding those map them first.
int FieldNumber(std::string_view code);

// The letter prefix carries the multiplier; the bull's eye "D25" is a double.
bool IsDoubleCode(std::string_view code);
bool IsTrebleCode(std::string_view code);

// The field code of a dart typed at the keyboard, in any case: "T20", "D16",
// "S5" or "5" (a single, stored as the large single "LS5"), "25" or "S25"
// (outer bull), "50", "D25" or "BULL" (bull's eye), "0" or "M" (miss).
// Nothing for anything else.
std::optional<std::string> TypedFieldCode(std::string_view typed);

// Whether a hit satisfies an aim: equal codes, or the bull's eye for the outer bull.
bool AimMatches(std::string_view aim, std::string_view hit);

// A field a dart can be aimed at, in any case: LS1..LS20, SS1..SS20, SS25,
// D1..D20, D25, T1..T20. Misses, wires and numbers with leading zeros are not.
bool IsBoardField(std::string_view code);

// Codes compared as upper-cased texts, where a rule says so.
std::string UpperCase(std::string_view code);
bool SameCodeIgnoringCase(std::string_view a, std::string_view b);

inline constexpr std::string_view kMissCode = "0";
inline constexpr std::string_view kWireCode = "00";
inline constexpr std::string_view kNotThrownCode = "na";

}  // namespace korvanti
