#include "play/CallerTexts.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "play/GermanNumbers.h"

namespace korvanti {
namespace {

constexpr int kMaximumPoints = 180;
constexpr int kBull = 25;

// A call's later words start in lower case; its first word in upper case.
// The words changed here start with an ASCII letter.
std::string WithFirstLetter(std::string words, bool upper) {
  if (!words.empty()) {
    const auto letter = static_cast<unsigned char>(words[0]);
    words[0] = static_cast<char>(upper ? std::toupper(letter) : std::tolower(letter));
  }
  return words;
}

std::string Joined(const std::vector<std::string>& parts, const std::string& separator) {
  std::string text;
  for (const auto& part : parts) {
    text += (text.empty() ? "" : separator) + part;
  }
  return text;
}

std::string FieldName(const Dart& dart) {
  const char* kind = dart.IsHitTreble() ? "Triple " : dart.IsHitDouble() ? "Double " : "Single ";
  return kind + std::to_string(dart.HitNumber());
}

}  // namespace

std::string CallerPhraseForPoints(int points) {
  return GermanNumberWords(points) + (points == kMaximumPoints ? "!" : "");
}

std::optional<std::string> CallerPhraseForSoundFile(const std::string& file) {
  constexpr std::string_view kExtension = ".mp3";
  if (file == std::string(kCallerWon) + std::string(kExtension)) {
    return kCallerWon;
  }
  if (file.size() <= kExtension.size() || !file.ends_with(kExtension)) {
    return std::nullopt;
  }
  const std::string_view digits(file.data(), file.size() - kExtension.size());
  int points = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), points);
  if (error != std::errc() || end != digits.data() + digits.size() || points < 0) {
    return std::nullopt;
  }
  return CallerPhraseForPoints(points);
}

Call TurnCall(int points, bool bust, bool decidesTheGame) {
  const auto file =
      decidesTheGame ? std::string(kCallerWon) + ".mp3" : std::to_string(points) + ".mp3";
  if (bust) {
    return {file, kCallerBust};
  }
  return {file, *CallerPhraseForSoundFile(file)};
}

Call RequireCall(std::string_view nickname, int pointsLeft) {
  const auto points = std::to_string(pointsLeft);
  const std::string words = "du brauchst " + points;
  return {"require" + points + ".mp3",
          nickname.empty() ? WithFirstLetter(words, true) : std::string(nickname) + ", " + words};
}

Call CricketCall(const Turn& turn) {
  // The darts in the order thrown; equal fields are called once with how often.
  struct Part {
    std::string field;
    int count = 0;
  };
  std::vector<Part> parts;
  for (const auto& dart : turn.hits) {
    if (dart.marks <= 0) {
      continue;
    }
    const bool bull = dart.HitNumber() == kBull;
    const auto field = bull ? std::string("Bull") : FieldName(dart);
    auto found = std::find_if(parts.begin(), parts.end(),
                              [&](const Part& part) { return part.field == field; });
    if (found == parts.end()) {
      found = parts.insert(parts.end(), {field, 0});
    }
    // The bull counts its marks: the bull's eye is two.
    found->count += bull ? dart.HitMultiplier() : 1;
  }
  if (parts.empty()) {
    return {"", "Kein Treffer"};
  }
  std::vector<std::string> said;
  for (const auto& [field, count] : parts) {
    const auto times = WithFirstLetter(GermanNumberWords(count), false);
    said.push_back(count == 1 ? field : field == "Bull" ? times + " Bull" : times + "mal " + field);
  }
  return {"", WithFirstLetter(Joined(said, ", "), true)};
}

std::optional<Call> ResultCall(const std::vector<TrainingOutcome>& outcomes) {
  std::vector<std::string> said;
  for (const auto& outcome : outcomes) {
    const auto number = std::to_string(outcome.result);
    const auto result = outcome.IsNewBest() ? "neue Bestleistung, " + number : "Ergebnis " + number;
    said.push_back(outcome.name.empty() ? WithFirstLetter(result, true)
                                        : outcome.name + ", " + result);
  }
  if (said.empty()) {
    return std::nullopt;
  }
  return Call{"", Joined(said, ". ")};
}

}  // namespace korvanti
