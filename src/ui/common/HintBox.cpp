#include "ui/common/HintBox.h"

#include <algorithm>

#include "ui/common/KorvantiLook.h"

namespace korvanti {

namespace {

constexpr int kWidth = 280;
constexpr int kMinimumHeight = 165;
constexpr int kLeftOfPointer = 230;
constexpr int kAbovePointer = 35;

// Moves a start position so that a length fits between 0 and the limit
// (when it cannot fit, it starts at 0).
int KeepInside(int start, int length, int limit) {
  return std::max(0, std::min(start, limit - length));
}

}  // namespace

HintBox& HintBox::Of(QWidget& window) {
  if (auto* box = window.findChild<HintBox*>(QString(), Qt::FindDirectChildrenOnly)) {
    return *box;
  }
  return *new HintBox(window);  // the window owns it
}

void HintBox::HideIn(QWidget& window) {
  if (auto* box = window.findChild<HintBox*>(QString(), Qt::FindDirectChildrenOnly)) {
    box->hide();
  }
}

HintBox::HintBox(QWidget& window) : QLabel(&window) {
  setObjectName(QStringLiteral("hintBox"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setWordWrap(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setTextFormat(Qt::PlainText);
  setFont(TextFont(12, true));
  setFrameShape(QFrame::Box);  // the window has the same background
  setMargin(4);
  KeepScreenSurface(*this);
  hide();
}

void HintBox::ShowNear(QPoint pointer, const QString& text) {
  setText(text);
  const int height = std::max(kMinimumHeight, heightForWidth(kWidth));
  const QWidget& window = *parentWidget();
  const int left = KeepInside(pointer.x() - kLeftOfPointer, kWidth, window.width());
  const int top = KeepInside(pointer.y() - kAbovePointer, height, window.height());
  setGeometry(left, top, kWidth, height);
  raise();
  show();
}

}  // namespace korvanti
