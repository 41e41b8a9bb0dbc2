#include "ui/game/CallerVoice.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocale>
#include <QTextToSpeech>
#include <algorithm>
#include <chrono>
#include <deque>
#include <mutex>
#include <utility>

namespace korvanti {

// The calls handed to the voice's thread; the thread keeps its own share.
struct CallerVoice::Shared {
  std::mutex mutex;
  std::deque<QString> calls;  // not yet taken by the thread
  bool posted = false;        // a turn of the thread's loop will take `calls`
};

namespace {

// Older calls than these are stale by the time a slow voice gets to them.
constexpr std::size_t kMostWaiting = 3;

void KeepLatest(std::deque<QString>& calls) {
  while (calls.size() > kMostWaiting) {
    calls.pop_front();
  }
}

// How long closing the window, or quitting the application, waits for the
// voice's thread to end.
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

// Lives on the voice's thread, with the engine, and is deleted there when
// the thread's loop has ended.
class Speaker final : public QObject {
 public:
  void TakeCalls(CallerVoice::Shared& shared) {
    {
      std::lock_guard lock(shared.mutex);
      calls_.insert(calls_.end(), shared.calls.begin(), shared.calls.end());
      shared.calls.clear();
      shared.posted = false;
    }
    KeepLatest(calls_);
    if (!std::exchange(tried_, true)) {
      engine_ = GermanEngine();
      if (engine_) {
        QObject::connect(engine_.get(), &QTextToSpeech::stateChanged, this,
                         [this](QTextToSpeech::State state) {
                           if (state == QTextToSpeech::Ready) {
                             SayNext();
                           }
                         });
      }
    }
    if (engine_ && engine_->state() != QTextToSpeech::Speaking) {
      SayNext();
    }
  }

 private:
  void SayNext() {
    if (engine_ && !calls_.empty()) {
      const auto text = std::move(calls_.front());
      calls_.pop_front();
      engine_->say(text);
    }
  }

  std::unique_ptr<QTextToSpeech> engine_;
  std::deque<QString> calls_;  // waiting for the call being said
  bool tried_ = false;
};

// A thread the speech service still holds when its voice goes: its loop has
// been told to quit, and it goes when the service lets go. Quitting the
// application waits for it once more, as long as closing did; then the
// process ends it.
void LeaveToTheApplication(QThread* thread) {
  QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
  if (auto* application = QCoreApplication::instance()) {
    QObject::connect(application, &QCoreApplication::aboutToQuit, thread,
                     [thread] { thread->wait(QDeadlineTimer(kFarewell)); });
  }
}

}  // namespace

CallerVoice::~CallerVoice() {
  if (!thread_) {
    return;
  }
  thread_->quit();
  if (thread_->wait(QDeadlineTimer(kFarewell))) {
    delete thread_.data();
    return;
  }
  LeaveToTheApplication(thread_);
}

void CallerVoice::Say(const QString& text) {
  if (text.isEmpty()) {
    return;
  }
  if (!thread_) {
    shared_ = std::make_shared<Shared>();
    thread_ = new QThread;
    thread_->setObjectName(QStringLiteral("CallerVoice"));
    auto* speaker = new Speaker;
    speaker->moveToThread(thread_);
    QObject::connect(thread_, &QThread::finished, speaker, &QObject::deleteLater);
    speaker_ = speaker;
    thread_->start();
  }
  std::lock_guard lock(shared_->mutex);
  shared_->calls.push_back(text);
  KeepLatest(shared_->calls);
  if (!std::exchange(shared_->posted, true)) {
    QMetaObject::invokeMethod(
        speaker_,
        [speaker = static_cast<Speaker*>(speaker_.data()), shared = shared_] {
          speaker->TakeCalls(*shared);
        },
        Qt::QueuedConnection);
  }
}

}  // namespace korvanti
