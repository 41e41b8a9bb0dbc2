#pragma once

namespace korvanti {

// The busy bar's motion: the bar grows from the left edge to the full width
// in steps of a fiftieth, then its left end follows until it vanishes.
class BusyBarMotion {
 public:
  explicit BusyBarMotion(int width) : width_(width > 0 ? width : 0), step_(width_ / 50) {}

  void Advance() {
    if (growing_) {
      end_ += step_;
      if (end_ > width_) {
        end_ = width_;
        growing_ = false;
      }
      return;
    }
    start_ += step_;
    if (start_ >= end_) {
      start_ = 0;
      end_ = 0;
      growing_ = true;
    }
  }

  int start() const { return start_; }
  int end() const { return end_; }
  int width() const { return width_; }

 private:
  int width_;
  int step_;  // 0 for a bar narrower than 50: it stands still
  int start_ = 0;
  int end_ = 0;
  bool growing_ = true;
};

}  // namespace korvanti
