#include "ui/game/PointsBanner.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <algorithm>

#include "ui/common/KorvantiLook.h"

namespace korvanti {
namespace {

// Room left around the banner on a screen smaller than the design.
constexpr double kScreenShare = 0.95;

QRect Scaled(const QRect& rect, double scale) {
  return {qRound(rect.x() * scale), qRound(rect.y() * scale), qRound(rect.width() * scale),
          qRound(rect.height() * scale)};
}

}  // namespace

PointsBanner::PointsBanner(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      label_(new QLabel(this)) {
  setObjectName(QStringLiteral("frmCall"));
  // The game screen keeps the keyboard while the banner shows.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::black);
  colours.setColor(QPalette::WindowText, Qt::white);
  setPalette(colours);
  label_->setObjectName(QStringLiteral("Label1"));
  label_->setAlignment(Qt::AlignCenter);
  closeTimer_.setSingleShot(true);
  connect(&closeTimer_, &QTimer::timeout, this, &QWidget::hide);
}

void PointsBanner::Show(const QString& text, int milliseconds) {
  closeTimer_.stop();
  if (milliseconds <= 0) {
    hide();
    return;
  }
  label_->setText(text);
  const QScreen* screen =
      parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
  const QRect available = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), kDesignSize);
  FitTo(available);
  move(available.center() - rect().center());
  show();
  raise();
  closeTimer_.start(milliseconds);
}

QString PointsBanner::text() const {
  return label_->text();
}

int PointsBanner::RemainingMilliseconds() const {
  return isVisible() && closeTimer_.isActive() ? closeTimer_.remainingTime() : 0;
}

// The design size when the screen has room, else scaled down as a whole; the
// text shrinks further when it is wider or taller than its label.
void PointsBanner::FitTo(const QRect& available) {
  const double scale = std::min({1.0, available.width() * kScreenShare / kDesignSize.width(),
                                 available.height() * kScreenShare / kDesignSize.height()});
  setFixedSize(qRound(kDesignSize.width() * scale), qRound(kDesignSize.height() * scale));
  const QRect labelRect = Scaled(kDesignLabel, scale);
  label_->setGeometry(labelRect);
  QFont font(kBannerFamily);
  font.setBold(true);
  int pixelSize = std::max(1, qRound(kDesignPixelSize * scale));
  font.setPixelSize(pixelSize);
  // A text of several lines (the bull-off's distances) must fit in height too.
  const bool lines = label_->text().contains(QLatin1Char('\n'));
  const auto fits = [&] {
    const QSize needed = QFontMetrics(font).size(0, label_->text());
    return needed.width() <= labelRect.width() && (!lines || needed.height() <= labelRect.height());
  };
  while (!fits() && pixelSize > 1) {
    --pixelSize;
    font.setPixelSize(pixelSize);
  }
  label_->setFont(font);
}

}  // namespace korvanti
