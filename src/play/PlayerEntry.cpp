#include "play/PlayerEntry.h"

#include <algorithm>

namespace korvanti {
namespace {

constexpr std::string_view kComputerName = "The Machine";
// The longest file name is 255 bytes; ".jpg" is added to the nickname and a
// character takes up to four bytes.
constexpr std::ptrdiff_t kLongestNickname = 60;

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

// Upper case letters of Latin-1 in UTF-8 are C3 80..C3 9E (without the
// multiplication sign C3 97); their lower case partners are 0x20 higher.
std::string Folded(std::string_view text) {
  std::string folded(Trimmed(text));
  for (std::size_t i = 0; i < folded.size(); ++i) {
    auto byte = static_cast<unsigned char>(folded[i]);
    if (byte >= 'A' && byte <= 'Z') {
      folded[i] = static_cast<char>(byte + 0x20);
    } else if (byte == 0xC3 && i + 1 < folded.size()) {
      auto next = static_cast<unsigned char>(folded[i + 1]);
      if (next >= 0x80 && next <= 0x9E && next != 0x97) {
        folded[i + 1] = static_cast<char>(next + 0x20);
      }
      ++i;
    }
  }
  return folded;
}

bool HasControlCharacter(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
  });
}

std::ptrdiff_t Characters(std::string_view text) {
  return std::count_if(text.begin(), text.end(),
                       [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

PlayerEntryRefusal Refusal(const char* message) {
  return {message};
}

}  // namespace

bool SameNickname(std::string_view left, std::string_view right) {
  return Folded(left) == Folded(right);
}

PlayerEntryCheck CheckPlayerEntry(std::string_view firstName, std::string_view lastName,
                                  std::string_view nickname,
                                  const std::vector<std::string>& existingNicknames) {
  PlayerEntry entry{std::string(Trimmed(firstName)), std::string(Trimmed(lastName)),
                    std::string(Trimmed(nickname))};
  if (entry.nickname.empty())
    entry.nickname = entry.firstName;
  const std::string& name = entry.nickname;
  if (name.empty()) {
    return Refusal("Leider nicht genügend Felder ausgefüllt, bitte noch mal versuchen.");
  }
  if (HasControlCharacter(entry.firstName) || HasControlCharacter(entry.lastName) ||
      HasControlCharacter(name)) {
    return Refusal("Die Namen dürfen keine Steuerzeichen enthalten.");
  }
  if (name.find_first_of("/\\") != std::string::npos || name.find("..") != std::string::npos) {
    return Refusal(
        "Der Anzeigename darf weder \"/\" noch \"\\\" noch \"..\" enthalten, weil das Spielerbild "
        "unter diesem Namen gespeichert wird.");
  }
  if (Characters(name) > kLongestNickname) {
    return Refusal("Der Anzeigename ist zu lang, höchstens 60 Zeichen sind erlaubt.");
  }
  if (SameNickname(name, kComputerName)) {
    return Refusal(
        "Der Anzeigename \"The Machine\" ist für den Computergegner reserviert, bitte einen "
        "anderen wählen.");
  }
  const bool taken =
      std::any_of(existingNicknames.begin(), existingNicknames.end(),
                  [&](const std::string& other) { return SameNickname(name, other); });
  if (taken) {
    return PlayerEntryRefusal{"Den Anzeigenamen \"" + name +
                              "\" gibt es schon, bitte einen anderen wählen."};
  }
  return entry;
}

}  // namespace korvanti
