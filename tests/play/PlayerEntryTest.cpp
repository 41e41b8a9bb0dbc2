#include "play/PlayerEntry.h"

#include <gtest/gtest.h>

namespace korvanti {
namespace {

const std::vector<std::string> kExisting = {"Anna", "Jürgen", "Ölaf"};

struct AcceptCase {
  const char* label;
  const char* first;
  const char* last;
  const char* nick;
  PlayerEntry expected;
};

const AcceptCase kAccepted[] = {
    {"all three", "Peter", "Meier", "Pete", {"Peter", "Meier", "Pete"}},
    {"first name only becomes nickname", "Bernd", "", "", {"Bernd", "", "Bernd"}},
    {"blank nickname means none", " Bernd ", "", "   ", {"Bernd", "", "Bernd"}},
    {"blanks trimmed everywhere", "  Max\t", " Muster ", " Maxi ", {"Max", "Muster", "Maxi"}},
    {"a name containing an existing one", "Anna", "", "Annabell", {"Anna", "", "Annabell"}},
    {"one dot is harmless", "", "", "Dr. No", {"", "", "Dr. No"}},
    {"umlauts kept", "Jörg", "Müller", "Jöm", {"Jörg", "Müller", "Jöm"}},
    {"the computer's name inside another", "", "", "The Machine 2", {"", "", "The Machine 2"}},
};

TEST(PlayerEntryTest, AcceptedEntriesComeBackCleaned) {
  for (const AcceptCase& c : kAccepted) {
    const PlayerEntryCheck check = CheckPlayerEntry(c.first, c.last, c.nick, kExisting);
    const auto* entry = std::get_if<PlayerEntry>(&check);
    ASSERT_NE(entry, nullptr) << c.label << ": " << std::get<PlayerEntryRefusal>(check).message;
    EXPECT_EQ(*entry, c.expected) << c.label;
  }
}

struct RefuseCase {
  const char* label;
  const char* first;
  const char* nick;
  const char* messagePart;  // the message names the reason
};

const RefuseCase kRefused[] = {
    {"nothing typed", "", "", "nicht genügend Felder"},
    {"only blanks", "  ", " \t ", "nicht genügend Felder"},
    {"duplicate, other case, blank", "", "anna ", "gibt es schon"},
    {"duplicate by the first name", "ANNA", "", "gibt es schon"},
    {"duplicate with umlaut in other case", "", "jÜRGEN", "gibt es schon"},
    {"duplicate with leading umlaut", "", "ölaf", "gibt es schon"},
    {"computer's name", "", "The Machine", "reserviert"},
    {"computer's name other case", "", " the machine ", "reserviert"},
    {"climbs out of the folder", "", "../x", "\"..\""},
    {"two dots alone", "", "..", "\"..\""},
    {"slash", "", "a/b", "\"/\""},
    {"backslash", "", "a\\b", "\"\\\""},
    {"control character inside", "", "An\x01na", "Steuerzeichen"},
    {"delete character", "", "Ann\x7f", "Steuerzeichen"},
    {"line break inside", "", "An\nna", "Steuerzeichen"},
    {"control character in the first name", "Pe\x02ter", "Pete", "Steuerzeichen"},
    {"too long for a file name", "",
     "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx", "zu lang"},
};

TEST(PlayerEntryTest, RefusedEntriesNameTheReasonInGerman) {
  for (const RefuseCase& c : kRefused) {
    const PlayerEntryCheck check = CheckPlayerEntry(c.first, "", c.nick, kExisting);
    const auto* refusal = std::get_if<PlayerEntryRefusal>(&check);
    ASSERT_NE(refusal, nullptr) << c.label;
    EXPECT_NE(refusal->message.find(c.messagePart), std::string::npos)
        << c.label << ": " << refusal->message;
  }
}

TEST(PlayerEntryTest, LengthCountsCharactersNotBytes) {
  std::string umlauts;
  for (int i = 0; i < 60; ++i)
    umlauts += "ä";
  EXPECT_TRUE(std::holds_alternative<PlayerEntry>(CheckPlayerEntry("", "", umlauts, {})));
  EXPECT_TRUE(
      std::holds_alternative<PlayerEntryRefusal>(CheckPlayerEntry("", "", umlauts + "ä", {})));
}

TEST(PlayerEntryTest, SameNicknameFoldsOnlyLetters) {
  EXPECT_TRUE(SameNickname(" ÄRGER", "ärger "));
  EXPECT_FALSE(SameNickname("A1", "a2"));
  EXPECT_FALSE(SameNickname("×", "÷"));  // multiplication and division signs stay apart
}

}  // namespace
}  // namespace korvanti
