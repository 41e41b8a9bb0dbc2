#include "play/GermanNumbers.h"

#include <array>
#include <cctype>

namespace korvanti {
namespace {

constexpr std::array<const char*, 20> kBelowTwenty = {
    "null",     "eins",     "zwei",     "drei",     "vier",     "fünf",    "sechs",
    "sieben",   "acht",     "neun",     "zehn",     "elf",      "zwölf",   "dreizehn",
    "vierzehn", "fünfzehn", "sechzehn", "siebzehn", "achtzehn", "neunzehn"};
constexpr std::array<const char*, 10> kTens = {
    "", "", "zwanzig", "dreißig", "vierzig", "fünfzig", "sechzig", "siebzig", "achtzig", "neunzig"};

// "eins" loses its s in front of "und", "hundert" and "tausend".
std::string Leading(int digit) {
  return digit == 1 ? "ein" : kBelowTwenty[digit];
}

// 1 to 99.
std::string BelowHundred(int n) {
  if (n < 20) {
    return kBelowTwenty[n];
  }
  const int ones = n % 10;
  return (ones == 0 ? std::string() : Leading(ones) + "und") + kTens[n / 10];
}

// 1 to 999.
std::string BelowThousand(int n) {
  const int hundreds = n / 100;
  const int rest = n % 100;
  std::string words = hundreds > 0 ? Leading(hundreds) + "hundert" : "";
  return rest > 0 ? words + BelowHundred(rest) : words;
}

// 1 to 999 999.
std::string Positive(int n) {
  const int thousands = n / 1000;
  const int rest = n % 1000;
  std::string words =
      thousands > 0 ? (thousands == 1 ? "ein" : BelowThousand(thousands)) + "tausend" : "";
  return rest > 0 ? words + BelowThousand(rest) : words;
}

std::string Capitalised(std::string words) {
  words[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(words[0])));
  return words;
}

constexpr int kLargestSpoken = 999'999;

}  // namespace

std::string GermanNumberWords(int number) {
  if (number == 0) {
    return "Null";
  }
  // Scores never come near; beyond this the digits are clearer than words.
  if (number > kLargestSpoken || number < -kLargestSpoken) {
    return std::to_string(number);
  }
  if (number < 0) {
    return "Minus " + Positive(-number);
  }
  return Capitalised(Positive(number));
}

}  // namespace korvanti
