#pragma once

#include <QWidget>

#include "play/Scoreboard.h"

class QPainter;

namespace korvanti {

// "15" .. "20", and "Bull" for 25.
QString CricketNumberText(int number);

// A white number on black, on green, on red with a green frame or on red
// with a black frame, drawn to fill the rectangle at any size.
void PaintCricketTile(QPainter& painter, const QRectF& area, CricketTile tile,
                      const QString& number);

// Nothing for 0, one stroke for 1, a cross for 2, a circled cross for 3 and
// more, centred in the rectangle, drawn in the text's colour `ink`.
void PaintMarks(QPainter& painter, const QRectF& area, int marks, const QColor& ink);

// The number tile of a cricket row.
class CricketTileWidget : public QWidget {
 public:
  explicit CricketTileWidget(QWidget* parent = nullptr);

  void Show(int number, CricketTile tile);
  int Number() const { return number_; }
  CricketTile Tile() const { return tile_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int number_ = 0;
  CricketTile tile_ = CricketTile::Black;
};

// The marks picture of a cricket row.
class MarksWidget : public QWidget {
 public:
  explicit MarksWidget(QWidget* parent = nullptr);

  void Show(int marks);
  int Marks() const { return marks_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int marks_ = 0;
};

}  // namespace korvanti
