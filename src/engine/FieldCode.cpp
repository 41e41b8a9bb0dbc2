#include "engine/FieldCode.h"

#include <cctype>
#include <charconv>

#include "platform/Error.h"

namespace korvanti {
namespace {

char UpperFirst(std::string_view code) {
  return code.empty() ? '\0' : static_cast<char>(std::toupper(static_cast<unsigned char>(code[0])));
}

// The code as shown in a message: at most 20 characters of it.
std::string Shown(std::string_view code) {
  constexpr std::size_t kShown = 20;
  return code.size() <= kShown ? std::string(code) : std::string(code.substr(0, kShown)) + "...";
}

// Field numbers run from 0 to 25; anything larger is no field (and would
// overflow when multiplied).
int StrictDecimal(std::string_view digits, std::string_view code) {
  constexpr int kHighestNumber = 25;
  const bool onlyDigits =
      !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
  if (!onlyDigits) {
    throw Error("\"" + Shown(digits) + "\" im Feldcode \"" + Shown(code) +
                "\" ist keine gültige Zahl.");
  }
  int value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size() || value > kHighestNumber) {
    throw Error("Die Zahl im Feldcode \"" + Shown(code) + "\" ist größer als 25.");
  }
  return value;
}

// The digits after the letter prefix: one letter for trebles and doubles, two otherwise.
std::string_view Remainder(std::string_view code) {
  const char first = UpperFirst(code);
  const std::size_t prefix = (first == 'T' || first == 'D') ? 1 : 2;
  return code.size() > prefix ? code.substr(prefix) : std::string_view();
}

}  // namespace

int FieldValue(std::string_view code) {
  if (code == "0" || code == "00" || code == "do" || code.empty() || code == "na") {
    return 0;
  }
  const int number = StrictDecimal(Remainder(code), code);
  switch (UpperFirst(code)) {
    case 'T':
      return 3 * number;
    case 'D':
      return 2 * number;
    default:
      return number;
  }
}

int FieldNumber(std::string_view code) {
  if (code == "0" || code == "do" || code.empty()) {
    return 0;
  }
  return StrictDecimal(Remainder(code), code);
}

bool IsDoubleCode(std::string_view code) {
  return UpperFirst(code) == 'D';
}

bool IsTrebleCode(std::string_view code) {
  return UpperFirst(code) == 'T';
}

std::string UpperCase(std::string_view code) {
  std::string upper(code);
  for (auto& c : upper) {
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return upper;
}

bool SameCodeIgnoringCase(std::string_view a, std::string_view b) {
  return UpperCase(a) == UpperCase(b);
}

bool IsBoardField(std::string_view code) {
  const auto upper = UpperCase(code);
  const std::string_view text(upper);
  const bool twoLetters = text.starts_with("LS") || text.starts_with("SS");
  if (!twoLetters && !text.starts_with('D') && !text.starts_with('T')) {
    return false;
  }
  const auto digits = text.substr(twoLetters ? 2 : 1);
  if (digits.empty() || digits.size() > 2 || digits.front() == '0') {
    return false;
  }
  int number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc() || end != digits.data() + digits.size()) {
    return false;
  }
  const bool bull = number == 25 && (text.starts_with("SS") || text.starts_with('D'));
  return (number >= 1 && number <= 20) || bull;
}

std::optional<std::string> TypedFieldCode(std::string_view typed) {
  const auto upper = UpperCase(typed);
  if (upper == "0" || upper == "M") {
    return std::string(kMissCode);
  }
  if (upper == "50" || upper == "BULL") {
    return "D25";
  }
  std::string code = upper;
  if (!code.empty() && std::isdigit(static_cast<unsigned char>(code[0]))) {
    code = "S" + code;
  }
  if (code.size() > 1 && code[0] == 'S' && std::isdigit(static_cast<unsigned char>(code[1]))) {
    code = (code == "S25" ? "S" : "L") + code;
  }
  if (!IsBoardField(code)) {
    return std::nullopt;
  }
  return code;
}

bool AimMatches(std::string_view aim, std::string_view hit) {
  if (aim != "SS25") {
    return hit == aim;
  }
  return hit == "SS25" || hit == "D25";
}

}  // namespace korvanti
