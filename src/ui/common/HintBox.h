#pragma once

#include <QLabel>
#include <QPoint>
#include <QString>

namespace korvanti {

// The box that explains an option while the pointer rests on its info image.
// It is a child of the window, drawn above everything else, so it can be
// placed freely and always stays inside the window. It never takes the mouse.
class HintBox final : public QLabel {
  Q_OBJECT

 public:
  // The window's one box; made the first time it is asked for.
  static HintBox& Of(QWidget& window);
  // Hides the window's box if it has one.
  static void HideIn(QWidget& window);

  // Shows the text beside a pointer position given in the window's
  // coordinates: mostly to the left of and below the pointer, moved back into
  // the window where it would stick out.
  void ShowNear(QPoint pointer, const QString& text);

 private:
  explicit HintBox(QWidget& window);
};

}  // namespace korvanti
