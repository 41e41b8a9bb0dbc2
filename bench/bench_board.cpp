#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "engine/AimPoints.h"
#include "engine/HitMap.h"
#include "ui/board/BoardCanvas.h"
#include "ui/board/BoardWidget.h"

namespace {

using namespace korvanti;

constexpr double kFrameSeconds = 1.0 / 60.0;

// Time per iteration as a share of one 60 Hz frame (printed with a unit "s",
// read it as a plain ratio).
void ReportShareOfFrame(benchmark::State& state) {
  state.counters["of_frame"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kFrameSeconds,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Drawing the board afresh, as after a resize or a change of screen.
void DrawBoardPicture(benchmark::State& state) {
  const double ratio = static_cast<double>(state.range(0));
  QImage image(static_cast<int>(659 * ratio), static_cast<int>(650 * ratio), QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  BoardCanvas canvas;
  for (auto _ : state) {
    canvas.SetPicture(BoardPicture::Drawn(BoardStyle::Classic));
    QPainter painter(&image);
    canvas.Paint(painter, QRectF(0, 0, 659, 650));
  }
  ReportShareOfFrame(state);
}
BENCHMARK(DrawBoardPicture)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// A repaint of the whole widget with three dart marks: what a computer dart costs.
void RepaintBoardWithMarks(benchmark::State& state) {
  const HitMap hitMap;
  BoardWidget widget(hitMap);
  widget.SetPicture(BoardPicture::Drawn(BoardStyle::Classic));
  widget.resize(659, 650);
  for (const char* code : {"T20", "T1", "D25"}) {
    const auto point = AimPointFor(code);
    widget.AddDartMark({point->x, point->y});
  }
  QImage image(659, 650, QImage::Format_RGB32);
  widget.render(&image);  // the picture is drawn once and kept
  for (auto _ : state) {
    widget.render(&image);
  }
  ReportShareOfFrame(state);
}
BENCHMARK(RepaintBoardWithMarks)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
