#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>
#include <vector>

#include "play/Scoreboard.h"

class QLabel;
class QWidget;

namespace korvanti {

inline QColor PanelColor(Paint paint) {
  const auto rgb = ToRgb(paint);
  return {rgb.r, rgb.g, rgb.b};
}

// Text in a paint: black is the palette's plain text, light under a dark palette.
inline QColor TextColor(Paint paint, const QPalette& palette,
                        QPalette::ColorRole plain = QPalette::WindowText) {
  return paint == Paint::Black ? palette.color(plain) : PanelColor(paint);
}

// A plain-text label of a panel, found by its object name.
QLabel* MakePanelLabel(QWidget* parent, const QString& name, const QFont& font,
                       Qt::Alignment alignment = Qt::AlignCenter);
// Gives a label the largest font, up to `pixels`, at which its whole text fits.
void FitLabelFont(QLabel& label, int pixels);
// Sets a label's text colour, and its background when one is given.
void SetLabelColors(QLabel* label, const QColor& text, const QColor& background = {});

// The children of a scoreboard panel at their design rectangles and font
// sizes. The panel is laid out again at every scale, so text is set at the
// size it is shown in and stays sharp.
class PanelLayout {
 public:
  // A font size of 0 leaves the child's font alone (pictures, lines).
  void Place(QWidget* child, QRect design, int fontPixels = 0);
  void SetScale(double scale);
  double Scale() const { return scale_; }
  // Labels whose text is wider than their box (a four-digit total, a long
  // code) get a smaller font instead of losing digits.
  void FitTexts() const;

 private:
  struct Placed {
    QWidget* child;
    QRect design;
    int fontPixels;
  };
  void Fit(const Placed& placed) const;

  std::vector<Placed> placed_;
  double scale_ = 1.0;
};

}  // namespace korvanti
