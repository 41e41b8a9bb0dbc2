#include "store/FieldFilter.h"

#include <algorithm>
#include <cctype>

namespace korvanti {
namespace {

QVariant Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool IsDecimalNumber(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

// The number part of a code: without "T"/"D", without "LS"/"SS", else the code itself.
std::string NumberOfCode(const std::string& code) {
  if (code.starts_with("T") || code.starts_with("D"))
    return code.substr(1);
  if (code.starts_with("LS") || code.starts_with("SS"))
    return code.substr(2);
  return code;
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

bool StartsWithLetter(std::string_view code, char letter) {
  return !code.empty() && Lower(code.front()) == Lower(letter);
}

bool ContainsLetter(std::string_view code, char letter) {
  return std::any_of(code.begin(), code.end(), [&](char c) { return Lower(c) == Lower(letter); });
}

bool IsOneOfFourCodes(std::string_view code, std::string_view number) {
  for (const char* prefix : {"LS", "SS", "D", "T"}) {
    if (code == std::string(prefix) + std::string(number))
      return true;
  }
  return false;
}

}  // namespace

SqlCondition FourCodesOf(std::string_view column, std::string_view number) {
  const std::string c(column);
  SqlCondition condition{"(" + c + " = ? OR " + c + " = ? OR " + c + " = ? OR " + c + " = ?)", {}};
  for (const char* prefix : {"LS", "SS", "D", "T"}) {
    condition.values.push_back(Text(prefix + std::string(number)));
  }
  return condition;
}

FieldFilter FieldFilter::Classify(std::string_view filter) {
  const std::string text(filter);
  if (text.empty())
    return {Kind::All, text};
  if (text == "S")
    return {Kind::Singles, text};
  if (text == "T")
    return {Kind::Trebles, text};
  if (text == "D")
    return {Kind::Doubles, text};
  if (text.size() == 1)
    return {Kind::Digit, text};
  if (IsDecimalNumber(text))
    return {Kind::Number, text};
  return {Kind::Code, text};
}

SqlCondition FieldFilter::OnColumn(std::string_view column) const {
  const std::string c(column);
  switch (kind_) {
    case Kind::All:
      return {c + " <> 'na'", {}};
    case Kind::Singles:
      return {c + " LIKE '%S%'", {}};
    case Kind::Doubles:
      return {c + " LIKE 'D%'", {}};
    case Kind::Trebles:
      return {c + " LIKE 'T%'", {}};
    case Kind::Digit:
      return FourCodesOf(column, text_);
    case Kind::Number:
      return {c + " LIKE ?", {Text("%" + text_)}};
    case Kind::Code:
      break;
  }
  return {c + " = ?", {Text(text_)}};
}

bool FieldFilter::MatchesHit(std::string_view hit) const {
  switch (kind_) {
    case Kind::All:
      return hit != "na";
    case Kind::Singles:
      return ContainsLetter(hit, 'S');
    case Kind::Doubles:
      return StartsWithLetter(hit, 'D');
    case Kind::Trebles:
      return StartsWithLetter(hit, 'T');
    case Kind::Digit:
      return IsOneOfFourCodes(hit, text_);
    case Kind::Number:
      return hit.ends_with(text_);
    case Kind::Code:
      break;
  }
  return hit == text_;
}

bool FieldFilter::MatchesAim(std::string_view aim, std::string_view hit, bool exact) const {
  if (kind_ == Kind::All || (kind_ == Kind::Code && exact)) {
    return aim == hit;
  }
  if (kind_ == Kind::Code) {
    return IsOneOfFourCodes(aim, NumberOfCode(text_));
  }
  return MatchesHit(aim);
}

SqlCondition FieldFilter::OnAim(std::string_view aimColumn, std::string_view hitColumn,
                                bool exact) const {
  if (kind_ == Kind::All || (kind_ == Kind::Code && exact)) {
    return {std::string(aimColumn) + " = " + std::string(hitColumn), {}};
  }
  if (kind_ == Kind::Code) {
    return FourCodesOf(aimColumn, NumberOfCode(text_));
  }
  return OnColumn(aimColumn);
}

}  // namespace korvanti
