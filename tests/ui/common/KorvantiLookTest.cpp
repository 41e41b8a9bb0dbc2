#include "ui/common/KorvantiLook.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <algorithm>
#include <cmath>

namespace korvanti {
namespace {

class KorvantiLookTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // A dark desktop theme, as the program may meet it.
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    dark.setColor(QPalette::WindowText, Qt::white);
    QApplication::setPalette(dark);
    // And an English system (LANG=C or en_US).
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ApplyKorvantiLook(*qApp);
  }
};

TEST_F(KorvantiLookTest, FusionWithALightPaletteWhateverTheDesktopSays) {
  EXPECT_EQ(QApplication::style()->name().toLower(), "fusion");
  const QPalette palette = QApplication::palette();
  EXPECT_GT(palette.color(QPalette::Window).lightness(), 200);
  EXPECT_LT(palette.color(QPalette::WindowText).lightness(), 80);
  EXPECT_GT(palette.color(QPalette::Base).lightness(), 200);
}

TEST_F(KorvantiLookTest, GaramondIsAnInstalledSerifAndFiguresNeverOldStyle) {
  const QString text = QFontInfo(TextFont(12)).family();
  EXPECT_TRUE(text == "EB Garamond" || text == "Liberation Serif" || text == "DejaVu Serif")
      << text.toStdString();
  // EB Garamond's figures are old-style; scores need a face with lining figures.
  const QString figures = QFontInfo(FiguresFont(20)).family();
  EXPECT_TRUE(figures == "Liberation Serif" || figures == "DejaVu Serif") << figures.toStdString();
  const QString banner = QFontInfo(QFont(kBannerFamily)).family();
  EXPECT_TRUE(banner == "Liberation Sans" || banner == "DejaVu Sans") << banner.toStdString();
}

// "501" never reads "5o1": in every face the windows use, a "0" stands as high
// as a capital and a "5" sits on the line.
TEST_F(KorvantiLookTest, EveryFaceDrawsLiningFigures) {
  const struct {
    const char* use;
    QFont font;
  } faces[] = {{"text", TextFont(24)},
               {"bold text", TextFont(24, true)},
               {"figures", FiguresFont(32)},
               {"figures in text", FiguresTextFont(24)},
               {"banner", QFont(kBannerFamily, 24)}};
  for (const auto& face : faces) {
    const QFontMetrics metrics(face.font);
    const QRect capital = metrics.tightBoundingRect(QStringLiteral("H"));
    const QRect zero = metrics.tightBoundingRect(QStringLiteral("0"));
    const QRect five = metrics.tightBoundingRect(QStringLiteral("5"));
    EXPECT_GE(zero.height(), capital.height() * 9 / 10)
        << face.use << " " << QFontInfo(face.font).family().toStdString();
    EXPECT_LE(five.bottom(), capital.bottom() + 1)
        << face.use << " " << QFontInfo(face.font).family().toStdString();
  }
}

// The calendars of the date pickers and Qt's own file dialog speak German
// whatever the system's language.
TEST_F(KorvantiLookTest, DatesAndQtsDialogsAreGermanOnAnEnglishSystem) {
  EXPECT_EQ(QLocale().language(), QLocale::German);
  QCalendarWidget calendar;
  calendar.setSelectedDate(QDate(2026, 3, 14));
  calendar.show();
  auto* month = calendar.findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"));
  ASSERT_NE(month, nullptr);
  EXPECT_EQ(month->text(), QStringLiteral("März"));
  EXPECT_EQ(calendar.locale().dayName(1, QLocale::ShortFormat), QStringLiteral("Mo."));

  if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm")) {
    GTEST_SKIP() << "Qt's German translations are not installed";
  }
  // A desktop's own file dialog would speak the system's language.
  EXPECT_TRUE(QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs));
  QFileDialog files;
  auto* lookIn = files.findChild<QLabel*>(QStringLiteral("lookInLabel"));
  ASSERT_NE(lookIn, nullptr);
  EXPECT_EQ(lookIn->text().remove('&'), QStringLiteral("Suchen in:"));
}

// The contrast ratio of two colours as the accessibility guidelines count it
// (1 to 21; 4.5 reads well as body text).
double Contrast(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& colour) {
    const auto linear = [](double channel) {
      return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
  };
  const double x = luminance(a) + 0.05;
  const double y = luminance(b) + 0.05;
  return std::max(x, y) / std::min(x, y);
}

class LookSchemeTest : public KorvantiLookTest {
 protected:
  void TearDown() override { ApplyLookScheme(LookScheme::Light); }
};

// Each scheme becomes the application's palette, with readable text on every
// ground, a selection that stands out and disabled text visibly dimmed.
TEST_F(LookSchemeTest, EachSchemeIsTheApplicationsPaletteAndReadable) {
  // Fusion's own light palette sets white on its blue selection and its
  // visited links a little below what the dark one keeps.
  const struct {
    LookScheme scheme;
    bool dark;
    double contrast;
  } cases[] = {{LookScheme::Dark, true, 4.5},
               {LookScheme::Light, false, 3.0},
               {LookScheme::Dark, true, 4.5}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dark ? "dunkel" : "hell");
    ApplyLookScheme(c.scheme);
    const QPalette p = QApplication::palette();
    EXPECT_EQ(IsDarkPalette(p), c.dark);
    EXPECT_EQ(p.color(QPalette::Window).lightness() < 100, c.dark);
    EXPECT_EQ(p.color(QPalette::Text).lightness() > 150, c.dark);
    EXPECT_EQ(ScreenSurface(p).lightness() < 100, c.dark);
    const std::pair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
        {QPalette::WindowText, QPalette::Window},
        {QPalette::Text, QPalette::Base},
        {QPalette::Text, QPalette::AlternateBase},
        {QPalette::ButtonText, QPalette::Button},
        {QPalette::HighlightedText, QPalette::Highlight},
        {QPalette::ToolTipText, QPalette::ToolTipBase},
        {QPalette::Link, QPalette::Base},
        {QPalette::LinkVisited, QPalette::Base},
    };
    for (const auto& [text, ground] : pairs) {
      EXPECT_GE(Contrast(p.color(text), p.color(ground)), c.contrast) << text << " on " << ground;
    }
    EXPECT_GE(Contrast(p.color(QPalette::WindowText), ScreenSurface(p)), 4.5);
    EXPECT_GE(Contrast(p.color(QPalette::Highlight), p.color(QPalette::Base)), 1.5);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
      const double active = Contrast(p.color(QPalette::Active, role), p.color(QPalette::Window));
      const double disabled = Contrast(p.color(QPalette::Disabled, role),
                                       p.color(QPalette::Disabled, QPalette::Window));
      EXPECT_LT(disabled, active * 0.75) << role;
      EXPECT_GT(disabled, 1.5) << role;
    }
  }
}

TEST_F(KorvantiLookTest, StandardButtonsSpeakGerman) {
  const QString translations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!QFileInfo::exists(translations + "/qtbase_de.qm")) {
    GTEST_SKIP() << "Qt's German translations are not installed";
  }
  QDialogButtonBox buttons(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
  EXPECT_EQ(buttons.button(QDialogButtonBox::Yes)->text().remove('&'), "Ja");
  EXPECT_EQ(buttons.button(QDialogButtonBox::No)->text().remove('&'), "Nein");
  EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().remove('&'), "Abbrechen");
}

}  // namespace
}  // namespace korvanti
