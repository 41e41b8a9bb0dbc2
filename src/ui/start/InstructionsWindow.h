#pragma once

#include <QDialog>
#include <QSize>

class QPlainTextEdit;

namespace korvanti {

// The "Kurzanleitung": the instructions in one scrolling text field. The text
// may be changed in the field, but nothing of it is ever stored.
class InstructionsWindow final : public QDialog {
  Q_OBJECT

 public:
  explicit InstructionsWindow(QWidget* parent = nullptr);

  QPlainTextEdit& TextField() const { return *text_; }

 private:
  QPlainTextEdit* text_;  // owned by the window
};

// 984 x 662, or smaller where the available part of the screen leaves less
// room (the window manager's frame and title bar included).
QSize InstructionsWindowSize(QSize available);

// Opens the window over `parent`, centred on the screen, and returns at once.
void ShowInstructions(QWidget* parent);

}  // namespace korvanti
