#include "ui/common/KorvantiLook.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontInfo>
#include <QLibraryInfo>
#include <QPushButton>
#include <QStyle>

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
