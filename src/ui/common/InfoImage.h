#pragma once

#include <QLabel>
#include <QString>

namespace korvanti {

// The small "i" beside an option. While the pointer is over it, the window's
// hint box shows the explanation next to the pointer; leaving hides it.
class InfoImage final : public QLabel {
  Q_OBJECT

 public:
  explicit InfoImage(QString hint, QWidget* parent = nullptr);

  const QString& Hint() const { return hint_; }

 protected:
  void enterEvent(QEnterEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void ShowHintAt(QPointF pointer);

  QString hint_;
};

}  // namespace korvanti
