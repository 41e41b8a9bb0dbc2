#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include "ui/common/KorvantiLook.h"
#include "ui/game/PointsBanner.h"

namespace korvanti {
namespace {

class BannerTest : public ::testing::Test {
 protected:
  void SetUp() override { InstallFontSubstitutions(); }
  QWidget window;
  PointsBanner banner{&window};
};

TEST_F(BannerTest, ShowsAtOnceWithoutBlockingAndHidesItself) {
  banner.Show("60 Punkte, Rest: 441", 3000);
  // Back at once: a Show that waited for its end would leave nothing showing.
  EXPECT_TRUE(banner.isVisible());
  EXPECT_EQ(banner.text(), "60 Punkte, Rest: 441");
  EXPECT_GT(banner.RemainingMilliseconds(), 1500);

  banner.Show("0 Punkte, Rest: 32", 100);
  EXPECT_EQ(banner.text(), "0 Punkte, Rest: 32");  // the new text replaces the old
  QTRY_VERIFY_WITH_TIMEOUT(!banner.isVisible(), 3000);
  EXPECT_EQ(banner.RemainingMilliseconds(), 0);
}

TEST_F(BannerTest, SecondTextGetsItsFullTime) {
  banner.Show("60 Punkte, Rest: 441", 100);
  banner.Show("0 Punkte, Rest: 32", 1500);
  // One close timer, started anew: the first text's 100 ms no longer count.
  EXPECT_GT(banner.RemainingMilliseconds(), 1000);
  EXPECT_TRUE(banner.isVisible());
  EXPECT_EQ(banner.text(), "0 Punkte, Rest: 32");
}

TEST_F(BannerTest, NoTimeShowsNothing) {
  banner.Show("60 Punkte, Rest: 441", 0);
  EXPECT_FALSE(banner.isVisible());
}

TEST_F(BannerTest, BlackWithWhiteBoldLettersCentredAndFitOnTheScreen) {
  banner.Show("180 Punkte, Rest: 321", 1000);
  const QRect screen = window.screen()->availableGeometry();
  EXPECT_TRUE(screen.contains(banner.frameGeometry())) << "banner larger than the screen";
  EXPECT_LE(std::abs(banner.geometry().center().x() - screen.center().x()), 1);
  EXPECT_LE(std::abs(banner.geometry().center().y() - screen.center().y()), 1);
  // Design size or, on a smaller screen, scaled down as a whole.
  EXPECT_NEAR(double(banner.width()) / banner.height(), 926.0 / 145.0, 0.05);
  EXPECT_LE(banner.width(), 926);

  auto* label = banner.findChild<QLabel*>("Label1");
  ASSERT_NE(label, nullptr);
  EXPECT_TRUE(label->font().bold());
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::white));
  EXPECT_EQ(banner.palette().color(QPalette::Window), QColor(Qt::black));
  EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width());
  EXPECT_TRUE(banner.windowFlags().testFlag(Qt::FramelessWindowHint));

  // The bull-off's two lines fit in height as well.
  banner.Show("Benedikt 15,8 mm\nBenedikt beginnt", 1000);
  const auto needed = QFontMetrics(label->font()).size(0, label->text());
  EXPECT_LE(needed.height(), label->height());
  EXPECT_LE(needed.width(), label->width());
}

}  // namespace
}  // namespace korvanti
