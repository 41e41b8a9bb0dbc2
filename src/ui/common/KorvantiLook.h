#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

class QApplication;
class QWidget;

namespace korvanti {

// The families the windows ask for. Garamond and Tahoma are the faces the
// screens were designed with; "Korvanti Ziffern" is our name for a serif with
// lining figures for scores and field codes. Every family resolves to a face
// with lining figures, so that no "501" reads "5o1".
inline constexpr const char* kTextFamily = "Garamond";
inline constexpr const char* kFiguresFamily = "Korvanti Ziffern";
inline constexpr const char* kBannerFamily = "Tahoma";

// Fusion with a light palette (the fixed backgrounds of the game screen stay
// readable under a dark desktop theme), the font substitutions above, the
// German locale whatever the system's, Qt's own dialogs rather than the
// desktop's, and Qt's German texts when they are installed.
void ApplyKorvantiLook(QApplication& application);

// Installs only the substitutions; ApplyKorvantiLook does it too.
void InstallFontSubstitutions();

// The windows' two palettes: Fusion's light one, which the screens were
// designed with, and a dark one with light text on dark grey.
enum class LookScheme { Light, Dark };
QPalette SchemePalette(LookScheme scheme);
// Makes it the application's palette. Every open window follows at once:
// the widgets take their colours from the palette, and the screens' own
// surface follows through KeepScreenSurface.
void ApplyLookScheme(LookScheme scheme);
// Whether the palette draws light text on a dark window.
bool IsDarkPalette(const QPalette& palette);

// The blue-grey surface of the program's screens (start window, game screen,
// statistics, hint boxes), a dark slate under a dark palette.
QColor ScreenSurface(const QPalette& palette);
// Gives `widget` the screen surface, now and whenever the application's
// palette changes; its text keeps the palette's colour.
void KeepScreenSurface(QWidget& widget);

QFont TextFont(int pointSize, bool bold = false);
QFont FiguresFont(int pixelSize, bool bold = false);
// The serif with lining figures at a point size: for windows full of figures
// (tables of statistics, game lists of "501" and "301").
QFont FiguresTextFont(int pointSize, bool bold = false);

}  // namespace korvanti
