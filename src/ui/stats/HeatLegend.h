#pragma once

#include <QString>
#include <QWidget>

namespace korvanti {

// The key of the heat map: its colours from left to right over the board's
// grey, the lowest and the highest expected points under the ends.
class HeatLegend : public QWidget {
 public:
  explicit HeatLegend(QWidget* parent = nullptr);

  void SetRange(const QString& lowest, const QString& highest);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString lowest_;
  QString highest_;
};

}  // namespace korvanti
