#include "ui/board/BoardWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <cmath>

#include "ui/board/BoardCursor.h"

namespace korvanti {

BoardWidget::BoardWidget(const HitMap& hitMap, QWidget* parent)
    : QWidget(parent), hitMap_(hitMap), hint_(*this) {
  setMouseTracking(true);
  setCursor(DrawnCrossCursor());
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  // Not marked opaque: at a fractional pixel ratio the window's device pixels
  // along the widget's edge belong half to it, and only the window's own
  // background reaches them (an opaque board left them black).
}

BoardWidget::~BoardWidget() = default;

void BoardWidget::SetPicture(BoardPicture picture) {
  canvas_.SetPicture(std::move(picture));
  update();
}

void BoardWidget::AddDartMark(QPoint hitMapPosition) {
  canvas_.AddDartMark(hitMapPosition);
  update();
}

void BoardWidget::ClearDartMarks() {
  canvas_.ClearDartMarks();
  update();
}

void BoardWidget::SetDots(std::vector<BoardDot> dots) {
  canvas_.SetDots(std::move(dots));
  update();
}

void BoardWidget::ClearDots() {
  canvas_.ClearDots();
  update();
}

void BoardWidget::SetLayer(BoardLayerPlace place, BoardLayer layer) {
  canvas_.SetLayer(place, std::move(layer));
  update();
}

void BoardWidget::SetHintEnabled(bool enabled) {
  hintEnabled_ = enabled;
  if (!enabled) {
    hint_.Hide();
  }
}

QPoint BoardWidget::HitMapPosition(QPointF widgetPosition) const {
  return Frame().ToHitMap(widgetPosition);
}

QPoint BoardWidget::WidgetPosition(QPoint hitMapPosition) const {
  const QPointF position = Frame().FromHitMap(hitMapPosition);
  return {static_cast<int>(std::lround(position.x())), static_cast<int>(std::lround(position.y()))};
}

QString BoardWidget::FieldCodeAt(QPoint hitMapPosition) const {
  // Never the notice of PositionToField: beside the board is a plain miss.
  return QString::fromStdString(hitMap_.FieldAt(hitMapPosition.x(), hitMapPosition.y()));
}

QSize BoardWidget::sizeHint() const {
  return {board::kWidth, board::kHeight};
}

QSize BoardWidget::minimumSizeHint() const {
  return {board::kWidth / 4, board::kHeight / 4};
}

void BoardWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QRectF board = BoardRect();
  // The margins beside the board in the window's own colour.
  const QColor margin = palette().color(QPalette::Window);
  for (const QRect& strip : QRegion(rect()) - QRegion(board.toAlignedRect())) {
    painter.fillRect(strip, margin);
  }
  canvas_.Paint(painter, board);
}

BoardFrame BoardWidget::Frame() const {
  // Cheap enough to work out afresh; it follows size and screen changes alike.
  return BoardFrame(size(), devicePixelRatioF());
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  const QPoint position = HitMapPosition(event->position());
  emit pressed(event->button(), position, FieldCodeAt(position));
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint position = HitMapPosition(event->position());
  const QString code = FieldCodeAt(position);
  if (hintEnabled_) {
    hint_.Show(event->position().toPoint(), code);
  }
  emit moved(position, code);
}

void BoardWidget::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  hint_.Hide();
  emit left();
}

void BoardWidget::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  hint_.Hide();
}

}  // namespace korvanti
