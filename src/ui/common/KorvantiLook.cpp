#include "ui/common/KorvantiLook.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>
#include <memory>

namespace korvanti {
namespace {

// Installed serifs in order of preference; DejaVu is on every system Qt runs on.
// EB Garamond is not among them: it draws old-style figures ("5o1") and Qt 6.4
// cannot ask a face for its lining ones.
const QStringList kTextFaces = {"Liberation Serif", "DejaVu Serif"};
const QStringList kFiguresFaces = {"Liberation Serif", "DejaVu Serif"};
const QStringList kBannerFaces = {"Liberation Sans", "DejaVu Sans"};

// Dates, month names and Qt's own dialogs in German whatever the system's
// language; a desktop's native file dialog would follow the system instead.
void SpeakGerman(QApplication& application) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
  auto translator = std::make_unique<QTranslator>();
  if (translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    // The application owns it from here on.
    translator->setParent(&application);
    QApplication::installTranslator(translator.release());
  }
}

}  // namespace

void InstallFontSubstitutions() {
  QFont::insertSubstitutions(kTextFamily, kTextFaces);
  QFont::insertSubstitutions(kFiguresFamily, kFiguresFaces);
  QFont::insertSubstitutions(kBannerFamily, kBannerFaces);
}

void ApplyKorvantiLook(QApplication& application) {
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
    QApplication::setStyle(fusion);  // the application takes ownership
  }
  // Fusion's own palette is light; the desktop's may not be.
  QApplication::setPalette(QApplication::style()->standardPalette());
  InstallFontSubstitutions();
  SpeakGerman(application);
}

QFont TextFont(int pointSize, bool bold) {
  QFont font(kTextFamily, pointSize, bold ? QFont::Bold : QFont::Normal);
  return font;
}

QFont FiguresFont(int pixelSize, bool bold) {
  QFont font(kFiguresFamily);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

QFont FiguresTextFont(int pointSize, bool bold) {
  return QFont(kFiguresFamily, pointSize, bold ? QFont::Bold : QFont::Normal);
}

}  // namespace korvanti
