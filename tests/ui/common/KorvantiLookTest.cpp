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
