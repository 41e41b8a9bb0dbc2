#include "ui/game/PreparationRunner.h"

#include <utility>

#include "ui/game/WaitDialog.h"

namespace korvanti {

PreparationRunner::PreparationRunner(QWidget* window, WaitTexts texts)
    : window_(window), texts_(std::move(texts)) {}

PreparationRunner::~PreparationRunner() {
  worker_.Cancel();
  delete dialog_.data();
}

void PreparationRunner::Run(PreparationWork work, Done done, std::function<void()> cancelled) {
  if (worker_.Running()) {
    worker_.Start({}, std::move(done));  // refused, later
    return;
  }
  ShowDialog([this, cancelled = std::move(cancelled)] {
    worker_.Cancel();
    HideDialog();
    if (cancelled) {
      cancelled();
    }
  });
  worker_.Start(
      std::move(work),
      [this, done = std::move(done)](std::optional<std::string> failure) {
        HideDialog();
        if (done) {
          done(std::move(failure));  // last: it may start the next work
        }
      },
      [this](int played, int most) { ShowProgress(played, most); });
}

void PreparationRunner::ShowDialog(std::function<void()> cancel) {
  HideDialog();
  dialog_ = new WaitDialog(window_, texts_.caption);  // the window owns it when there is one
  dialog_->SetInfoText(texts_.info);
  dialog_->SetCancellable(texts_.cancellable);
  // Queued: the dialog's close or click is over before it goes. A request
  // that arrives after the work has ended (and hidden the dialog) is too late.
  auto* shown = dialog_.data();
  QObject::connect(
      shown, &WaitDialog::cancelRequested, shown,
      [this, shown, cancel = std::move(cancel)] {
        if (dialog_ == shown && cancel) {
          cancel();
        }
      },
      Qt::QueuedConnection);
  // Nothing else may be clicked meanwhile ("Start" twice, a board click).
  dialog_->setWindowModality(Qt::ApplicationModal);
  dialog_->show();
  dialog_->raise();
  dialog_->StartAnimation();
}

void PreparationRunner::ShowProgress(int done, int total) {
  if (dialog_) {
    dialog_->SetProgress(done, total);
  }
}

void PreparationRunner::HideDialog() {
  if (dialog_) {
    dialog_->Finish();
    dialog_->close();
    dialog_->deleteLater();
    dialog_ = nullptr;
  }
}

}  // namespace korvanti
