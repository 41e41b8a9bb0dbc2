#include <gtest/gtest.h>

#include <set>

#include "platform/Guid.h"

namespace korvanti {
namespace {

TEST(Guid, NewGuidsAreBracedUpperCaseAndDistinct) {
  std::set<std::string> seen;
  for (int i = 0; i < 1000; ++i) {
    const auto guid = NewGuidString();
    ASSERT_TRUE(IsGuidString(guid)) << guid;
    seen.insert(guid);
  }
  EXPECT_EQ(seen.size(), 1000u);
  EXPECT_FALSE(IsGuidString("{0f8fad5b-d9cb-469f-a165-70867728950e}"));
  EXPECT_FALSE(IsGuidString("0F8FAD5B-D9CB-469F-A165-70867728950E"));
}

}  // namespace
}  // namespace korvanti
