#include <gtest/gtest.h>

#include "platform/TextEncoding.h"

namespace korvanti {
namespace {

TEST(TextEncoding, RecognisesValidUtf8) {
  EXPECT_TRUE(IsValidUtf8(""));
  EXPECT_TRUE(IsValidUtf8("plain"));
  EXPECT_TRUE(IsValidUtf8("Grüße – €"));
  EXPECT_FALSE(IsValidUtf8("M\xFCller"));         // Windows-1252 ü
  EXPECT_FALSE(IsValidUtf8("\xC3"));              // cut short
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
}

TEST(TextEncoding, DecodesWindows1252WhenNotUtf8) {
  EXPECT_EQ(DecodeTextFile("Stra\xDF"
                           "e \x80 \x96 \x81"),
            "Straße € – \xC2\x81");
  EXPECT_EQ(DecodeTextFile("Straße"), "Straße");
}

}  // namespace
}  // namespace korvanti
