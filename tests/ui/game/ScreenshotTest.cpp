#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>

#include "ShotChecks.h"
#include "ui/common/KorvantiLook.h"
#include "ui/game/PointsBanner.h"
#include "ui/game/SeriesSummary.h"
#include "ui/game/WaitDialog.h"

namespace korvanti {
namespace {

// Pictures for a person to look at; the test checks only that they were
// written and that no text is cut off.
class ScreenshotTest : public ::testing::Test {
 protected:
  void SetUp() override { InstallFontSubstitutions(); }
  static void Save(QWidget& widget, const QString& name) {
    const QString path = QDir(KORVANTI_GAME_SHOTS).filePath(name);
    ASSERT_TRUE(widget.grab().save(path)) << path.toStdString();
  }
};

TEST_F(ScreenshotTest, Banner) {
  QWidget window;
  PointsBanner banner(&window);
  banner.Show("180 Punkte, Rest: 321", 5000);
  Save(banner, "banner.png");
  auto* label = banner.findChild<QLabel*>("Label1");
  EXPECT_LE(label->sizeHint().width(), label->width());
}

TEST_F(ScreenshotTest, Summary) {
  Summary summary;
  summary.caption = "2 Spiele durchgeführt";
  summary.rows = {{"Anna (1)", "48,1 (45,2 / 51,0)", "33% 3/1 (33% 3/1, 0% 0/0)"},
                  {"Bernd (1)", "40,5 (41,0 / 40,0)", "-"},
                  {"Computer (0)", "55,3 (57,1 / 53,5)", "25% 8/2 (20% 5/1, 33% 3/1)"}};
  summary.gameOverText = "Bernd hat gewonnen";
  SeriesSummary dialog;
  dialog.Fill(summary);
  dialog.show();
  Save(dialog, "summary.png");
  dialog.OfferTakeBack();
  Save(dialog, "summary-takeback.png");
  testing::ExpectLabelsFit(dialog);
  auto* list = dialog.findChild<QTreeWidget*>("lstSummary");
  const QFontMetrics metrics(list->font());
  for (int column = 0; column < list->columnCount(); ++column) {
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
      EXPECT_LT(metrics.horizontalAdvance(list->topLevelItem(row)->text(column)),
                list->columnWidth(column))
          << row << "/" << column;
    }
  }
}

TEST_F(ScreenshotTest, WaitDialog) {
  WaitDialog dialog(nullptr, "Bitte etwas Geduld, Computer überlegt.");
  dialog.SetInfoText("Strategie wird ausgeknobelt, je nach Schnitt könnte dies etwas dauern...");
  dialog.SetProgress(2, 5);
  dialog.show();
  dialog.StartAnimation();
  QTest::qWait(300);  // the bar part of the way, as a user would catch it
  Save(dialog, "wait.png");
  dialog.Finish();
  auto* info = dialog.findChild<QLabel*>("lbl_InfoText");
  EXPECT_LE(info->geometry().right(), dialog.width());
}

}  // namespace
}  // namespace korvanti
