#include "ui/game/PreparationRunner.h"

#include <atomic>
#include <exception>

#include "ui/game/WaitDialog.h"

namespace korvanti {

// What the worker and the window's thread share while one work runs.
struct PreparationRunner::Job {
  Done done;
  std::optional<std::string> outcome;  // written by the worker before it ends
  std::atomic<int> progressDone = 0;
  std::atomic<int> progressTotal = 0;
};

namespace {

constexpr int kProgressMilliseconds = 100;

// No exception may leave the worker; a failure of the work is its outcome.
std::optional<std::string> RunGuarded(const PreparationWork& work,
                                      const std::function<void(int, int)>& progress) {
  if (!work) {
    return std::nullopt;
  }
  try {
    return work(progress);
  } catch (const std::exception& error) {
    return std::string("Die Vorbereitung ist fehlgeschlagen: ") + error.what();
  } catch (...) {
    return std::string("Die Vorbereitung ist fehlgeschlagen.");
  }
}

}  // namespace

PreparationRunner::PreparationRunner(QWidget* window, WaitTexts texts)
    : window_(window), texts_(std::move(texts)) {
  progressTimer_.setInterval(kProgressMilliseconds);
  QObject::connect(&progressTimer_, &QTimer::timeout, &receiver_, [this] {
    if (job_ && dialog_) {
      dialog_->SetProgress(job_->progressDone.load(), job_->progressTotal.load());
    }
  });
}

PreparationRunner::~PreparationRunner() {
  progressTimer_.stop();
  if (thread_) {
    thread_->wait();  // the work may read what the window owns
  }
  delete dialog_.data();
}

void PreparationRunner::Run(PreparationWork work, Done done) {
  if (job_) {
    QTimer::singleShot(0, &receiver_, [done = std::move(done)] {
      done(std::string("Eine Vorbereitung läuft bereits."));
    });
    return;
  }
  job_ = std::make_shared<Job>();
  job_->done = std::move(done);
  thread_.reset(QThread::create([job = job_, work = std::move(work)] {
    job->outcome = RunGuarded(work, [&job](int done, int total) {
      job->progressDone.store(done);
      job->progressTotal.store(total);
    });
  }));
  QObject::connect(
      thread_.get(), &QThread::finished, &receiver_, [this] { Finished(); }, Qt::QueuedConnection);

  dialog_ = new WaitDialog(window_, texts_.caption);  // the window owns it when there is one
  dialog_->SetInfoText(texts_.info);
  // Nothing else may be clicked meanwhile ("Start" twice, a board click).
  dialog_->setWindowModality(Qt::ApplicationModal);
  dialog_->show();
  dialog_->raise();
  dialog_->StartAnimation();
  progressTimer_.start();
  thread_->start();
}

void PreparationRunner::Finished() {
  thread_->wait();  // it has finished; this only joins it
  thread_.reset();
  progressTimer_.stop();
  const auto job = std::move(job_);
  if (dialog_) {
    dialog_->Finish();
    dialog_->close();
    dialog_->deleteLater();
    dialog_ = nullptr;
  }
  // Last: `done` may start the next work.
  if (job->done) {
    job->done(std::move(job->outcome));
  }
}

}  // namespace korvanti
