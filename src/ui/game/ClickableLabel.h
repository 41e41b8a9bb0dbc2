#pragma once

#include <QLabel>
#include <QMouseEvent>

namespace korvanti {

// A label that reports a left click: the dart and aim fields take a dart or
// an aim back when clicked.
class ClickableLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) {
      emit clicked();
    }
    QLabel::mousePressEvent(event);
  }
};

}  // namespace korvanti
