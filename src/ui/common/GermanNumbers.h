#pragma once

#include <optional>
#include <string>

namespace korvanti {

// A whole number in German words, capitalised as it starts a call:
// 21 "Einundzwanzig", 101 "Einhunderteins", -3 "Minus drei". UTF-8.
std::string GermanNumberWords(int number);

// What the caller says for a turn's points: the words, and "!" for the maximum.
std::string CallerPhraseForPoints(int points);
inline constexpr const char* kCallerBust = "Überworfen";
inline constexpr const char* kCallerWon = "Gewonnen";

// The phrase for a sound file the loop of play asks for: "<points>.mp3" says
// the points, "Gewonnen.mp3" says "Gewonnen"; any other name has no phrase.
std::optional<std::string> CallerPhraseForSoundFile(const std::string& file);

}  // namespace korvanti
