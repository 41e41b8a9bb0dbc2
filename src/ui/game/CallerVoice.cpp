#include "ui/game/CallerVoice.h"

#include <QLocale>
#include <QTextToSpeech>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <utility>

namespace korvanti {

// Everything the voice's thread uses; it keeps its own share, so a thread
// left behind in the speech service never reaches freed memory.
struct CallerVoice::Shared {
  std::mutex mutex;
  std::condition_variable wake;
  std::condition_variable ended;
  QString latest;  // the call to say next
  bool stop = false;
  bool done = false;
};

namespace {

// How long closing the window waits for the voice's thread to end.
constexpr std::chrono::milliseconds kFarewell{500};

// The engine, made on the voice's thread with its first call (that may take
// seconds); null when there is no German voice.
std::unique_ptr<QTextToSpeech> GermanEngine() {
  auto engine = std::make_unique<QTextToSpeech>();
  if (engine->state() == QTextToSpeech::Error) {
    return nullptr;
  }
  const auto locales = engine->availableLocales();
  const auto german = std::find_if(locales.begin(), locales.end(), [](const QLocale& locale) {
    return locale.language() == QLocale::German;
  });
  // An English voice reading German words helps nobody.
  if (german == locales.end()) {
    return nullptr;
  }
  engine->setLocale(*german);
  return engine;
}

void Speak(const std::shared_ptr<CallerVoice::Shared>& shared) {
  std::unique_ptr<QTextToSpeech> engine;
  bool tried = false;
  for (;;) {
    {
      std::unique_lock lock(shared->mutex);
      shared->wake.wait(lock, [&] { return shared->stop || !shared->latest.isEmpty(); });
      if (shared->stop) {
        break;
      }
    }
    if (!std::exchange(tried, true)) {
      engine = GermanEngine();
    }
    QString text;
    {
      std::lock_guard lock(shared->mutex);
      if (shared->stop) {
        break;
      }
      text = std::exchange(shared->latest, QString());
    }
    if (engine) {
      engine->say(text);
    }
  }
  engine.reset();
  std::lock_guard lock(shared->mutex);
  shared->done = true;
  shared->ended.notify_all();
}

}  // namespace

CallerVoice::~CallerVoice() {
  if (!thread_.joinable()) {
    return;
  }
  std::unique_lock lock(shared_->mutex);
  shared_->stop = true;
  shared_->wake.notify_all();
  const bool ended = shared_->ended.wait_for(lock, kFarewell, [this] { return shared_->done; });
  lock.unlock();
  if (ended) {
    thread_.join();
  } else {
    // The speech service holds the thread and may never let go. It owns its
    // share of the state and ends on its own, or with the program.
    thread_.detach();
  }
}

void CallerVoice::Say(const QString& text) {
  if (text.isEmpty()) {
    return;
  }
  if (!thread_.joinable()) {
    shared_ = std::make_shared<Shared>();
    thread_ = std::thread([shared = shared_] { Speak(shared); });
  }
  std::lock_guard lock(shared_->mutex);
  shared_->latest = text;
  shared_->wake.notify_one();
}

}  // namespace korvanti
