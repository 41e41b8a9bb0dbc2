#pragma once

#include <string>

namespace korvanti {

// A whole number in German words, capitalised as it starts a call:
// 21 "Einundzwanzig", 101 "Einhunderteins", -3 "Minus drei". UTF-8.
std::string GermanNumberWords(int number);

}  // namespace korvanti
