#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <chrono>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <thread>

#include "ui/game/BusyBar.h"
#include "ui/game/BusyBarMotion.h"
#include "ui/game/PreparationRunner.h"
#include "ui/game/WaitDialog.h"

namespace korvanti {
namespace {

using namespace std::chrono_literals;

TEST(BusyBarMotionTest, GrowsToTheFullWidthThenShrinksFromTheLeftAndStartsAgain) {
  BusyBarMotion motion(407);  // the bar's inside: step 8
  int frames = 0;
  while (motion.end() < 407) {
    const int before = motion.end();
    motion.Advance();
    ++frames;
    ASSERT_EQ(motion.start(), 0);
    ASSERT_EQ(motion.end(), std::min(before + 8, 407));
  }
  EXPECT_EQ(frames, 51);  // 50 steps of 8 reach 400; the 51st is cut at the edge
  motion.Advance();
  EXPECT_EQ(motion.start(), 8);
  EXPECT_EQ(motion.end(), 407);
  while (motion.end() != 0) {
    motion.Advance();
    ++frames;
  }
  EXPECT_EQ(motion.start(), 0);
  motion.Advance();
  EXPECT_EQ(motion.end(), 8);  // growing again
}

TEST(BusyBarMotionTest, BarNarrowerThanFiftyStandsStill) {
  for (int width : {0, 1, 49, -5}) {
    BusyBarMotion motion(width);
    for (int i = 0; i < 200; ++i) {
      motion.Advance();
    }
    EXPECT_EQ(motion.start(), 0) << width;
    EXPECT_EQ(motion.end(), 0) << width;
  }
}

TEST(WaitDialogTest, CaptionAndInfoTextAsGivenOrByDefault) {
  WaitDialog plain;
  EXPECT_EQ(plain.windowTitle(), "Bitte Warten ... Please Wait ...");
  WaitDialog computer(nullptr, "Bitte etwas Geduld, Computer überlegt.");
  EXPECT_EQ(computer.windowTitle(), "Bitte etwas Geduld, Computer überlegt.");

  auto* info = computer.findChild<QLabel*>("lbl_InfoText");
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(info->text(), "Bitte etwas Geduld, Daten werden aktualisiert...");
  EXPECT_EQ(computer.size(), QSize(471, 113));

  computer.SetInfoText("Strategie wird ausgeknobelt, je nach Schnitt könnte dies etwas dauern...");
  const int withInfo = computer.height();
  computer.SetInfoText({});
  EXPECT_EQ(info->text(), "");
  EXPECT_EQ(computer.height(), withInfo - 30);
  auto* bar = computer.findChild<BusyBar*>("pnlBusy");
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->size(), QSize(409, 9));
}

TEST(WaitDialogTest, LongInfoTextIsNeverCutOff) {
  WaitDialog dialog;
  dialog.SetInfoText(QString(120, QLatin1Char('W')));
  auto* info = dialog.findChild<QLabel*>("lbl_InfoText");
  EXPECT_LE(info->geometry().right(), dialog.width());
  EXPECT_GE(info->width(), info->sizeHint().width());
}

// While it works, Esc, closing and "Abbrechen" ask the owner to stop; the
// dialog stays until the owner finishes it.
TEST(WaitDialogTest, EscClosingAndAbbrechenAskToCancelWhileItWorks) {
  WaitDialog dialog;
  QSignalSpy cancels(&dialog, &WaitDialog::cancelRequested);
  dialog.show();
  dialog.StartAnimation();
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(dialog.close());
  EXPECT_TRUE(dialog.isVisible());
  auto* cancel = dialog.findChild<QPushButton*>("btn_Abbrechen");
  ASSERT_NE(cancel, nullptr);
  EXPECT_EQ(cancel->text(), "Abbrechen");
  EXPECT_TRUE(cancel->isVisible());
  QTest::mouseClick(cancel, Qt::LeftButton);
  EXPECT_EQ(cancels.count(), 3);

  dialog.Finish();
  EXPECT_FALSE(dialog.findChild<BusyBar*>("pnlBusy")->IsRunning());
  EXPECT_TRUE(dialog.close());
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(cancels.count(), 3);
}

TEST(WaitDialogTest, StartingTwiceRunsOneAnimation) {
  WaitDialog dialog;
  auto* bar = dialog.findChild<BusyBar*>("pnlBusy");
  dialog.StartAnimation();
  QTest::qWait(60);
  const int end = bar->motion().end();
  dialog.StartAnimation();  // must not restart the bar nor add a second timer
  EXPECT_GE(bar->motion().end(), end);
  dialog.StopAnimation();
  const int stopped = bar->motion().end();
  QTest::qWait(60);
  EXPECT_EQ(bar->motion().end(), stopped);
}

TEST(WaitDialogTest, ProgressShowsAsPercent) {
  WaitDialog dialog;
  auto* progress = dialog.findChild<QLabel*>("lbl_Progress");
  ASSERT_NE(progress, nullptr);
  EXPECT_TRUE(progress->isHidden());
  dialog.SetProgress(3, 12);
  EXPECT_EQ(progress->text(), "Fortschritt: 25 %");
  EXPECT_FALSE(progress->isHidden());
  dialog.SetProgress(0, 0);
  EXPECT_TRUE(progress->isHidden());
}

// A preparation run through the runner: its outcome and what the window saw.
struct Outcome {
  int calls = 0;
  bool onWindowThread = false;
  std::optional<std::string> failure;
};

PreparationRunner::Done Record(Outcome& outcome) {
  return [&outcome](std::optional<std::string> failure) {
    ++outcome.calls;
    outcome.onWindowThread = QThread::currentThread() == qApp->thread();
    outcome.failure = std::move(failure);
  };
}

QImage Grab(QWidget* widget) {
  return widget->grab().toImage();
}

TEST(PreparationRunnerTest, BarMovesWhileTheWorkRunsAndDoneComesOnceOnTheWindowThread) {
  QWidget window;
  PreparationRunner runner(&window);
  Outcome outcome;
  std::atomic<bool> release = false;
  std::thread::id workerThread;
  runner.Run(
      [&](const PreparationProgress& progress, std::stop_token) -> std::optional<std::string> {
        workerThread = std::this_thread::get_id();
        // About 200 ms, and on until the test has seen the bar move.
        for (int i = 1; i <= 4 || !release; ++i) {
          std::this_thread::sleep_for(50ms);
          progress(std::min(i, 4), 4);
        }
        return std::nullopt;
      },
      Record(outcome));

  // Run returned at once: the dialog shows and nothing is decided yet.
  EXPECT_EQ(outcome.calls, 0);
  ASSERT_NE(runner.dialog(), nullptr);
  EXPECT_TRUE(runner.dialog()->isVisible());
  EXPECT_TRUE(runner.dialog()->isModal());
  EXPECT_EQ(runner.dialog()->windowTitle(), "Bitte etwas Geduld, Computer überlegt.");
  auto* bar = runner.dialog()->findChild<BusyBar*>("pnlBusy");
  const QImage first = Grab(bar);
  QTRY_VERIFY_WITH_TIMEOUT(Grab(bar) != first, 3000);
  const QImage second = Grab(bar);
  QTRY_VERIFY_WITH_TIMEOUT(Grab(bar) != second, 3000);
  EXPECT_EQ(outcome.calls, 0);
  release = true;

  QTRY_COMPARE_WITH_TIMEOUT(outcome.calls, 1, 5000);
  EXPECT_TRUE(outcome.onWindowThread);
  EXPECT_NE(workerThread, std::this_thread::get_id());
  EXPECT_EQ(outcome.failure, std::nullopt);
  EXPECT_FALSE(runner.IsRunning());
  EXPECT_EQ(runner.dialog(), nullptr);
  QTest::qWait(30);
  EXPECT_EQ(outcome.calls, 1);
}

TEST(PreparationRunnerTest, ProgressOfTheWorkShowsInTheDialog) {
  PreparationRunner runner(nullptr);
  Outcome outcome;
  std::atomic<bool> release = false;
  runner.Run(
      [&](const PreparationProgress& progress, std::stop_token) -> std::optional<std::string> {
        progress(1, 4);
        while (!release) {
          std::this_thread::sleep_for(5ms);
        }
        return std::nullopt;
      },
      Record(outcome));
  auto* label = runner.dialog()->findChild<QLabel*>("lbl_Progress");
  QTRY_COMPARE_WITH_TIMEOUT(label->text(), QString("Fortschritt: 25 %"), 3000);
  release = true;
  QTRY_COMPARE_WITH_TIMEOUT(outcome.calls, 1, 5000);
}

TEST(PreparationRunnerTest, FailureAndThrownErrorsReachDoneAsText) {
  QWidget window;
  PreparationRunner runner(&window);
  struct Case {
    PreparationWork work;
    std::string expected;
  };
  const Case cases[] = {
      {[](const auto&, std::stop_token) { return std::optional<std::string>("Keine Würfe"); },
       "Keine Würfe"},
      {[](const auto&, std::stop_token) -> std::optional<std::string> {
         throw std::runtime_error("Tabelle fehlt");
       },
       "Die Vorbereitung ist fehlgeschlagen: Tabelle fehlt"}};
  for (const auto& c : cases) {
    Outcome outcome;
    runner.Run(c.work, Record(outcome));
    QTRY_COMPARE_WITH_TIMEOUT(outcome.calls, 1, 5000);
    EXPECT_EQ(outcome.failure, c.expected);
  }
}

TEST(PreparationRunnerTest, SecondRunWhileWorkingIsRefusedNotLost) {
  QWidget window;
  PreparationRunner runner(&window);
  Outcome first;
  Outcome second;
  runner.Run(
      [](const auto&, std::stop_token) -> std::optional<std::string> {
        std::this_thread::sleep_for(100ms);
        return std::nullopt;
      },
      Record(first));
  runner.Run([](const auto&, std::stop_token) { return std::optional<std::string>(); },
             Record(second));
  EXPECT_EQ(second.calls, 0);  // refused later, never inside Run
  QTRY_COMPARE_WITH_TIMEOUT(first.calls, 1, 5000);
  QTRY_COMPARE_WITH_TIMEOUT(second.calls, 1, 5000);
  EXPECT_EQ(first.failure, std::nullopt);
  EXPECT_TRUE(second.failure.has_value());
}

// A work that runs until it is told to stop (a long search); the time from
// the stop request to its end is measured.
struct EndlessWork {
  std::atomic<bool> started = false;
  std::atomic<bool> ended = false;

