#include "play/PreparationWorker.h"

#include <QMetaObject>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <exception>
#include <utility>

namespace korvanti {

// What the worker and the owner's thread share while one work runs.
struct PreparationWorker::Job {
  Done done;
  Progress progress;
  std::optional<std::string> outcome;  // written by the worker before it posts its end
  std::atomic<int> progressDone = 0;
  std::atomic<int> progressTotal = 0;
};

namespace {

constexpr auto kProgressInterval = std::chrono::milliseconds(100);

// No exception may leave the worker; a failure of the work is its outcome.
std::optional<std::string> RunGuarded(const PreparationWork& work,
                                      const PreparationProgress& progress, std::stop_token stop) {
  if (!work) {
    return std::nullopt;
  }
  try {
    return work(progress, std::move(stop));
  } catch (const std::exception& error) {
    return std::string("Die Vorbereitung ist fehlgeschlagen: ") + error.what();
  } catch (...) {
    return std::string("Die Vorbereitung ist fehlgeschlagen.");
  }
}

}  // namespace

PreparationWorker::PreparationWorker() = default;

PreparationWorker::~PreparationWorker() {
  Cancel();
}

void PreparationWorker::Post(std::function<void()> call) {
  QMetaObject::invokeMethod(&receiver_, std::move(call), Qt::QueuedConnection);
}

void PreparationWorker::Start(PreparationWork work, Done done, Progress progress) {
  if (job_) {
    QTimer::singleShot(0, &receiver_, [done = std::move(done)] {
      done(std::string("Eine Vorbereitung läuft bereits."));
    });
    return;
  }
  if (thread_.joinable()) {
    thread_.join();  // the last work has ended; its end is already on its way
  }
  auto job = std::make_shared<Job>();
  job->done = std::move(done);
  job->progress = std::move(progress);
  job_ = job;
  thread_ = std::jthread([this, job, work = std::move(work)](std::stop_token stop) {
    // The first report shows at once, later ones at most every interval.
    auto lastPosted = std::chrono::steady_clock::now() - kProgressInterval;
    const auto reportProgress = [&](int done, int total) {
      job->progressDone.store(done);
      job->progressTotal.store(total);
      const auto now = std::chrono::steady_clock::now();
      if (job->progress && now - lastPosted >= kProgressInterval) {
        lastPosted = now;
        Post([this, job] {
          if (job == job_) {
            job->progress(job->progressDone.load(), job->progressTotal.load());
          }
        });
      }
    };
    job->outcome = RunGuarded(work, reportProgress, stop);
    if (!stop.stop_requested()) {
      Post([this, job] { Finished(job); });
    }
  });
}

void PreparationWorker::Cancel() {
  job_.reset();
  if (thread_.joinable()) {
    thread_.request_stop();
    thread_.join();
  }
}

void PreparationWorker::Finished(const std::shared_ptr<Job>& job) {
  if (job != job_) {
    return;  // cancelled after it had ended
  }
  thread_.join();  // it has posted its end; this only joins it
  job_.reset();
  // Last: `done` may start the next work.
  if (job->done) {
    job->done(std::move(job->outcome));
  }
}

}  // namespace korvanti
