#pragma once

#include <QTimer>
#include <QWidget>

#include "ui/game/BusyBarMotion.h"

namespace korvanti {

// The wait dialog's busy bar: a sunken strip in which the bar moves every
// 25 ms while the work runs elsewhere.
class BusyBar final : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kBevel = 1;
  static constexpr int kFrameMilliseconds = 25;

  explicit BusyBar(QWidget* parent = nullptr);

  // Starting a running bar changes nothing.
  void Start();
  void Stop();
  bool IsRunning() const { return timer_.isActive(); }
  const BusyBarMotion& motion() const { return motion_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Frame();

  QTimer timer_;
  BusyBarMotion motion_;
};

}  // namespace korvanti
