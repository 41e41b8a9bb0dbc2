#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "play/GameView.h"

namespace korvanti {

class WaitDialog;

// The texts of the wait dialog while the computer prepares its darts.
struct WaitTexts {
  QString caption = QStringLiteral("Bitte etwas Geduld, Computer überlegt.");
  QString info =
      QStringLiteral("Strategie wird ausgeknobelt, je nach Schnitt könnte dies etwas dauern...");
};

// Runs a preparation in a worker thread while the wait dialog shows, then
// hands its outcome to `done` on the window's thread. Nothing waits: Run
// returns at once. The window owns one runner; destroying it waits for a
// running work (which may read what the window owns) and drops its `done`.
class PreparationRunner final {
 public:
  using Done = std::function<void(std::optional<std::string>)>;

  explicit PreparationRunner(QWidget* window, WaitTexts texts = {});
  ~PreparationRunner();
  PreparationRunner(const PreparationRunner&) = delete;
  PreparationRunner& operator=(const PreparationRunner&) = delete;

  // One work at a time: a second Run while one works is refused through its
  // own `done` with a failure text, later, on the window's thread.
  void Run(PreparationWork work, Done done);
  bool IsRunning() const { return job_ != nullptr; }
  // The dialog of the running work, or null.
  WaitDialog* dialog() const { return dialog_; }

 private:
  struct Job;
  void Finished();

  QPointer<QWidget> window_;
  WaitTexts texts_;
  std::shared_ptr<Job> job_;
  std::unique_ptr<QThread> thread_;
  QPointer<WaitDialog> dialog_;
  QTimer progressTimer_;
  // Receives the worker's end on the window's thread; gone with the runner.
  QObject receiver_;
};

}  // namespace korvanti
