#include "ui/game/ScorePanelsPicture.h"

#include <QPainter>

namespace korvanti {

PlayerPictureBox::PlayerPictureBox(QWidget* parent) : QWidget(parent) {
  hide();
}

void PlayerPictureBox::ShowPicture(const std::optional<std::filesystem::path>& file) {
  if (file != file_) {
    file_ = file;
    pixmap_ = file ? QPixmap(QString::fromStdString(file->string())) : QPixmap();
    update();
  }
  setVisible(HasPicture());
}

void PlayerPictureBox::paintEvent(QPaintEvent*) {
  if (pixmap_.isNull()) {
    return;
  }
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QSize shown = pixmap_.size().scaled(size(), Qt::KeepAspectRatio);
  QRect target(QPoint(), shown);
  target.moveCenter(rect().center());
  painter.drawPixmap(target, pixmap_);
}

}  // namespace korvanti
