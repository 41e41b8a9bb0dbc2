#include "platform/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace korvanti {
namespace {

// The decimal digits of a non-negative value rounded to `decimals` places,
// split into integer and fraction digits.
struct Digits {
  std::string integer;
  std::string fraction;
};

Digits RoundedDigits(double magnitude, int decimals) {
  const double scaled = std::round(magnitude * std::pow(10.0, decimals));
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.0f", scaled);
  std::string all = buffer;
  if (static_cast<int>(all.size()) <= decimals) {
    all.insert(0, static_cast<std::size_t>(decimals) + 1 - all.size(), '0');
  }
  const auto split = all.size() - static_cast<std::size_t>(decimals);
  return {all.substr(0, split), all.substr(split)};
}

std::string Grouped(const std::string& integer, char thousands) {
  std::string text;
  const auto size = integer.size();
  for (std::size_t i = 0; i < size; ++i) {
    if (i > 0 && (size - i) % 3 == 0) {
      text += thousands;
    }
    text += integer[i];
  }
  return text;
}

bool AllZero(const Digits& digits) {
  return std::all_of(digits.integer.begin(), digits.integer.end(),
                     [](char c) { return c == '0'; }) &&
         std::all_of(digits.fraction.begin(), digits.fraction.end(),
                     [](char c) { return c == '0'; });
}

}  // namespace

std::string FormatFloat(std::string_view pattern, double value, NumberSeparators separators) {
  const auto point = pattern.find('.');
  const auto integerPart = pattern.substr(0, point);
  const auto fractionPart =
      point == std::string_view::npos ? std::string_view() : pattern.substr(point + 1);
  const auto minIntegerDigits = std::count(integerPart.begin(), integerPart.end(), '0');
  const auto maxDecimals = static_cast<int>(std::count_if(
      fractionPart.begin(), fractionPart.end(), [](char c) { return c == '0' || c == '#'; }));
  const auto minDecimals = std::count(fractionPart.begin(), fractionPart.end(), '0');

  auto digits = RoundedDigits(std::fabs(value), maxDecimals);
  const bool negative = value < 0 && !AllZero(digits);

  auto integer = digits.integer;
  integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
  if (static_cast<long>(integer.size()) < minIntegerDigits) {
    integer.insert(0, static_cast<std::size_t>(minIntegerDigits) - integer.size(), '0');
  }
  auto fraction = digits.fraction;
  while (static_cast<long>(fraction.size()) > minDecimals && !fraction.empty() &&
         fraction.back() == '0') {
    fraction.pop_back();
  }
  std::string text = negative ? "-" : "";
  text += integer;
  if (!fraction.empty()) {
    text += separators.decimal;
    text += fraction;
  }
  return text;
}

std::string FormatSignificant(double value, int decimals, NumberSeparators separators) {
  constexpr int kSignificant = 4;
  int places = decimals;
  if (value != 0 && std::isfinite(value)) {
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    places = std::clamp(kSignificant - 1 - exponent, 0, decimals);
  }
  auto digits = RoundedDigits(std::fabs(value), places);
  digits.fraction.append(static_cast<std::size_t>(decimals - places), '0');
  std::string text = value < 0 && !AllZero(digits) ? "-" : "";
  text += Grouped(digits.integer, separators.thousands);
  if (decimals > 0) {
    text += separators.decimal;
    text += digits.fraction;
  }
  return text;
}

std::optional<int> ParseDecimalInteger(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
    text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
    text.remove_suffix(1);
  }
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') {
      return std::nullopt;  // "+-5": from_chars would take the minus
    }
  }
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

long long RoundHalfEven(double value) {
  return std::llrint(std::nearbyint(value));
}

}  // namespace korvanti
