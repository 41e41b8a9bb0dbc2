#include "play/GermanNumbers.h"

#include <gtest/gtest.h>

#include <ostream>

namespace korvanti {
namespace {

struct WordsCase {
  int number;
  const char* words;
};

void PrintTo(const WordsCase& c, std::ostream* out) {
  *out << c.number;
}

class GermanNumberWordsTest : public ::testing::TestWithParam<WordsCase> {};

TEST_P(GermanNumberWordsTest, SaysTheNumberAsOneCapitalisedWord) {
  EXPECT_EQ(GermanNumberWords(GetParam().number), GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    Scores, GermanNumberWordsTest,
    ::testing::Values(
        WordsCase{0, "Null"}, WordsCase{1, "Eins"}, WordsCase{7, "Sieben"}, WordsCase{11, "Elf"},
        WordsCase{12, "Zwölf"}, WordsCase{16, "Sechzehn"}, WordsCase{17, "Siebzehn"},
        WordsCase{20, "Zwanzig"}, WordsCase{21, "Einundzwanzig"}, WordsCase{26, "Sechsundzwanzig"},
        WordsCase{30, "Dreißig"}, WordsCase{45, "Fünfundvierzig"}, WordsCase{60, "Sechzig"},
        WordsCase{77, "Siebenundsiebzig"}, WordsCase{99, "Neunundneunzig"},
        WordsCase{100, "Einhundert"}, WordsCase{101, "Einhunderteins"},
        WordsCase{111, "Einhundertelf"}, WordsCase{117, "Einhundertsiebzehn"},
        WordsCase{121, "Einhunderteinundzwanzig"}, WordsCase{140, "Einhundertvierzig"},
        WordsCase{171, "Einhunderteinundsiebzig"}, WordsCase{180, "Einhundertachtzig"},
        WordsCase{200, "Zweihundert"}, WordsCase{301, "Dreihunderteins"},
        WordsCase{501, "Fünfhunderteins"}, WordsCase{1000, "Eintausend"},
        WordsCase{1001, "Eintausendeins"}, WordsCase{2121, "Zweitausendeinhunderteinundzwanzig"},
        WordsCase{-3, "Minus drei"}));

}  // namespace
}  // namespace korvanti
