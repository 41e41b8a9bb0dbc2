#include <gtest/gtest.h>

#include <cmath>

#include "engine/GameCatalog.h"
#include "report/ThrowPicture.h"

namespace korvanti {
namespace {

const HitMap& SharedHitMap() {
  static const HitMap hitMap;
  return hitMap;
}

int Alpha(std::uint32_t colour) {
  return static_cast<int>(colour >> 24);
}

int Brightness(std::uint32_t colour) {
  return static_cast<int>(((colour >> 16) & 0xff) + ((colour >> 8) & 0xff) + (colour & 0xff));
}

TEST(ThrowPicture, HeatColoursGrowLighterAndLessTransparentUpTheScale) {
  for (double share = 0; share < 1; share += 0.05) {
    const auto lower = HeatColour(share);
    const auto higher = HeatColour(share + 0.05);
    EXPECT_LE(Alpha(lower), Alpha(higher)) << share;
    EXPECT_LT(Brightness(lower), Brightness(higher)) << share;
  }
  EXPECT_LT(Alpha(HeatColour(0)), 64);  // the board shows through the poor places
  EXPECT_LT(Alpha(HeatColour(1)), 255);
  // Out of range and not a number: the ends of the scale.
  EXPECT_EQ(HeatColour(-3), HeatColour(0));
  EXPECT_EQ(HeatColour(7), HeatColour(1));
  EXPECT_EQ(HeatColour(std::nan("")), HeatColour(0));
}

// The ellipses go where the selection's darts were aimed on average (moved
// by the bias), with the spread of their kind of target when they share one;
// a field nobody aimed at keeps its aim point, a number nothing; every dart
// goes with the best aim point.
TEST(ThrowPicture, OutlineWhereTheSelectionsDartsWereAimed) {
  ScatterFit fit;
  fit.aimedDarts = 500;
  fit.overall = ScatterEstimate{Scatter{{3, -2}, {400, 0, 100}}, 500, 0};
  fit.byClass[static_cast<std::size_t>(TargetClass::Treble)] =
      ScatterEstimate{Scatter{{3, -2}, {100, 0, 25}}, 300, 0};
  const auto report = MakeThrowReport(fit, SharedHitMap());
  ASSERT_TRUE(report.advice);
  const auto best = report.advice->best;
  const auto t20 = *AimPointFor("T20");
  const auto d20 = *AimPointFor("D20");
  const auto t19 = *AimPointFor("T19");
  const auto d16 = *AimPointFor("D16");
  const BoardPoint t19Clicked{t19.x + 4, t19.y + 2};
  const std::vector<AimedDart> darts{
      {t20, t20, TargetClass::Treble, "T20"},
      {t20, t20, TargetClass::Treble, "T20"},
      {t20, t20, TargetClass::Treble, "T20"},
      {d20, d20, TargetClass::Double, "D20"},
      {t19Clicked, t19Clicked, TargetClass::Treble, "T19"},
  };
  struct Case {
    const char* selection;
    double x;
    double y;
    double major;  // 0: no outline
  };
  const Case cases[] = {
      {"20", (3.0 * t20.x + d20.x) / 4 + 3, (3.0 * t20.y + d20.y) / 4 - 2, 20},
      {"T19", t19Clicked.x + 3.0, t19Clicked.y - 2.0, 10},
      {"19", t19Clicked.x + 3.0, t19Clicked.y - 2.0, 10},
      {"d16", d16.x + 3.0, d16.y - 2.0, 20},
      {"5", 0, 0, 0},
      {"Alle", best.x + 3.0, best.y - 2.0, 20},
      {"", best.x + 3.0, best.y - 2.0, 20},
  };
  for (const auto& c : cases) {
    const auto picture = MakeThrowPicture(report, c.selection, AimOfSelection(darts, c.selection));
    ASSERT_EQ(picture.outline.has_value(), c.major > 0) << c.selection;
    if (!picture.outline)
      continue;
    EXPECT_DOUBLE_EQ(picture.outline->centreX, c.x) << c.selection;
    EXPECT_DOUBLE_EQ(picture.outline->centreY, c.y) << c.selection;
    EXPECT_DOUBLE_EQ(picture.outline->oneSigma.major, c.major) << c.selection;
    EXPECT_DOUBLE_EQ(picture.outline->twoSigma.major, 2 * c.major) << c.selection;
    EXPECT_EQ(picture.best, best) << c.selection;  // its own mark, wherever the ellipses are
  }
}

TEST(ThrowPicture, HeatMapSpansTheExpectedPointsWithTheBestAtTheTop) {
  ScatterFit fit;
  fit.aimedDarts = 300;
  fit.overall = ScatterEstimate{Scatter::Round(20), 300, 0};
  const auto report = MakeThrowReport(fit, SharedHitMap());
  const auto picture = MakeThrowPicture(report, "Alle", std::nullopt);
  ASSERT_EQ(picture.heat.size(), std::size_t{659 * 650});
  ASSERT_TRUE(picture.best);
  EXPECT_EQ(*picture.best, report.advice->best);
  EXPECT_EQ(picture.text, report.text);
  EXPECT_DOUBLE_EQ(picture.highest, report.advice->bestPoints);
  // The scale spans the board; the picture's corners, far off it, score less.
  EXPECT_GT(picture.lowest, 0.5);
  EXPECT_LT(picture.lowest, report.advice->treble20);
  // The legend's top is the advice's figure.
  EXPECT_NE(picture.text.find("— " + picture.highestText + " Punkte je Dart"), std::string::npos)
      << picture.text;
  EXPECT_NE(MakeThrowPicture(report, "Alle", std::nullopt, {'.', ','}).lowestText.find('.'),
            std::string::npos);
  EXPECT_EQ(picture.heat[static_cast<std::size_t>(picture.best->y * 659 + picture.best->x)],
            HeatColour(1));
  EXPECT_EQ(picture.heat.front(), HeatColour(0));
}

TEST(ThrowPicture, NothingToDrawWithoutAFit) {
  ScatterFit few;
  few.aimedDarts = 42;
  const auto picture = MakeThrowPicture(MakeThrowReport(few, SharedHitMap()), "T20", std::nullopt);
  EXPECT_EQ(picture.text, "Zu wenige Würfe mit Ziel: 42 von 100");
  EXPECT_FALSE(picture.outline);
  EXPECT_FALSE(picture.best);
  EXPECT_TRUE(picture.heat.empty());
}

TEST(ThrowPicture, TheRequestsPlayerTypeAndDatesSelectTheDarts) {
  StatisticsRequest request;
  request.playerId = "p1";
  request.from = 100;
  request.to = 200;
  for (const char* key : {"", "const301sout", "constpractice_double"}) {
    request.gameTypeKey = key;
    const auto selection = AimedDartsOf(request);
    EXPECT_EQ(selection.playerId, "p1");
    EXPECT_EQ(selection.gameTypeKey, key);
    EXPECT_EQ(selection.from, 100);
    EXPECT_EQ(selection.to, 200);
  }
}

}  // namespace
}  // namespace korvanti
