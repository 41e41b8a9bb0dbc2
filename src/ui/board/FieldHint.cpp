#include "ui/board/FieldHint.h"

#include <QPalette>
#include <algorithm>

namespace korvanti {
namespace {

// Above and to the right of the pointer, clear of the cross-hair.
const QPoint kOffset(30, -35);
const QSize kMinimumSize(70, 30);

QFont HintFont() {
  // A serif face with lining figures: field codes are mostly digits.
  QFont font;
  font.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
  font.setStyleHint(QFont::Serif);
  font.setPointSize(18);
  font.setBold(true);
  return font;
}

}  // namespace

FieldHint::FieldHint(QWidget& board) : board_(board) {}

FieldHint::~FieldHint() {
  delete label_.data();
}

QLabel& FieldHint::EnsureLabel() {
  QWidget* window = board_.window();
  if (!label_) {
    label_ = new QLabel(window);  // owned by the window, like every child
    label_->setObjectName(QStringLiteral("lblFieldHint"));
    label_->setFont(HintFont());
    label_->setAlignment(Qt::AlignCenter);
    label_->setFrameShape(QFrame::Box);
    label_->setAutoFillBackground(true);
    QPalette palette = label_->palette();
    palette.setColor(QPalette::Window, QColor(212, 212, 225));
    palette.setColor(QPalette::WindowText, Qt::black);
    label_->setPalette(palette);
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
  } else if (label_->parentWidget() != window) {
    label_->setParent(window);
  }
  return *label_;
}

void FieldHint::Show(QPoint pointer, const QString& text) {
  QLabel& label = EnsureLabel();
  label.setText(text);
  label.resize(label.sizeHint().expandedTo(kMinimumSize));
  QWidget* window = label.parentWidget();
  QPoint place = board_.mapTo(window, pointer) + kOffset;
  // Near the window's edge it stays inside, as far as the window allows.
  place.setX(std::max(0, std::min(place.x(), window->width() - label.width())));
  place.setY(std::max(0, std::min(place.y(), window->height() - label.height())));
  label.move(place);
  label.raise();
  label.show();
}

void FieldHint::Hide() {
  if (label_) {
    label_->hide();
  }
}

}  // namespace korvanti
