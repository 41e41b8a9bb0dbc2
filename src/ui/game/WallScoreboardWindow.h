#pragma once

#include <QWidget>

#include "play/WallDisplay.h"
#include "ui/game/WallScoreboardLayout.h"

namespace korvanti {

// "Anzeigetafel": a window of its own for a second screen or a television that
// shows what the players read from the oche, big. It paints the display it is
// given and knows nothing of the game. Light on black in its own colours, so
// that it reads the same whatever look the program has. F11 or a double click
// switches full screen on and off; Escape leaves it.
class WallScoreboardWindow : public QWidget {
  Q_OBJECT

 public:
  // With a parent it is still a window of its own, closed and deleted with it.
  explicit WallScoreboardWindow(QWidget* parent = nullptr);

  void Show(const WallDisplay& display);
  const WallDisplay& Shown() const { return display_; }
  // Where each text is painted at the window's present size.
  WallLayout Layout() const;
  void ToggleFullScreen();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  WallDisplay display_;
};

}  // namespace korvanti
