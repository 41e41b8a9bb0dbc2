#include "ui/game/WallScoreboardWindow.h"

#include <QKeyEvent>
#include <QPainter>

namespace korvanti {
namespace {

// The board's own scheme: a television scoreboard, independent of the program's palette.
const QColor kBackground(0, 0, 0);
const QColor kFigure(245, 245, 245);
const QColor kText(200, 200, 200);
const QColor kCaption(150, 150, 150);
const QColor kOnTurn(255, 190, 0);
const QColor kOnTurnText(0, 0, 0);
const QColor kProposal(80, 220, 120);
const QColor kCell(28, 28, 28);

QColor ColourOf(const WallText& text, const WallLayout& layout) {
  switch (text.part) {
    case WallPart::Caption:
      return kCaption;
    case WallPart::Name:
    case WallPart::Match:
      return layout.cells.at(static_cast<std::size_t>(text.player)).onTurn ? kOnTurnText : kText;
    case WallPart::Figure:
      return kFigure;
    case WallPart::LastTurn:
      return kText;
    case WallPart::Proposal:
      return kProposal;
  }
  return kText;
}

}  // namespace

WallScoreboardWindow::WallScoreboardWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setWindowTitle(QStringLiteral("Anzeigetafel"));
  setAccessibleName(QStringLiteral("Anzeigetafel"));
  setObjectName(QStringLiteral("frmAnzeigetafel"));
  setMinimumSize(320, 180);
  resize(1280, 720);
}

void WallScoreboardWindow::Show(const WallDisplay& display) {
  if (display == display_) {
    return;
  }
  display_ = display;
  update();
}

WallLayout WallScoreboardWindow::Layout() const {
  return LayOutWall(display_, size(), font());
}

void WallScoreboardWindow::ToggleFullScreen() {
  setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void WallScoreboardWindow::paintEvent(QPaintEvent* /*event*/) {
  const auto layout = Layout();
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), kBackground);
  const int inset = layout.frame / 2;
  for (const auto& cell : layout.cells) {
    const QRect frame = cell.rect.adjusted(inset, inset, -inset, -inset);
    painter.fillRect(frame, kCell);
    if (cell.onTurn) {
      painter.fillRect(cell.bar, kOnTurn);
      painter.setPen(QPen(kOnTurn, layout.frame, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(frame);
    }
  }
  for (const auto& text : layout.texts) {
    painter.setFont(text.font);
    painter.setPen(ColourOf(text, layout));
    painter.drawText(text.textRect, Qt::AlignCenter, text.text);
  }
}

void WallScoreboardWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F11) {
    ToggleFullScreen();
    return;
  }
  if (event->key() == Qt::Key_Escape && isFullScreen()) {
    ToggleFullScreen();
    return;
  }
  QWidget::keyPressEvent(event);
}

void WallScoreboardWindow::mouseDoubleClickEvent(QMouseEvent* /*event*/) {
  ToggleFullScreen();
}

}  // namespace korvanti
