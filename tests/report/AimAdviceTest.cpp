#include <gtest/gtest.h>

#include "report/AimAdvice.h"

namespace korvanti {
namespace {

const HitMap& SharedHitMap() {
  static const HitMap hitMap;
  return hitMap;
}

TEST(AimAdvice, OneLineWithGermanDecimalsLeavingOutTheBestField) {
  struct Case {
    AimAdvice advice;
    const char* text;
  };
  const Case cases[] = {
      {{{}, "T19", "unten links", 16.44, 15.9, 15.95, 12.06},
       "Bester Zielpunkt: T19 unten links — 16,4 Punkte je Dart (T20: 15,9; Bull: 12,1)"},
      {{{}, "T20", "", 38.54, 38.54, 36.7, 31.4},
       "Bester Zielpunkt: T20 — 38,5 Punkte je Dart (T19: 36,7; Bull: 31,4)"},
      {{{}, "S7", "oben", 14.1, 12.49, 13.62, 12.69},
       "Bester Zielpunkt: S7 oben — 14,1 Punkte je Dart (T20: 12,5; T19: 13,6; Bull: 12,7)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AimAdviceText(c.advice), c.text);
  }
}

TEST(AimAdvice, ReportOfAFitAndOfTooFewDarts) {
  ScatterFit fit;
  fit.aimedDarts = 500;
  fit.overall = ScatterEstimate{Scatter::Round(5 / kMillimetresPerPixel), 500, 0};
  fit.byClass[static_cast<std::size_t>(TargetClass::Treble)] =
      ScatterEstimate{Scatter{{2, -3}, {64, 0, 16}}, 300, 0};
  const auto report = MakeThrowReport(fit, SharedHitMap());
  ASSERT_TRUE(report.advice && report.map);
  EXPECT_EQ(report.advice->field, "T20");
  EXPECT_TRUE(report.text.starts_with("Bester Zielpunkt: T20")) << report.text;
  EXPECT_EQ(report.map->Values().size(), std::size_t{659 * 650});
  EXPECT_NEAR(report.twoSigma->major, 2 * 5 / kMillimetresPerPixel, 1e-9);

  // Around a treble the trebles' own fit, around a double the overall one.
  const auto treble = report.OutlineAround("T20");
  ASSERT_TRUE(treble);
  EXPECT_DOUBLE_EQ(treble->centreX, 334);
  EXPECT_DOUBLE_EQ(treble->centreY, 169);
  EXPECT_DOUBLE_EQ(treble->oneSigma.major, 8);
  EXPECT_DOUBLE_EQ(treble->twoSigma.minor, 8);
  const auto dbl = report.OutlineAround("D20");
  ASSERT_TRUE(dbl);
  EXPECT_DOUBLE_EQ(dbl->centreX, 331);
  EXPECT_NEAR(dbl->oneSigma.major, 5 / kMillimetresPerPixel, 1e-9);
  EXPECT_FALSE(report.OutlineAround("0"));

  ScatterFit few;
  few.aimedDarts = 12;
  const auto none = MakeThrowReport(few, SharedHitMap());
  EXPECT_EQ(none.text, "Zu wenige Würfe mit Ziel: 12 von 100");
  EXPECT_FALSE(none.map);
  EXPECT_FALSE(none.OutlineAround("T20"));
}

}  // namespace
}  // namespace korvanti
