#include <gtest/gtest.h>

#include <QAction>
#include <QDateTimeEdit>
#include <QSignalSpy>
#include <chrono>
#include <iostream>

#include "RawDatabase.h"
#include "StatsWindowFixture.h"
#include "store/ScopedTransaction.h"
#include "ui/common/QtDateTime.h"

namespace korvanti {
namespace {

using namespace std::chrono_literals;
using testing::DaysAgo;
using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

// Two years of Anna's daily 501 with aims: a refresh over all of it by day
// takes seconds on a loaded machine.
class StatsCancel : public testing::StatsWindow {
 protected:
  static constexpr int kDays = 730;
  static constexpr int kGamesPerDay = 4;

  void SetUp() override {
    const std::vector<testing::TurnSpec> turns{
        {"T20 S20 S5", "T20 T20 T20"},  {"S20 T20 S1", "T20 T20 T20"},
        {"T19 S19 S7", "T19 T19 T19"},  {"S20 S20 S20", "T20 T20 T20"},
        {"T20 T20 S20", "T20 T20 T20"}, {"S16 D8", "D8 D8"}};
    ScopedTransaction batch(*data.database);
    for (int day = kDays; day >= 1; --day) {
      for (int game = 0; game < kGamesPerDay; ++game) {
        data.AddGame(anna, "const501dout", DaysAgo(day, 18 + game), turns);
      }
    }
    batch.Commit();
  }

  // The whole two years, by day: the long refresh, started by "Aktualisieren".
  void StartLongRefresh(StatisticsWindow& window) {
    Find<QDateTimeEdit>(window, "dtpStartDate")
        .setDateTime(ToQDateTime(IncDay(DateTimeNow(), -kDays - 1)));
    Trigger(window, "btnRefresh");
    ASSERT_TRUE(window.Refreshing());
  }

  static void Trigger(QWidget& window, const char* action) {
    auto* found = window.findChild<QAction*>(action);
    ASSERT_NE(found, nullptr) << action;
    found->trigger();
  }

  long long AnnasTurns() {
    testing::RawDatabase raw(data.folder / "dart.mdb");
    return raw.Count("throw WHERE playerid = '" + anna + "'");
  }
};

// Closing during the long refresh closes at once: the worker stops between
// rows, its result never shows, the window's end waits for nothing long.
TEST_F(StatsCancel, ClosingDuringARefreshClosesAtOnce) {
  auto window = Open(anna);
  const auto started = Clock::now();
  Refreshed(*window, [&] { StartLongRefresh(*window); });
  std::cout << "[ cancel   ] statistics: the long refresh takes "
            << Milliseconds(Clock::now() - started) << " ms\n";

  QSignalSpy refreshed(window.get(), &StatisticsWindow::refreshed);
  StartLongRefresh(*window);
  const auto closing = Clock::now();
  Trigger(*window, "btnclose");
  EXPECT_FALSE(window->isVisible());
  window.reset();  // as the start window does once the window has closed
  const auto took = Clock::now() - closing;
  std::cout << "[ cancel   ] statistics: closed mid-refresh in " << Milliseconds(took) << " ms\n";
  EXPECT_LT(took, 5s);
  EXPECT_EQ(refreshed.count(), 0);
}

// "Löschen" during the long refresh: the refresh stops, the deletion runs
// where the reads run, behind the hourglass, and the table shows what is left.
TEST_F(StatsCancel, DeletionDuringARefreshStopsItAndDeletes) {
  auto window = Open(anna);
  ASSERT_GT(AnnasTurns(), 0);
  StartLongRefresh(*window);
  dialogs.Answer(DialogAnswer::Yes);
  const auto deleting = Clock::now();
  // Deleting two years of turns takes seconds on a loaded machine: waited
  // for as long as the bound below allows.
  Refreshed(
      *window,
      [&] {
        Trigger(*window, "btnDelete");
        EXPECT_EQ(window->cursor().shape(), Qt::WaitCursor);
      },
      30000);
  const auto took = Clock::now() - deleting;
  std::cout << "[ cancel   ] statistics: Löschen during a refresh to the table shown again "
            << Milliseconds(took) << " ms\n";
  EXPECT_LT(took, 30s);
  ASSERT_EQ(dialogs.shown().size(), 1u);  // the question, no failure
  EXPECT_EQ(dialogs.shown()[0].kind, ScriptedDialogs::Kind::YesNo);
  EXPECT_EQ(AnnasTurns(), 0);
  EXPECT_EQ(window->AimTable().rowCount(), 0);
  EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
}

}  // namespace
}  // namespace korvanti
