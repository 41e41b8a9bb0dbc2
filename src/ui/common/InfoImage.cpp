#include "ui/common/InfoImage.h"

#include <QEnterEvent>
#include <QMouseEvent>

#include "ui/common/HintBox.h"
#include "ui/common/Icons.h"

namespace korvanti {

namespace {
constexpr int kSide = 32;
}

InfoImage::InfoImage(QString hint, QWidget* parent) : QLabel(parent), hint_(std::move(hint)) {
  setFixedSize(kSide, kSide);
  setPixmap(KorvantiIcon(IconRole::Info).pixmap(kSide, kSide));
  setMouseTracking(true);
}

void InfoImage::enterEvent(QEnterEvent* event) {
  ShowHintAt(event->position());
  QLabel::enterEvent(event);
}

void InfoImage::mouseMoveEvent(QMouseEvent* event) {
  ShowHintAt(event->position());
  QLabel::mouseMoveEvent(event);
}

void InfoImage::leaveEvent(QEvent* event) {
  HintBox::HideIn(*window());
  QLabel::leaveEvent(event);
}

void InfoImage::hideEvent(QHideEvent* event) {
  HintBox::HideIn(*window());
  QLabel::hideEvent(event);
}

void InfoImage::ShowHintAt(QPointF pointer) {
  QWidget* owner = window();
  if (owner == this) {
    return;  // not placed in a window yet
  }
  HintBox::Of(*owner).ShowNear(mapTo(owner, pointer.toPoint()), hint_);
}

}  // namespace korvanti
