#include "ui/game/WaitDialog.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "ui/game/BusyBar.h"

namespace korvanti {
namespace {

constexpr int kWidth = 471;
constexpr int kInfoHeight = 30;
constexpr int kAnimationHeight = 83;
constexpr QPoint kBarPosition{24, 32};
constexpr QSize kBarSize{409, 9};
constexpr int kProgressTop = 48;
constexpr int kCancelTop = 46;
constexpr int kCancelRight = 24;

}  // namespace

WaitDialog::WaitDialog(QWidget* parent, const QString& caption)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      infoPanel_(new QFrame(this)),
      infoText_(new QLabel(QStringLiteral("Bitte etwas Geduld, Daten werden aktualisiert..."),
                           infoPanel_)),
      animationPanel_(new QFrame(this)),
      busyBar_(new BusyBar(animationPanel_)),
      progressText_(new QLabel(animationPanel_)),
      cancel_(new QPushButton(QStringLiteral("Abbrechen"), animationPanel_)) {
  setObjectName(QStringLiteral("FormWait"));
  setWindowTitle(caption.isEmpty() ? QString::fromUtf8(kDefaultCaption) : caption);
  infoPanel_->setObjectName(QStringLiteral("pnl_Infotext"));
  infoText_->setObjectName(QStringLiteral("lbl_InfoText"));
  animationPanel_->setObjectName(QStringLiteral("pnl_Animation"));
  progressText_->setObjectName(QStringLiteral("lbl_Progress"));
  progressText_->hide();
  cancel_->setObjectName(QStringLiteral("btn_Abbrechen"));
  cancel_->setAutoDefault(false);
  connect(cancel_, &QPushButton::clicked, this, &WaitDialog::cancelRequested);
  busyBar_->setGeometry(QRect(kBarPosition, kBarSize));
  Arrange();
}

void WaitDialog::SetInfoText(const QString& text) {
  infoText_->setText(text);
  infoPanel_->setVisible(!text.isEmpty());
  Arrange();
}

void WaitDialog::SetProgress(int done, int total) {
  if (total <= 0) {
    progressText_->hide();
    cancel_->setObjectName(QStringLiteral("btn_Abbrechen"));
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, &WaitDialog::cancelRequested);
    return;
  }
  const long long percent = std::clamp(100LL * done / total, 0LL, 100LL);
  progressText_->setText(QStringLiteral("Fortschritt: %1 %").arg(percent));
  progressText_->adjustSize();
  progressText_->show();
}

void WaitDialog::SetCancellable(bool cancellable) {
  cancellable_ = cancellable;
  cancel_->setVisible(cancellable);
}

void WaitDialog::StartAnimation() {
  busyBar_->Start();
}

void WaitDialog::StopAnimation() {
  busyBar_->Stop();
}

void WaitDialog::Finish() {
  StopAnimation();
  cancel_->setEnabled(false);
  finished_ = true;
}

// Esc ends here; like closing, it asks the owner to stop the work first.
void WaitDialog::reject() {
  if (finished_) {
    QDialog::reject();
  } else if (cancellable_) {
    emit cancelRequested();
  }
}

void WaitDialog::closeEvent(QCloseEvent* event) {
  if (finished_) {
    QDialog::closeEvent(event);
  } else {
    event->ignore();
    if (cancellable_) {
      emit cancelRequested();
    }
  }
}

// The info line on top when it is shown, the bar's panel below; the dialog
// widens for an info text longer than the design width.
void WaitDialog::Arrange() {
  infoText_->adjustSize();
  infoText_->move(10, 10);
  const int width = std::max(kWidth, infoText_->width() + 20);
  const int infoHeight = infoPanel_->isVisibleTo(this) ? kInfoHeight : 0;
  infoPanel_->setGeometry(0, 0, width, kInfoHeight);
  animationPanel_->setGeometry(0, infoHeight, width, kAnimationHeight);
  progressText_->move(kBarPosition.x(), kProgressTop);
  cancel_->adjustSize();
  cancel_->move(width - kCancelRight - cancel_->width(), kCancelTop);
  setFixedSize(width, infoHeight + kAnimationHeight);
}

}  // namespace korvanti
