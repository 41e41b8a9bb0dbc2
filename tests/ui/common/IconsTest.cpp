#include "ui/common/Icons.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <set>

#include "ui/common/KorvantiLook.h"

namespace korvanti {
namespace {

// Counts the pixels a 32 x 32 rendering actually paints.
int PaintedPixels(const QIcon& icon) {
  const QImage image = icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
  int painted = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      painted += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    }
  }
  return painted;
}

TEST(IconsTest, EveryRoleRendersADistinctPictureAt32x32) {
  std::set<QByteArray> seen;
  for (const IconRole role : kAllIconRoles) {
    const QIcon icon = KorvantiIcon(role);
    SCOPED_TRACE(static_cast<int>(role));
    ASSERT_FALSE(icon.isNull());
    const QPixmap pixmap = icon.pixmap(32, 32);
    ASSERT_EQ(pixmap.size(), QSize(32, 32));
    EXPECT_GT(PaintedPixels(icon), 20);
    const QImage image = pixmap.toImage();
    seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
  }
  EXPECT_EQ(seen.size(), std::size(kAllIconRoles));
}

// The lightest painted pixel of a 32 x 32 rendering.
int LightestInk(const QIcon& icon) {
  const QImage image = icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
  int lightest = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(image.pixel(x, y)) == 255) {
        lightest = std::max(lightest, image.pixelColor(x, y).lightness());
      }
    }
  }
  return lightest;
}

// The pictures' dark ink is drawn in the palette's text colour, so that the
// tool bars stay readable under the dark scheme; the red of "Spieler
// löschen" and the coloured pictures stay as they are.
TEST(IconsTest, TheInkFollowsTheApplicationsPalette) {
  ApplyLookScheme(LookScheme::Light);
  const QIcon start = KorvantiIcon(IconRole::StartGame);
  const QImage abortLight = KorvantiIcon(IconRole::AbortGame).pixmap(32, 32).toImage();
  EXPECT_LT(LightestInk(start), 80);
  ApplyLookScheme(LookScheme::Dark);
  EXPECT_GT(LightestInk(start), 180);  // the same icon, painted again
  EXPECT_EQ(KorvantiIcon(IconRole::AbortGame).pixmap(32, 32).toImage(), abortLight);
  ApplyLookScheme(LookScheme::Light);
}

TEST(IconsTest, TheApplicationIconIsOurDartboard) {
  const QIcon icon = ApplicationIcon();
  ASSERT_FALSE(icon.isNull());
  // The board fills most of the square; its centre is the red bull.
  const QImage image = icon.pixmap(64, 64).toImage();
  ASSERT_EQ(image.size(), QSize(64, 64));
  EXPECT_GT(PaintedPixels(icon), 32 * 32 * 3 / 4);
  const QColor bull = image.pixelColor(32, 32);
  EXPECT_GT(bull.red(), 150);
  EXPECT_LT(bull.green(), 80);
}

}  // namespace
}  // namespace korvanti
