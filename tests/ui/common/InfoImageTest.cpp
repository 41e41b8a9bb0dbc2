#include "ui/common/InfoImage.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "ui/common/HintBox.h"

namespace korvanti {
namespace {

const QString kHint = QStringLiteral(
    "Wenn aktiviert, wird nach dem dritten Treffer automatisch eingecheckt, wenn die Zieleingabe "
    "aktiv ist, dann müssen natürlich noch die Ziele (rechte Maustaste) eingegeben werden.");

// A window with one info image at a given place and a plain spot away from it.
class InfoImageTest : public ::testing::Test {
 protected:
  void Place(QPoint topLeft) {
    window_.resize(600, 400);
    image_ = new InfoImage(kHint, &window_);
    image_->move(topLeft);
    image_->show();
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  }

  HintBox* Box() const { return window_.findChild<HintBox*>(); }
  bool BoxShown() const { return Box() != nullptr && Box()->isVisible(); }

  QWidget window_;
  InfoImage* image_ = nullptr;  // owned by the window
};

TEST_F(InfoImageTest, HoveringShowsTheWholeHintBesideThePointerAndLeavingHidesIt) {
  Place({400, 200});
  QTest::mouseMove(&window_, {50, 50});
  EXPECT_FALSE(BoxShown());

  QTest::mouseMove(image_, {10, 10});
  ASSERT_TRUE(BoxShown());
  EXPECT_EQ(Box()->text(), kHint);
  const QPoint pointer = image_->mapTo(&window_, QPoint(10, 10));
  EXPECT_EQ(Box()->geometry().topLeft(), pointer - QPoint(230, 35));
  EXPECT_EQ(Box()->width(), 280);
  EXPECT_GE(Box()->height(), Box()->heightForWidth(280));  // nothing of the text cut off

  QTest::mouseMove(image_, {20, 20});  // the box follows the pointer
  EXPECT_EQ(Box()->geometry().topLeft(), pointer + QPoint(10, 10) - QPoint(230, 35));

  QTest::mouseMove(&window_, {50, 50});
  EXPECT_FALSE(BoxShown());
}

TEST_F(InfoImageTest, TheBoxStaysInsideTheWindowNearItsEdges) {
  for (const QPoint corner : {QPoint(2, 2), QPoint(566, 366)}) {
    SCOPED_TRACE(corner.x());
    Place(corner);
    QTest::mouseMove(image_, {16, 16});
    ASSERT_TRUE(BoxShown());
    EXPECT_TRUE(window_.rect().contains(Box()->geometry()));
    QTest::mouseMove(&window_, {300, 100});
    delete image_;
  }
}

TEST_F(InfoImageTest, HidingTheImageTakesTheHintAlong) {
  Place({300, 200});
  QTest::mouseMove(image_, {10, 10});
  ASSERT_TRUE(BoxShown());
  image_->hide();
  EXPECT_FALSE(BoxShown());
}

}  // namespace
}  // namespace korvanti
