#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>
#include <vector>

#include "engine/HitMap.h"
#include "ui/board/BoardCanvas.h"
#include "ui/board/BoardFrame.h"
#include "ui/board/BoardPicture.h"
#include "ui/board/FieldHint.h"

namespace korvanti {

// The board the user clicks on: the picture kept at 659:650 in the middle of
// the widget, every pointer position mapped back to a hit-map pixel and its
// field code. A position beside the board is a pixel outside the hit map and
// decodes as a miss "0".
class BoardWidget : public QWidget {
  Q_OBJECT

 public:
  // The hit map must outlive the widget.
  explicit BoardWidget(const HitMap& hitMap, QWidget* parent = nullptr);
  ~BoardWidget() override;

  void SetPicture(BoardPicture picture);
  const BoardPicture& Picture() const { return canvas_.Picture(); }

  // Marks of the computer's darts; clearing them restores the clean picture.
  void AddDartMark(QPoint hitMapPosition);
  void ClearDartMarks();
  const std::vector<QPoint>& DartMarks() const { return canvas_.DartMarks(); }

  // The statistics dots; replaced as a whole.
  void SetDots(std::vector<BoardDot> dots);
  void ClearDots();
  const std::vector<BoardDot>& Dots() const { return canvas_.Dots(); }

  // A layer of the window's own under or over the marks and dots; empty for none.
  void SetLayer(BoardLayerPlace place, BoardLayer layer);

  // Off hides the hint at once and keeps it hidden.
  void SetHintEnabled(bool enabled);
  bool IsHintEnabled() const { return hintEnabled_; }
  // The hint label; null until the hint was first shown.
  QLabel* HintLabel() const { return hint_.Label(); }

  // Between widget positions and hit-map pixels at the current size.
  QPoint HitMapPosition(QPointF widgetPosition) const;
  QPoint WidgetPosition(QPoint hitMapPosition) const;
  QRectF BoardRect() const { return Frame().Rect(); }
  // "0" outside the hit map, "00" on a wire.
  QString FieldCodeAt(QPoint hitMapPosition) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void pressed(Qt::MouseButton button, QPoint hitMapPosition, QString fieldCode);
  void moved(QPoint hitMapPosition, QString fieldCode);
  void left();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  BoardFrame Frame() const;

  const HitMap& hitMap_;
  BoardCanvas canvas_;
  FieldHint hint_;
  bool hintEnabled_ = true;
};

}  // namespace korvanti
