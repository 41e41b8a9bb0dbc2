#pragma once

#include <QFont>

class QApplication;

namespace korvanti {

// The families the windows ask for. Garamond and Tahoma are the faces the
// screens were designed with; "Korvanti Ziffern" is our name for a serif with
// lining figures, so that scores and field codes never read "5o1".
inline constexpr const char* kTextFamily = "Garamond";
inline constexpr const char* kFiguresFamily = "Korvanti Ziffern";
inline constexpr const char* kBannerFamily = "Tahoma";

// Fusion with a light palette (the fixed backgrounds of the game screen stay
// readable under a dark desktop theme), the font substitutions above, and
// Qt's German texts for standard buttons when they are installed.
void ApplyKorvantiLook(QApplication& application);

// Installs only the substitutions; ApplyKorvantiLook does it too.
void InstallFontSubstitutions();

QFont TextFont(int pointSize, bool bold = false);
QFont FiguresFont(int pixelSize, bool bold = false);
// The serif with lining figures at a point size: for windows full of figures
// (tables of statistics, game lists of "501" and "301").
QFont FiguresTextFont(int pointSize, bool bold = false);

}  // namespace korvanti
