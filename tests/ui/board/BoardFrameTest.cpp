#include <gtest/gtest.h>

#include <string>

#include "engine/BoardGeometry.h"
#include "ui/board/BoardFrame.h"

namespace korvanti {
namespace {

struct FrameCase {
  QSize area;
  double devicePixelRatio;
};

class BoardFrameMapping : public testing::TestWithParam<FrameCase> {};

TEST_P(BoardFrameMapping, KeepsTheAspectCentredOnDevicePixels) {
  const auto [area, ratio] = GetParam();
  const BoardFrame frame(area, ratio);
  const QRectF rect = frame.Rect();
  EXPECT_NEAR(rect.width() / rect.height(), 659.0 / 650.0, 0.005);
  EXPECT_TRUE(rect.width() <= area.width() + 1e-9 && rect.height() <= area.height() + 1e-9);
  // One side fills the area, the other is centred.
  EXPECT_TRUE(rect.width() > area.width() - 1 || rect.height() > area.height() - 1);
  // Up to a device pixel apart, as the edges sit on device pixels.
  EXPECT_NEAR(rect.left(), area.width() - rect.right(), 1.5);
  EXPECT_NEAR(rect.top(), area.height() - rect.bottom(), 1.5);
  const QRectF device(rect.topLeft() * ratio, rect.size() * ratio);
  EXPECT_DOUBLE_EQ(device.left(), std::round(device.left()));
  EXPECT_DOUBLE_EQ(device.top(), std::round(device.top()));
  EXPECT_EQ(frame.DeviceSize(), device.size().toSize());
}

TEST_P(BoardFrameMapping, EveryHitMapPixelMapsBackToItself) {
  const auto [area, ratio] = GetParam();
  const BoardFrame frame(area, ratio);
  for (int y = 0; y < board::kHeight; y += 7) {
    for (int x = 0; x < board::kWidth; x += 7) {
      ASSERT_EQ(frame.ToHitMap(frame.FromHitMap(QPointF(x, y))), QPoint(x, y)) << x << ", " << y;
    }
  }
  ASSERT_EQ(frame.ToHitMap(frame.FromHitMap(QPointF(658, 649))), QPoint(658, 649));
}

TEST_P(BoardFrameMapping, PositionsBesideTheBoardFallOutsideTheHitMap) {
  const auto [area, ratio] = GetParam();
  const BoardFrame frame(area, ratio);
  const QRectF rect = frame.Rect();
  const QPoint beforeCorner = frame.ToHitMap(rect.topLeft() - QPointF(1, 1));
  EXPECT_LT(beforeCorner.x(), 0);
  EXPECT_LT(beforeCorner.y(), 0);
  const QPoint afterCorner = frame.ToHitMap(rect.bottomRight() + QPointF(0.5, 0.5));
  EXPECT_GE(afterCorner.x(), board::kWidth);
  EXPECT_GE(afterCorner.y(), board::kHeight);
}

std::string FrameName(const testing::TestParamInfo<FrameCase>& info) {
  return "Area" + std::to_string(info.param.area.width()) + "x" +
         std::to_string(info.param.area.height()) + "Ratio" +
         std::to_string(static_cast<int>(info.param.devicePixelRatio * 100));
}

INSTANTIATE_TEST_SUITE_P(SizesAndRatios, BoardFrameMapping,
                         testing::Values(FrameCase{{659, 650}, 1}, FrameCase{{659, 650}, 2},
                                         FrameCase{{461, 455}, 1}, FrameCase{{1200, 700}, 1},
                                         FrameCase{{500, 900}, 1.5}, FrameCase{{833, 811}, 1.25},
                                         FrameCase{{330, 325}, 2}),
                         FrameName);

}  // namespace
}  // namespace korvanti
