#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Notice.h"
#include "platform/Random.h"

namespace korvanti {
namespace {

TEST(UniformRandom, SameSeedSameNumbersInTheHalfOpenUnitInterval) {
  UniformRandom first(42);
  UniformRandom second(7);
  second.Seed(42);
  double sum = 0;
  for (int i = 0; i < 10000; ++i) {
    const double value = first.Next();
    ASSERT_GE(value, 0.0);
    ASSERT_LT(value, 1.0);
    ASSERT_EQ(value, second.Next());
    sum += value;
  }
  EXPECT_NEAR(sum / 10000, 0.5, 0.02);
}

TEST(Notice, ScopedReceiverCollectsAndRestoresThePrevious) {
  std::vector<std::string> outer;
  std::vector<std::string> inner;
  ScopedNoticeReceiver outerScope([&](std::string_view text) { outer.emplace_back(text); });
  {
    ScopedNoticeReceiver innerScope([&](std::string_view text) { inner.emplace_back(text); });
    Notify("Fehler in GetCheckOutThrow");
  }
  Notify("fehler calc hit");
  EXPECT_EQ(inner, std::vector<std::string>{"Fehler in GetCheckOutThrow"});
  EXPECT_EQ(outer, std::vector<std::string>{"fehler calc hit"});
}

}  // namespace
}  // namespace korvanti
