#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <fstream>
#include <optional>

#include "SampleScoreboards.h"
#include "TempFolder.h"
#include "ui/common/KorvantiLook.h"
#include "ui/game/ScorePanels.h"

namespace korvanti {
namespace {

class CountDownPanelTest : public ::testing::Test {
 protected:
  void SetUp() override { InstallFontSubstitutions(); }
  QLabel* Label(const QString& name) {
    auto* label = panel.findChild<QLabel*>(name);
    EXPECT_NE(label, nullptr) << name.toStdString();
    return label;
  }
  QString Text(const QString& name) { return Label(name)->text(); }
  QColor TextColor(const QString& name) {
    return Label(name)->palette().color(QPalette::WindowText);
  }

  CountDownPanelView panel;
};

TEST_F(CountDownPanelTest, ShowsTheLastTurnsWithTheMostRecentLowest) {
  const auto board = CountDownBoard();
  panel.Show(board);
  for (int r = 1; r <= CountDownPanelView::kTurnRows; ++r) {
    const auto& row = board.countDown.lastTurns[static_cast<std::size_t>(r - 1)];
    for (int n = 1; n <= 3; ++n) {
      EXPECT_EQ(Text(QString("pnlLast%1_%2").arg(r).arg(n)).toStdString(),
                row.codes[static_cast<std::size_t>(n - 1)]);
    }
    EXPECT_EQ(Text(QString("lblPointsLast%1").arg(r)).toStdString(), row.points);
  }
  for (int n = 1; n <= 3; ++n) {
    EXPECT_EQ(Text(QString("lblLastPointsAll%1").arg(n)), "...");
  }
  EXPECT_EQ(Text("lblLastPointsAll"), "141");

  // Top to bottom: the older turns, then the sixth last turn down to the last.
  int above = Label("lblLastPointsAll1")->geometry().bottom();
  for (int r = CountDownPanelView::kTurnRows; r >= 1; --r) {
    const auto box = Label(QString("pnlLast%1_1").arg(r))->geometry();
    EXPECT_GT(box.top(), above) << "row " << r;
    EXPECT_EQ(Label(QString("lblPointsLast%1").arg(r))->geometry().top(), box.top());
    above = box.bottom();
  }
}

TEST_F(CountDownPanelTest, RowsWithoutATurnAreBlankedWhenTurnsAreTakenBack) {
  panel.Show(CountDownBoard());
  auto board = CountDownBoard();
  board.countDown.olderTurns = {};
  for (std::size_t r = 2; r < 6; ++r) {
    board.countDown.lastTurns[r] = {};
  }
  panel.Show(board);
  EXPECT_EQ(Text("pnlLast2_3"), "S3");
  for (const char* blank : {"pnlLast3_1", "lblPointsLast3", "pnlLast6_3", "lblPointsLast6",
                            "lblLastPointsAll1", "lblLastPointsAll"}) {
    EXPECT_EQ(Text(blank), "") << blank;
  }
}

struct TurnCase {
  const char* name;
  Paint remainingPaint;
  const char* caption;
  const char* turnPoints;
  const char* remaining;
};

class CountDownTurnTest : public CountDownPanelTest,
                          public ::testing::WithParamInterface<TurnCase> {};

TEST_P(CountDownTurnTest, RemainingScoreInItsColourBesideTheTurnsPoints) {
  const auto& c = GetParam();
  auto board = CountDownBoard();
  board.countDown.remainingPaint = c.remainingPaint;
  board.countDown.remainingCaption = c.caption;
  board.countDown.turnPoints = c.turnPoints;
  board.countDown.remaining = c.remaining;
  panel.Show(board);
  EXPECT_EQ(Text("lblcurrentpoints"), c.remaining);
  EXPECT_EQ(TextColor("lblcurrentpoints"), PanelColor(c.remainingPaint));
  EXPECT_EQ(Text("lbltotalPoints"), c.turnPoints);
  EXPECT_EQ(Text("lbllblLeft"), QString::fromUtf8(c.caption));
}

INSTANTIATE_TEST_SUITE_P(
    Turns, CountDownTurnTest,
    ::testing::Values(TurnCase{"Counting", Paint::Green, "Übrig:", "60", "82"},
                      // A bust: the darts still show their points, the rest turns red.
                      TurnCase{"Bust", Paint::Red, "Übrig:", "91", "-9"},
                      TurnCase{"Elimination", Paint::Green, "Points", "45", "245"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CountDownPanelTest, CheckoutCaptionOnlyWithAProposal) {
  struct Case {
    std::array<std::string, 3> fields;
    bool caption;
  };
  const Case cases[] = {{{"T20", "T20", "D20"}, true},
                        {{"", "", "D20"}, true},
                        {{"", "", ""}, false},
                        {{"S20", "", ""}, true}};
  for (const auto& c : cases) {
    auto board = CountDownBoard();
    board.proposalFields = c.fields;
    panel.Show(board);
    for (int n = 1; n <= 3; ++n) {
      EXPECT_EQ(Text(QString("lblCheckout%1").arg(n)).toStdString(),
                c.fields[static_cast<std::size_t>(n - 1)]);
    }
    EXPECT_EQ(!Label("lbllblcheckout")->isHidden(), c.caption) << c.fields[0] << c.fields[2];
    EXPECT_EQ(Text("lbllblcheckout"), "Checkout:");
  }
}

TEST_F(CountDownPanelTest, PictureShownOnlyWhenItCanBeRead) {
  TempFolder folder;
  QImage image(40, 30, QImage::Format_RGB32);
  image.fill(Qt::blue);
  ASSERT_TRUE(image.save(QString::fromStdString((folder / "Anna.jpg").string())));
  {
    std::ofstream broken(folder / "Bernd.jpg");
    broken << "not a picture";
  }
  auto* picture = panel.findChild<QWidget*>("imgplayerdown");
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->geometry(), QRect(221, 0, 128, 119));

  struct Case {
    std::optional<std::filesystem::path> file;
    bool shown;
  };
  const Case cases[] = {{folder / "Anna.jpg", true},
                        {std::nullopt, false},
                        {folder / "Anna.jpg", true},
                        {folder / "Bernd.jpg", false},
                        {folder / "missing.jpg", false}};
  for (const auto& c : cases) {
    auto board = CountDownBoard();
    board.picture = c.file;
    panel.Show(board);
    EXPECT_EQ(!picture->isHidden(), c.shown) << (c.file ? c.file->string() : "none");
  }
}

TEST_F(CountDownPanelTest, LaidOutAgainAtEveryScaleWithNoFigureCutOff) {
  auto board = CountDownBoard();
  board.countDown.olderTurns.points = "1234";
  board.countDown.remaining = "1001";
  board.countDown.turnPoints = "180";
  board.proposalFields = {"T20", "T20", "SB"};
  panel.Show(board);
  for (const double scale : {0.5, 0.75, 1.0, 2.0}) {
    panel.resize(CountDownPanelView::kDesignSize * scale);
    panel.SetScale(scale);
    for (const auto* label : panel.findChildren<QLabel*>()) {
      const QFontMetrics metrics(label->font());
      EXPECT_LE(metrics.horizontalAdvance(label->text()), label->contentsRect().width())
          << label->objectName().toStdString() << " at " << scale;
    }
  }
  EXPECT_EQ(Label("pnlLast1_1")->geometry(), QRect(2, 396, 124, 62));
  EXPECT_EQ(panel.findChild<QWidget*>("imgplayerdown")->geometry(), QRect(442, 0, 256, 238));
  EXPECT_EQ(Label("lblcurrentpoints")->font().pixelSize(), 186);  // "1001" fits at full size
  panel.SetScale(1.0);
  EXPECT_EQ(Label("lblcurrentpoints")->font().pixelSize(), 93);
}

TEST(TargetPanelTest, ShowsTheNextTargetsUnderItsCaption) {
  TargetPanelView panel;
  EXPECT_EQ(panel.objectName(), "pnlGameShanghai");
  panel.Show(TargetBoard());
  const char* expected[] = {"LS20", "D20", ""};
  for (int n = 1; n <= 3; ++n) {
    auto* field = panel.findChild<QLabel*>(QString("lblNextHit%1").arg(n));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(), expected[n - 1]);
    EXPECT_TRUE(panel.rect().contains(field->geometry()));
  }
  auto* caption = panel.findChild<QLabel*>("lblNextHitCaption");
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->text(), "Nächster Wurf");
  panel.Show({});
  EXPECT_EQ(panel.findChild<QLabel*>("lblNextHit1")->text(), "");
}

}  // namespace
}  // namespace korvanti
