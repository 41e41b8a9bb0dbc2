#include <gtest/gtest.h>

#include "platform/NumberFormat.h"

namespace korvanti {
namespace {

TEST(NumberFormat, FormatsPictures) {
  struct Case {
    const char* pattern;
    double value;
    const char* expected;
  };
  const Case cases[] = {
      {"##.##", 33.333, "33,33"}, {"##.##", 0.5, ",5"},
      {"##.##", 100, "100"},      {"##.##", 0, ""},
      {"##.##", 2.125, "2,13"},   {"##.##", -1.5, "-1,5"},
      {"##.##", 0.001, ""},       {"0.00", 0, "0,00"},
      {"0.00", 12.375, "12,38"},  {"0.00", 100.0 / 3, "33,33"},
      {"0.00", -0.001, "0,00"},   {"0", 2.5, "3"},
      {"0", 1234567, "1234567"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatFloat(c.pattern, c.value), c.expected) << c.pattern << " " << c.value;
  }
  EXPECT_EQ(FormatFloat("0.00", 3.5, {'.', ','}), "3.50");
}

TEST(NumberFormat, FormatsFourSignificantDigits) {
  struct Case {
    double value;
    int decimals;
    const char* expected;
  };
  const Case cases[] = {
      {45.23, 1, "45,2"},   {48.1, 1, "48,1"},    {51, 1, "51,0"},
      {100.0 / 3, 0, "33"}, {25, 0, "25"},        {0, 1, "0,0"},
      {1234.5, 0, "1.235"}, {123.45, 1, "123,5"}, {99.96, 1, "100,0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatSignificant(c.value, c.decimals), c.expected) << c.value;
  }
  EXPECT_EQ(FormatSignificant(1234.5, 0, {'.', ','}), "1,235");
}

TEST(NumberFormat, RoundsHalvesToEven) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.4), 2);
  EXPECT_EQ(RoundHalfEven(-2.6), -3);
}

TEST(NumberFormat, ParsesOnlyWholeDecimalIntegers) {
  const struct {
    const char* text;
    std::optional<int> value;
  } cases[] = {
      {"42", 42},
      {" -7\t", -7},
      {"+5", 5},
      {"+-5", std::nullopt},
      {"-+5", std::nullopt},
      {"++5", std::nullopt},
      {"5x", std::nullopt},
      {"", std::nullopt},
      {"+", std::nullopt},
      {"2147483647", 2147483647},
      {"2147483648", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseDecimalInteger(c.text), c.value) << c.text;
  }
}

}  // namespace
}  // namespace korvanti
