#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/TrainingResult.h"
#include "engine/Turn.h"

namespace korvanti {

// One call of the caller: a file of the sounds folder to play when sounds are
// on and it is there, else the words for the voice when the caller is on.
struct Call {
  std::string soundFile;  // empty: only the voice
  std::string words;      // UTF-8, a short spoken sentence

  bool operator==(const Call&) const = default;
};

inline constexpr const char* kCallerBust = "Überworfen";
inline constexpr const char* kCallerWon = "Gewonnen";

// What the caller says for a turn's points: the words, and "!" for the maximum.
std::string CallerPhraseForPoints(int points);

// The phrase a sound file of a count-down check-in stands for: "<points>.mp3"
// says the points, "Gewonnen.mp3" says "Gewonnen"; any other name has none.
std::optional<std::string> CallerPhraseForSoundFile(const std::string& file);

// A count-down check-in: "<points>.mp3" or "Gewonnen.mp3"; a bust says "Überworfen".
Call TurnCall(int points, bool bust, bool decidesTheGame);

// Before the turn of a player who can finish: "require<points>.mp3", else
// "Anna, du brauchst 121".
Call RequireCall(std::string_view nickname, int pointsLeft);

// A cricket check-in names the darts that scored marks, by their field:
// "Triple 20", "Single 19, Double 18", "zweimal Triple 20"; the bull's marks
// are counted together ("Bull", "zwei Bull"); a turn without marks is "Kein
// Treffer". Voice only.
Call CricketCall(const Turn& turn);

// One stored player's result at the end of a training, with his best before it.
struct TrainingOutcome {
  std::string name;  // empty when he trained alone
  int result = 0;
  std::optional<int> earlierBest;
  BetterResult order = BetterResult::Higher;

  // The first result counts as a best too.
  bool IsNewBest() const { return !earlierBest || Beats(order, result, *earlierBest); }
};

// The end of a training: "Ergebnis 312", "Neue Bestleistung, 312", with
// several players "Anna, neue Bestleistung, 312. Ben, Ergebnis 280". Voice only;
// no call when nobody has a result.
std::optional<Call> ResultCall(const std::vector<TrainingOutcome>& outcomes);

}  // namespace korvanti
