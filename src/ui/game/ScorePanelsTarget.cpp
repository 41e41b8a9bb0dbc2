#include <QLabel>
#include <QPainter>

#include "ui/common/KorvantiLook.h"
#include "ui/game/ScorePanels.h"

namespace korvanti {
namespace {

// The panel sits 4 pixels left of the window's edge, so its frame starts inside.
constexpr QRect kFrame{6, 1, 316, 73};
constexpr QRect kCaption{14, 3, 200, 22};
constexpr int kTargetLeft = 14;
constexpr int kTargetPitch = 102;
constexpr QRect kTarget{0, 26, 96, 42};
constexpr int kCaptionPixels = 17;
constexpr int kTargetPixels = 26;
// The dart fields' look: cream figures on black.
const QColor kTargetText(255, 248, 220);

}  // namespace

TargetPanelView::TargetPanelView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pnlGameShanghai"));
  resize(kDesignSize);
  auto* caption = MakePanelLabel(this, QStringLiteral("lblNextHitCaption"), TextFont(12, true),
                                 Qt::AlignLeft | Qt::AlignVCenter);
  caption->setText(QStringLiteral("Nächster Wurf"));
  layout_.Place(caption, kCaption, kCaptionPixels);
  for (int n = 0; n < 3; ++n) {
    auto* target = MakePanelLabel(this, QStringLiteral("lblNextHit%1").arg(n + 1),
                                  FiguresFont(kTargetPixels, true));
    SetLabelColors(target, kTargetText, Qt::black);
    layout_.Place(target, kTarget.translated(kTargetLeft + n * kTargetPitch, 0), kTargetPixels);
    nextTargets_[static_cast<std::size_t>(n)] = target;
  }
}

void TargetPanelView::Show(const Scoreboard& board) {
  for (std::size_t n = 0; n < 3; ++n) {
    nextTargets_[n]->setText(QString::fromStdString(board.nextTargets[n]));
  }
  layout_.FitTexts();
}

void TargetPanelView::SetScale(double scale) {
  layout_.SetScale(scale);
  update();
}

void TargetPanelView::paintEvent(QPaintEvent*) {
  const double scale = layout_.Scale();
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(110, 110, 130), std::max(1.0, scale)));
  painter.setBrush(Qt::NoBrush);
  const QRectF frame(kFrame.x() * scale, kFrame.y() * scale, kFrame.width() * scale,
                     kFrame.height() * scale);
  painter.drawRoundedRect(frame, 4 * scale, 4 * scale);
}

}  // namespace korvanti