  PreparationWork Work() {
    return [this](const PreparationProgress& progress,
                  std::stop_token stop) -> std::optional<std::string> {
      started = true;
      // Bounded, so that a broken stop fails the test instead of hanging it.
      const auto giveUp = std::chrono::steady_clock::now() + 60s;
      for (int game = 1; !stop.stop_requested() && std::chrono::steady_clock::now() < giveUp;
           ++game) {
        progress(game % 1000, 1000);
        std::this_thread::yield();
      }
      ended = true;
      return std::nullopt;
    };
  }
};

TEST(PreparationRunnerTest, AbbrechenStopsTheWorkAndCallsCancelledInsteadOfDone) {
  QWidget window;
  PreparationRunner runner(&window);
  EndlessWork work;
  Outcome outcome;
  int cancelled = 0;
  runner.Run(work.Work(), Record(outcome), [&] { ++cancelled; });
  QTRY_VERIFY_WITH_TIMEOUT(work.started, 5000);
  QPointer<WaitDialog> dialog = runner.dialog();
  ASSERT_NE(dialog, nullptr);

  const auto clicked = std::chrono::steady_clock::now();
  QTest::mouseClick(dialog->findChild<QPushButton*>("btn_Abbrechen"), Qt::LeftButton);
  QTRY_COMPARE_WITH_TIMEOUT(cancelled, 1, 5000);
  const auto took = std::chrono::steady_clock::now() - clicked;
  std::cout << "[ cancel   ] runner: Abbrechen to stopped work "
            << std::chrono::duration<double, std::milli>(took).count() << " ms\n";
  EXPECT_LT(took, 5s);
  EXPECT_TRUE(work.ended);
  EXPECT_FALSE(runner.IsRunning());
  EXPECT_EQ(runner.dialog(), nullptr);
  QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull() || !dialog->isVisible(), 5000);
  QCoreApplication::processEvents();
  EXPECT_EQ(outcome.calls, 0);
  EXPECT_EQ(cancelled, 1);
}

// The window goes while its computer prepares: the work stops (it may read
// what the window owns) before the runner is gone, and nothing is called.
TEST(PreparationRunnerTest, DestroyingTheRunnerStopsTheWorkAndCallsNothing) {
  auto window = std::make_unique<QWidget>();
  EndlessWork work;
  Outcome outcome;
  int cancelled = 0;
  std::optional<PreparationRunner> runner;
  runner.emplace(window.get());
  runner->Run(work.Work(), Record(outcome), [&] { ++cancelled; });
  QTRY_VERIFY_WITH_TIMEOUT(work.started, 5000);
  const auto closing = std::chrono::steady_clock::now();
  runner.reset();
  const auto took = std::chrono::steady_clock::now() - closing;
  window.reset();
  std::cout << "[ cancel   ] runner: destroyed while working in "
            << std::chrono::duration<double, std::milli>(took).count() << " ms\n";
  EXPECT_LT(took, 5s);
  EXPECT_TRUE(work.ended);
  QCoreApplication::processEvents();
  EXPECT_EQ(outcome.calls, 0);
  EXPECT_EQ(cancelled, 0);
}

}  // namespace
}  // namespace korvanti
