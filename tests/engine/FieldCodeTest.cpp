#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/FieldCode.h"
#include "engine/HitMapColours.h"
#include "platform/Error.h"

namespace korvanti {
namespace {

TEST(FieldCode, ValueAndNumber) {
  struct Case {
    const char* code;
    int value;
    int number;
  };
  const Case cases[] = {
      {"D25", 50, 25}, {"SS25", 25, 25}, {"T20", 60, 20}, {"LS7", 7, 7}, {"d16", 32, 16},
      {"ss3", 3, 3},   {"D1", 2, 1},     {"0", 0, 0},     {"do", 0, 0},  {"", 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FieldValue(c.code), c.value) << c.code;
    EXPECT_EQ(FieldNumber(c.code), c.number) << c.code;
  }
  EXPECT_EQ(FieldValue("na"), 0);
  EXPECT_EQ(FieldValue("00"), 0);
}

TEST(FieldCode, CodesWithoutDigitsFailAsNumberConversions) {
  for (const char* code : {"na", "00", "T", "LS", "D2x", "Tabc", "SS-"}) {
    EXPECT_THROW(FieldNumber(code), Error) << code;
  }
  for (const char* code : {"T", "LS", "D2x", "X"}) {
    EXPECT_THROW(FieldValue(code), Error) << code;
  }
}

// No field number exceeds 25; larger ones (which used to overflow when
// multiplied) and signs are refused with a message that shows the code shortened.
TEST(FieldCode, NumbersOutsideTheBoardAreRefused) {
  const std::string longCode = "T" + std::string(1000, '9');
  for (const std::string& code :
       std::vector<std::string>{"T2147483647", "D99999999999", "LS26", "T-1", "D+5", longCode}) {
    try {
      FieldValue(code);
      ADD_FAILURE() << code;
    } catch (const Error& error) {
      EXPECT_LT(std::string(error.what()).size(), 120u) << error.what();
    }
    EXPECT_THROW(FieldNumber(code), Error) << code;
  }
  EXPECT_EQ(FieldValue("T25"), 75);
}

TEST(FieldCode, MultiplierTestsLookAtTheUpperCasedPrefix) {
  EXPECT_TRUE(IsDoubleCode("D25"));
  EXPECT_TRUE(IsDoubleCode("d8"));
  EXPECT_TRUE(IsDoubleCode("do"));
  EXPECT_FALSE(IsDoubleCode("SS25"));
  EXPECT_TRUE(IsTrebleCode("t19"));
  EXPECT_FALSE(IsTrebleCode("LS20"));
  EXPECT_FALSE(IsTrebleCode(""));
}

TEST(FieldCode, AimMatches) {
  EXPECT_TRUE(AimMatches("SS25", "D25"));
  EXPECT_TRUE(AimMatches("SS25", "SS25"));
  EXPECT_FALSE(AimMatches("D25", "SS25"));
  EXPECT_FALSE(AimMatches("LS20", "SS20"));
  EXPECT_TRUE(AimMatches("T20", "T20"));
  EXPECT_FALSE(AimMatches("T20", "t20"));
  EXPECT_TRUE(AimMatches("", ""));
}

TEST(FieldCode, TypedCodes) {
  const std::pair<const char*, const char*> typed[] = {
      {"T20", "T20"},  {"t20", "T20"}, {"D16", "D16"}, {"d1", "D1"},    {"S5", "LS5"},
      {"5", "LS5"},    {"20", "LS20"}, {"25", "SS25"}, {"s25", "SS25"}, {"50", "D25"},
      {"bull", "D25"}, {"D25", "D25"}, {"0", "0"},     {"m", "0"},      {"LS7", "LS7"},
  };
  for (const auto& [text, code] : typed) {
    EXPECT_EQ(TypedFieldCode(text), std::optional<std::string>(code)) << text;
  }
  for (const char* refused : {"", "T25", "21", "D0", "T020", "X", "T", "00", "na", "D 16", "-5"}) {
    EXPECT_EQ(TypedFieldCode(refused), std::nullopt) << refused;
  }
}

TEST(HitMapColours, ColorToField) {
  struct Case {
    Rgb color;
    const char* code;
  };
  const Case cases[] = {
      {{0, 231, 1}, "SS25"},     {{255, 255, 255}, "LS1"}, {{0, 20, 0}, "LS20"},
      {{0, 255, 2}, "D1"},       {{212, 212, 225}, "0"},   {{127, 145, 255}, "00"},
      {{254, 237, 255}, "SS19"}, {{1, 20, 0}, "SS20"},     {{0, 237, 3}, "T19"},
      {{0, 251, 7}, "SS5"},      {{255, 20, 3}, "T20"},    {{255, 8, 2}, "D8"},
      {{255, 25, 2}, "D25"},     {{100, 100, 100}, "00"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HitMapColours::ColorToField(c.color), c.code)
        << int(c.color.r) << "," << int(c.color.g) << "," << int(c.color.b);
  }
}

}  // namespace
}  // namespace korvanti
