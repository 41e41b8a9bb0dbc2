#pragma once

#include <QVariant>
#include <string>
#include <string_view>
#include <vector>

namespace korvanti {

// A piece of a WHERE clause with its "?" placeholders and the values that go
// into them, in order.
struct SqlCondition {
  std::string text;
  std::vector<QVariant> values;
};

// Which fields a dart count looks at: all darts thrown, singles, doubles,
// trebles, a one-digit number, a number, or one code.
class FieldFilter {
 public:
  enum class Kind { All, Singles, Doubles, Trebles, Digit, Number, Code };

  static FieldFilter Classify(std::string_view filter);

  Kind kind() const { return kind_; }
  const std::string& text() const { return text_; }

  // Darts whose code in the column matches the filter.
  SqlCondition OnColumn(std::string_view column) const;
  // The aim condition of an aim-and-hit count (`exact` matters for codes only).
  SqlCondition OnAim(std::string_view aimColumn, std::string_view hitColumn, bool exact) const;

  // The same conditions on codes in memory, with SQL's LIKE (ASCII letters
  // in any case) and "=" (exact text).
  bool MatchesHit(std::string_view hit) const;
  bool MatchesAim(std::string_view aim, std::string_view hit, bool exact) const;

 private:
  FieldFilter(Kind kind, std::string text) : kind_(kind), text_(std::move(text)) {}

  Kind kind_;
  std::string text_;
};

// The four codes of a number n: "LS"+n, "SS"+n, "D"+n, "T"+n.
SqlCondition FourCodesOf(std::string_view column, std::string_view number);

}  // namespace korvanti
