#pragma once

#include <QLabel>
#include <QPointer>
#include <QString>

namespace korvanti {

// The small label with the field code under the pointer. It lives inside the
// board's window (a top-level hint cannot be placed freely on every desktop)
// and never takes the mouse, so it cannot hide the board from the pointer.
class FieldHint {
 public:
  explicit FieldHint(QWidget& board);
  ~FieldHint();
  FieldHint(const FieldHint&) = delete;
  FieldHint& operator=(const FieldHint&) = delete;

  // Shows the text beside a pointer position given in the board's coordinates.
  void Show(QPoint pointer, const QString& text);
  void Hide();

  // Null until first shown.
  QLabel* Label() const { return label_; }

 private:
  QLabel& EnsureLabel();

  QWidget& board_;
  QPointer<QLabel> label_;
};

}  // namespace korvanti
