#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;

namespace korvanti {

// The points banner: large white text on black in the middle of the screen,
// shown for a while without holding up the window thread. The loop of play
// books the turn by its own timed step, so the banner only shows and hides.
class PointsBanner final : public QWidget {
  Q_OBJECT

 public:
  static constexpr QSize kDesignSize{926, 145};
  static constexpr QRect kDesignLabel{15, 24, 893, 97};
  static constexpr int kDesignPixelSize = 80;

  explicit PointsBanner(QWidget* parent = nullptr);

  // Shows `text` for `milliseconds` and hides itself after; a new text replaces
  // the one shown and starts the time again. No time: nothing is shown.
  void Show(const QString& text, int milliseconds);
  QString text() const;
  // What remains of the time, in milliseconds; 0 when hidden.
  int RemainingMilliseconds() const;

 private:
  void FitTo(const QRect& available);

  QLabel* label_;
  QTimer closeTimer_;
};

}  // namespace korvanti
