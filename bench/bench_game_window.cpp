#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <variant>

#include "engine/AimPoints.h"
#include "engine/CheckoutRoutes.h"
#include "engine/HitMap.h"
#include "platform/Random.h"
#include "play/GameStart.h"
#include "ui/board/BoardWidget.h"
#include "ui/common/ScriptedDialogs.h"
#include "ui/game/GameWindow.h"

namespace {

using namespace korvanti;

constexpr double kFrameSeconds = 1.0 / 60.0;
constexpr int kGame501DoubleOut = 4;
constexpr int kBookedTurnsPerPlayer = 30;

// Time per iteration as a share of one 60 Hz frame (printed with a unit "s",
// read it as a plain ratio).
void ReportShareOfFrame(benchmark::State& state) {
  state.counters["of_frame"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kFrameSeconds,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// A 501 between two players well into the game, on the game screen as the
// start window opens it, at the design's size. Built once: every timed click
// is taken back, so the game stays as it was.
class LateGameScreen {
 public:
  LateGameScreen() : environment_{hitMap_, random_, folder_.path().toStdString()} {
    if (!folder_.isValid()) {
      throw std::runtime_error("no temporary folder");
    }
    InstallCheckoutTable(environment_.programFolder);
    StartRequest request;
    request.game = FindCatalogEntry(kGame501DoubleOut);
    request.players = {{"{ANNA}", "Anna"}, {"{BEN}", "Ben"}};
    auto result = BuildGame(request, settings_, environment_);
    if (auto* refusal = std::get_if<StartRefusal>(&result)) {
      throw std::runtime_error(refusal->message);
    }
    GameWindowSetup setup{hitMap_, environment_.programFolder, 0, true, {}};
    window_ = std::make_unique<GameWindow>(std::move(std::get<StartedGame>(result)),
                                           std::move(setup), dialogs_);
    window_->ShowGame();
    // The offscreen screen is small; paint at 100 % as on an ordinary desktop.
    window_->resize(GameWindow::kDesignSize);
    Settle();
    // Low darts that keep both players far from a finish, so every turn is booked.
    for (int turn = 0; turn < 2 * kBookedTurnsPerPlayer; ++turn) {
      for (int dart = 0; dart < 3; ++dart) {
        Click("LS1");
      }
    }
    QTest::qWait(50);  // the last points banner hides itself
    const auto& game = window_->Session().PlayedGame();
    for (const auto* player : game.players) {
      if (player->turns.Count() != static_cast<std::size_t>(kBookedTurnsPerPlayer)) {
        throw std::runtime_error("the turns were not booked");
      }
    }
    if (game.CurrentPlayerIndex() != 0 || game.IsFinished()) {
      throw std::runtime_error("the game is not where it should be");
    }
  }

  GameWindow& Window() { return *window_; }
  BoardWidget& Board() { return window_->Board(); }

  // A left click on the field's aim point, delivered to the board widget.
  void Press(const char* code) {
    const auto point = *AimPointFor(code);
    QTest::mouseClick(&Board(), Qt::LeftButton, {}, Board().WidgetPosition({point.x, point.y}));
  }
  void Click(const char* code) {
    Press(code);
    Settle();
  }
  // The user clicks the dart field: the last dart goes.
  void TakeBack() {
    QTest::mouseClick(window_->findChild<QLabel*>("pnlcheck1"), Qt::LeftButton);
    Settle();
  }
  int DartsEntered() const {
    return window_->Session().PlayedGame().CurrentTurns().current.DartsEntered();
  }

 private:
  // Lets the steps (points banner, booking) run until none is pending.
  void Settle() {
    for (int i = 0; i < 500; ++i) {
      QApplication::processEvents();
      if (!window_->Session().StepPending()) {
        QApplication::processEvents();
        return;
      }
    }
    throw std::runtime_error("steps never ended");
  }

  QTemporaryDir folder_;
  HitMap hitMap_;
  UniformRandom random_{11};
  ProgramOptions settings_;
  StartEnvironment environment_;
  ScriptedDialogs dialogs_;
  std::unique_ptr<GameWindow> window_;
};

// One dart clicked on the board until the whole window is painted again: the
// session, the scoreboard model, every panel and the board. The dart is taken
// back outside the timing.
void ClickDartAndRepaintWindow(benchmark::State& state, LateGameScreen& screen) {
  for (auto _ : state) {
    screen.Press("T20");
    screen.Window().repaint();
    QApplication::processEvents();
    state.PauseTiming();
    if (screen.DartsEntered() != 1) {
      state.SkipWithError("the click did not register a dart");
      break;
    }
    screen.TakeBack();
    screen.Window().repaint();
    if (screen.DartsEntered() != 0) {
      state.SkipWithError("the dart was not taken back");
      break;
    }
    state.ResumeTiming();
  }
  ReportShareOfFrame(state);
}

// The same click, painting only what the click marked dirty, as the event loop does.
void ClickDartAndPaintChanges(benchmark::State& state, LateGameScreen& screen) {
  for (auto _ : state) {
    screen.Press("T20");
    QApplication::processEvents();
    state.PauseTiming();
    if (screen.DartsEntered() != 1) {
      state.SkipWithError("the click did not register a dart");
      break;
    }
    screen.TakeBack();
    state.ResumeTiming();
  }
  ReportShareOfFrame(state);
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  LateGameScreen screen;
  // Wall time: what the player waits for, whatever thread does the work.
  benchmark::RegisterBenchmark(
      "ClickDartAndRepaintWindow",
      [&screen](benchmark::State& state) { ClickDartAndRepaintWindow(state, screen); })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  benchmark::RegisterBenchmark(
      "ClickDartAndPaintChanges",
      [&screen](benchmark::State& state) { ClickDartAndPaintChanges(state, screen); })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
