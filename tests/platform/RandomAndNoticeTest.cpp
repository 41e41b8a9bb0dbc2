#include <gtest/gtest.h>

#include <string>
#include <thread>
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

// A worker's notice never reaches the receiver of the thread that started it.
TEST(Notice, ReceiversBelongToTheirThread) {
  std::vector<std::string> window;
  ScopedNoticeReceiver windowScope([&](std::string_view text) { window.emplace_back(text); });
  std::vector<std::string> worker;
  std::thread([&] {
    ScopedNoticeReceiver workerScope([&](std::string_view text) { worker.emplace_back(text); });
    Notify("fehler calc hit");
  }).join();
  std::thread([] { Notify("Fehler in GetCheckOutThrow"); }).join();  // to standard error
  EXPECT_TRUE(window.empty());
  EXPECT_EQ(worker, std::vector<std::string>{"fehler calc hit"});
}

}  // namespace
}  // namespace korvanti
