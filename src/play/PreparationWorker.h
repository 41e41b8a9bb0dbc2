#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <thread>

#include "computer/DartSimulation.h"

namespace korvanti {

// Work that runs away from the window and may fail with a message. It tells
// how far it has come from the thread that runs it and looks at `stop` often
// (the simulation after every game).
using PreparationWork = std::function<std::optional<std::string>(
    const PreparationProgress& progress, std::stop_token stop)>;

// Runs one preparation at a time on a thread of its own and hands its outcome
// (and its progress, at most every 100 ms) back on the thread that made the
// worker, whose event loop must run. Cancel and the destructor ask the work
// to stop and join it; since the work looks at its stop token between
// simulated games, that takes one game, not the whole search.
class PreparationWorker final {
 public:
  using Done = std::function<void(std::optional<std::string> failure)>;
  using Progress = std::function<void(int done, int total)>;

  PreparationWorker();
  ~PreparationWorker();
  PreparationWorker(const PreparationWorker&) = delete;
  PreparationWorker& operator=(const PreparationWorker&) = delete;

  // Returns at once; `done` comes later unless the work is cancelled first. A
  // second Start while one works is refused through its own `done`, later.
  void Start(PreparationWork work, Done done, Progress progress = {});
  // Stops the running work; its `done` and progress never come.
  void Cancel();
  bool Running() const { return job_ != nullptr; }

 private:
  struct Job;
  void Finished(const std::shared_ptr<Job>& job);
  void Post(std::function<void()> call);

  std::shared_ptr<Job> job_;
  std::jthread thread_;
  // Takes the worker's calls on the owner's thread; gone with the worker.
  QObject receiver_;
};

}  // namespace korvanti
