#pragma once

#include <QString>
#include <memory>
#include <thread>

namespace korvanti {

// Speaks short German calls. Only the latest call counts: one that the voice
// has not started yet is replaced by the next.
class Voice {
 public:
  virtual ~Voice() = default;
  virtual void Say(const QString& text) = 0;
};

// The system's German voice (speech-dispatcher). It lives on a thread of its
// own because the speech service can take seconds to start and, with no sound
// server, never answers; the window thread only hands it texts. Without a
// German voice it stays silent.
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
  std::thread thread_;
};

}  // namespace korvanti
