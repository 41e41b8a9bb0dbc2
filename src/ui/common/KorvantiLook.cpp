#include "ui/common/KorvantiLook.h"

#include <QApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>
#include <QWidget>
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

const QColor kLightSurface(212, 212, 225);
const QColor kDarkSurface(44, 44, 54);

QPalette DarkPalette() {
  QPalette dark;
  const auto all = [&dark](QPalette::ColorRole role, const QColor& colour) {
    dark.setColor(QPalette::All, role, colour);
  };
  all(QPalette::Window, QColor(53, 53, 58));
  all(QPalette::WindowText, QColor(232, 232, 232));
  all(QPalette::Base, QColor(34, 34, 38));
  all(QPalette::AlternateBase, QColor(46, 46, 52));
  all(QPalette::Text, QColor(232, 232, 232));
  all(QPalette::PlaceholderText, QColor(150, 150, 150));
  all(QPalette::Button, QColor(62, 62, 68));
  all(QPalette::ButtonText, QColor(232, 232, 232));
  all(QPalette::BrightText, QColor(255, 110, 110));
  all(QPalette::Light, QColor(92, 92, 100));
  all(QPalette::Midlight, QColor(74, 74, 80));
  all(QPalette::Mid, QColor(44, 44, 48));
  all(QPalette::Dark, QColor(30, 30, 33));
  all(QPalette::Shadow, QColor(12, 12, 12));
  all(QPalette::Highlight, QColor(58, 110, 180));
  all(QPalette::HighlightedText, QColor(255, 255, 255));
  all(QPalette::ToolTipBase, QColor(66, 66, 74));
  all(QPalette::ToolTipText, QColor(240, 240, 240));
  all(QPalette::Link, QColor(120, 175, 255));
  all(QPalette::LinkVisited, QColor(190, 150, 255));
  // Dimmed, yet still legible on the dark controls.
  const QColor dimmed(128, 128, 132);
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    dark.setColor(QPalette::Disabled, role, dimmed);
  }
  dark.setColor(QPalette::Disabled, QPalette::Base, QColor(44, 44, 48));
  dark.setColor(QPalette::Disabled, QPalette::Highlight, QColor(80, 80, 86));
  dark.setColor(QPalette::Disabled, QPalette::HighlightedText, dimmed);
  return dark;
}

// Sets the screen surface on its widget again after every change of the
// application's palette; the widget owns it.
class SurfaceKeeper final : public QObject {
 public:
  explicit SurfaceKeeper(QWidget& widget) : QObject(&widget), widget_(widget) {
    widget_.installEventFilter(this);
    widget_.setAutoFillBackground(true);
    Apply();
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &widget_ && event->type() == QEvent::ApplicationPaletteChange) {
      Apply();
    }
    return false;
  }

 private:
  void Apply() {
    QPalette colours = widget_.palette();
    colours.setColor(QPalette::Window, ScreenSurface(QApplication::palette()));
    widget_.setPalette(colours);
  }

  QWidget& widget_;
};

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
  ApplyLookScheme(LookScheme::Light);
  InstallFontSubstitutions();
  SpeakGerman(application);
}

QPalette SchemePalette(LookScheme scheme) {
  return scheme == LookScheme::Dark ? DarkPalette() : QApplication::style()->standardPalette();
}

void ApplyLookScheme(LookScheme scheme) {
  QApplication::setPalette(SchemePalette(scheme));
}

bool IsDarkPalette(const QPalette& palette) {
  return palette.color(QPalette::Window).lightness() <
         palette.color(QPalette::WindowText).lightness();
}

QColor ScreenSurface(const QPalette& palette) {
  return IsDarkPalette(palette) ? kDarkSurface : kLightSurface;
}

void KeepScreenSurface(QWidget& widget) {
  if (widget.findChild<SurfaceKeeper*>(QString(), Qt::FindDirectChildrenOnly) == nullptr) {
    new SurfaceKeeper(widget);  // the widget owns it
  }
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
