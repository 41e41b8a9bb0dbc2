#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <limits>
#include <map>
#include <numbers>
#include <sstream>
#include <unordered_map>
#include <vector>

#include "ColorClass.h"
#include "engine/BoardGeometry.h"
#include "engine/HitMap.h"
#include "ui/board/BoardCanvas.h"
#include "ui/board/BoardWidget.h"

namespace korvanti {
namespace {

const HitMap& SharedHitMap() {
  static const HitMap hitMap;
  return hitMap;
}

// Where a device pixel's centre lies in hit-map pixels (continuous).
struct DeviceMapping {
  QRectF board;  // the board's rectangle in device pixels
  QPointF HitMapPoint(int px, int py) const {
    return {(px + 0.5 - board.left()) * board::kWidth / board.width(),
            (py + 0.5 - board.top()) * board::kHeight / board.height()};
  }
};

// How far a point of the board lies from the nearest wire, worked out from the
// geometry's radii and the sector boundaries.
double DistanceToWire(QPointF point) {
  using namespace board;
  const double bull = std::hypot(point.x() - kBullX, point.y() - kBullY);
  const double ring = std::hypot(point.x() - kRingX, point.y() - kRingY);
  double distance = std::numeric_limits<double>::max();
  for (const double radius : {kBullsEye, kBullsEyeWire, kOuterBull, kOuterBullWire}) {
    distance = std::min(distance, std::abs(bull - radius));
  }
  for (const double radius : {kSmallSingle, kTrebleInnerWire, kTreble, kTrebleOuterWire,
                              kLargeSingle, kDoubleInnerWire, kDouble, kDoubleOuterWire}) {
    distance = std::min(distance, std::abs(ring - radius));
  }
  // Radial wires run from the outer bull's wire out to the double ring's.
  if (bull >= kOuterBullWire && ring < kDoubleOuterWire) {
    const double degrees =
        std::atan2(point.x() - kBullX, kBullY - point.y()) * 180 / std::numbers::pi;
    const double offset = std::fmod(degrees + 9 + 360, 18.0);
    const double toBoundary = std::min(offset, 18 - offset) * std::numbers::pi / 180;
    distance = std::min(distance, std::abs(bull * std::sin(toBoundary) - kRadialWireHalfWidth));
  }
  return distance;
}

// A device pixel is judged when the geometry point it shows lies more than 1.5
// hit-map pixels from every wire, in the field of the hit-map pixel under it.
// The answer depends on the size only, so it is worked out once per size.
const std::vector<bool>& ClearOfWires(QSize deviceSize, const DeviceMapping& mapping) {
  static std::map<std::pair<int, int>, std::vector<bool>> cache;
  auto& clear = cache[{deviceSize.width(), deviceSize.height()}];
  if (!clear.empty()) {
    return clear;
  }
  clear.resize(static_cast<std::size_t>(deviceSize.width()) * deviceSize.height());
  for (int py = 0; py < deviceSize.height(); ++py) {
    for (int px = 0; px < deviceSize.width(); ++px) {
      const QPointF q = mapping.HitMapPoint(px, py);
      const QPointF shown = q - QPointF(0.5, 0.5);  // geometry sits on pixel centres
      const auto field = board::FieldAt(std::floor(q.x()), std::floor(q.y()));
      clear[static_cast<std::size_t>(py) * deviceSize.width() + px] =
          field.ring != board::Ring::Wire && DistanceToWire(shown) > 1.5 &&
          board::FieldAt(shown.x(), shown.y()) == field;
    }
  }
  return clear;
}

struct Agreement {
  long judged = 0;
  long disagreeing = 0;
  std::string firstDisagreement;
};

Agreement Compare(const QImage& image, const DeviceMapping& mapping, const BoardPalette& palette) {
  const QSize size(image.width(), image.height());
  const auto& clear = ClearOfWires(size, mapping);
  Agreement result;
  // Most pixels are flat field colours: each distinct colour is classified once.
  std::unordered_map<QRgb, ColorClass> classes;
  for (int py = 0; py < size.height(); ++py) {
    for (int px = 0; px < size.width(); ++px) {
      if (!clear[static_cast<std::size_t>(py) * size.width() + px]) {
        continue;
      }
      const QPointF q = mapping.HitMapPoint(px, py);
      const int hx = static_cast<int>(std::floor(q.x()));
      const int hy = static_cast<int>(std::floor(q.y()));
      const std::string code = SharedHitMap().FieldAt(hx, hy);
      const ColorClass expected = ExpectedClass(code);
      const QRgb rgb = image.pixel(px, py);
      const auto known = classes.find(rgb);
      const ColorClass seen =
          known != classes.end()
              ? known->second
              : classes.emplace(rgb, Classify(palette, QColor(rgb))).first->second;
      const QColor pixel(rgb);
      ++result.judged;
      if (!LookAlike(palette, expected, seen)) {
        if (++result.disagreeing == 1) {
          std::ostringstream text;
          text << "device pixel (" << px << ", " << py << ") over hit-map (" << hx << ", " << hy
               << ") " << code << ": expected " << Name(expected) << ", shows " << Name(seen)
               << " rgb(" << pixel.red() << ", " << pixel.green() << ", " << pixel.blue() << ")";
          result.firstDisagreement = text.str();
        }
      }
    }
  }
  return result;
}

struct RenderCase {
  int style;
  double devicePixelRatio;
  double scale;  // of the board's logical size
};

std::string CaseName(const testing::TestParamInfo<RenderCase>& info) {
  std::ostringstream name;
  name << "Style" << info.param.style << "Ratio" << info.param.devicePixelRatio * 10 << "Scale"
       << info.param.scale * 100;
  return name.str();
}

class BoardAgreement : public testing::TestWithParam<RenderCase> {};

// The picture is painted into an image of the device's resolution through the
// same canvas the widget paints with.
TEST_P(BoardAgreement, EveryPixelClearOfWiresShowsTheFieldTheHitMapDecodes) {
  const RenderCase c = GetParam();
  const QSizeF logical(board::kWidth * c.scale, board::kHeight * c.scale);
  QImage image(std::lround(logical.width() * c.devicePixelRatio),
               std::lround(logical.height() * c.devicePixelRatio), QImage::Format_RGB32);
  image.setDevicePixelRatio(c.devicePixelRatio);
  BoardCanvas canvas;
  canvas.SetPicture(BoardPicture::Drawn(BoardStyleFromSetting(c.style)));
  {
    QPainter painter(&image);
    canvas.Paint(painter, QRectF(QPointF(0, 0), logical));
  }
  const DeviceMapping mapping{QRectF(0, 0, image.width(), image.height())};
  const Agreement agreement = Compare(image, mapping, PaletteFor(BoardStyleFromSetting(c.style)));
  EXPECT_GT(agreement.judged, image.width() * image.height() * 8 / 10);
  EXPECT_EQ(agreement.disagreeing, 0) << agreement.firstDisagreement;
}

INSTANTIATE_TEST_SUITE_P(StylesRatiosAndSizes, BoardAgreement,
                         testing::Values(RenderCase{0, 1, 1}, RenderCase{1, 1, 1},
                                         RenderCase{2, 1, 1}, RenderCase{0, 2, 1},
                                         RenderCase{1, 2, 1}, RenderCase{2, 2, 1},
                                         RenderCase{0, 1, 0.7}, RenderCase{1, 1, 0.7},
                                         RenderCase{2, 1, 0.7}),
                         CaseName);

// The widget in a window of another shape: what a pointer position decodes to
// is what the widget shows under it.
TEST(BoardWidgetAgreement, ClicksDecodeToWhatTheWidgetShowsInALetterboxedWindow) {
  BoardWidget widget(SharedHitMap());
  widget.SetPicture(BoardPicture::Drawn(BoardStyle::Classic));
  widget.resize(700, 520);
  const QImage image = widget.grab().toImage();
  ASSERT_EQ(image.size(), QSize(700, 520));
  const DeviceMapping mapping{widget.BoardRect()};
  EXPECT_EQ(widget.HitMapPosition(QPointF(350, 260)),
            (QPoint{static_cast<int>(std::floor(mapping.HitMapPoint(350, 260).x())),
                    static_cast<int>(std::floor(mapping.HitMapPoint(350, 260).y()))}));
  const Agreement agreement = Compare(image, mapping, PaletteFor(BoardStyle::Classic));
  EXPECT_GT(agreement.judged, 520L * 520 * 7 / 10);
  EXPECT_EQ(agreement.disagreeing, 0) << agreement.firstDisagreement;
}

}  // namespace
}  // namespace korvanti
