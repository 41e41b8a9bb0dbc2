#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvanti {

struct NumberSeparators {
  char decimal = ',';
  char thousands = '.';
};

// Formats with a picture of '0' (a digit always shown) and '#' (a digit shown
// when significant), with '.' marking the decimal point: "##.##" writes 0.5 as
// ",5" and 0 as an empty text; "0.00" always shows one integer digit and two
// decimals. No grouping. Halves round away from zero.
std::string FormatFloat(std::string_view pattern, double value, NumberSeparators separators = {});

// A number rounded to at most four significant digits and shown with exactly
// `decimals` decimals and thousands separators: 45.23 with one decimal gives
// "45,2", 1234.5 with none gives "1.235".
std::string FormatSignificant(double value, int decimals, NumberSeparators separators = {});

// Parses a decimal integer with one optional sign and surrounding blanks;
// nothing for any other text or a number outside int.
std::optional<int> ParseDecimalInteger(std::string_view text);

// Rounds to the nearest integer, halves to the even neighbour.
long long RoundHalfEven(double value);

}  // namespace korvanti
