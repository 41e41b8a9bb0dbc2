#pragma once

#include <QPointer>
#include <QString>
#include <QThread>
#include <memory>

namespace korvanti {

// Speaks short German calls, in order: a call waits until the one before is
// said. While the voice cannot keep up, only the latest few calls wait.
class Voice {
 public:
  virtual ~Voice() = default;
  virtual void Say(const QString& text) = 0;
};

// The system's German voice (speech-dispatcher). It lives on a thread of its
// own, with an event loop, because the speech service can take seconds to
// start and, with no sound server, never answers; the window thread only
// hands it texts. A voice that goes while the service holds its thread
// tells the thread's loop to quit and leaves it to end when the service lets
// go, or with the application. Without a German voice it stays silent.
class CallerVoice final : public Voice {
 public:
  CallerVoice() = default;
  ~CallerVoice() override;
  CallerVoice(const CallerVoice&) = delete;
  CallerVoice& operator=(const CallerVoice&) = delete;

  void Say(const QString& text) override;

  struct Shared;

 private:
  std::shared_ptr<Shared> shared_;
  QPointer<QThread> thread_;
  QPointer<QObject> speaker_;  // lives on thread_
};

}  // namespace korvanti
