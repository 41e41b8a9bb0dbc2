#pragma once

#include <QRect>
#include <QWidget>
#include <functional>
#include <vector>

namespace korvanti {

// A surface laid out in the design's pixels (the game screen's 1017 x 741)
// that scales as a whole: every child keeps its design rectangle and font
// size times the scale, centred in the surface. Children that paint their
// own insides at a scale are told the scale too.
class DesignCanvas : public QWidget {
 public:
  DesignCanvas(QSize designSize, QWidget* parent = nullptr);

  // Places the child at its design rectangle; a font pixel size of 0 keeps the font.
  void Place(QWidget* child, QRect design, int fontPixelSize = 0,
             std::function<void(double scale)> onScale = {});

  double Scale() const { return scale_; }
  QSize DesignSize() const { return designSize_; }
  // The window size for a scale, for opening at the design's size or less.
  QSize SizeAt(double scale) const;

  QSize sizeHint() const override { return designSize_; }
  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Placed {
    QWidget* child;
    QRect design;
    int fontPixelSize;
    std::function<void(double)> onScale;
  };
  void Apply(const Placed& placed) const;
  QRect Scaled(QRect design) const;

  QSize designSize_;
  std::vector<Placed> placed_;
  double scale_ = 1.0;
  QPoint offset_;
};

}  // namespace korvanti
