#include "ui/game/CallerVoice.h"

#include <QDeadlineTimer>
#include <QLocale>
#include <QMutex>
#include <QTextToSpeech>
#include <algorithm>
#include <utility>

namespace korvanti {

struct CallerVoice::Shared {
  QMutex mutex;
  QString latest;       // the call to say next
  bool posted = false;  // a request to say it is on its way to the voice's thread
};

namespace {

// How long closing the window waits for the voice's thread to end.
constexpr int kFarewellMilliseconds = 500;

// Lives on the voice's thread; everything that may block happens here.
class SpeechWorker final : public QObject {
 public:
  explicit SpeechWorker(std::shared_ptr<CallerVoice::Shared> shared) : shared_(std::move(shared)) {}

  void SpeakLatest() {
    const bool ready = Ready();  // the first call may take seconds
    QString text;
    {
      QMutexLocker lock(&shared_->mutex);
      text = std::exchange(shared_->latest, QString());
      shared_->posted = false;
    }
    if (ready && !text.isEmpty()) {
      engine_->say(text);
    }
  }

 private:
  bool Ready() {
    if (engine_ || unusable_) {
      return !unusable_;
    }
    engine_ = std::make_unique<QTextToSpeech>();
    const auto locales = engine_->availableLocales();
    const auto german = std::find_if(locales.begin(), locales.end(), [](const QLocale& locale) {
      return locale.language() == QLocale::German;
    });
    // An English voice reading German words helps nobody.
    unusable_ = engine_->state() == QTextToSpeech::Error || german == locales.end();
    if (!unusable_) {
      engine_->setLocale(*german);
    }
    return !unusable_;
  }

  std::shared_ptr<CallerVoice::Shared> shared_;
  std::unique_ptr<QTextToSpeech> engine_;
  bool unusable_ = false;
};

}  // namespace

CallerVoice::CallerVoice() : shared_(std::make_shared<Shared>()) {}

CallerVoice::~CallerVoice() {
  if (!thread_) {
    return;
  }
  thread_->quit();
  if (!thread_->wait(QDeadlineTimer(kFarewellMilliseconds))) {
    // The speech service holds the thread and may never let go; destroying a
    // running thread would abort the program, so it is left to end with it.
    static_cast<void>(thread_.release());
  }
}

void CallerVoice::Say(const QString& text) {
  {
    QMutexLocker lock(&shared_->mutex);
    shared_->latest = text;
    if (std::exchange(shared_->posted, true)) {
      return;  // the request on its way will say the latest text
    }
  }
  if (!thread_) {
    thread_ = std::make_unique<QThread>();
    thread_->setObjectName(QStringLiteral("CallerVoice"));
    worker_ = new SpeechWorker(shared_);  // deleted on its thread when that ends
    worker_->moveToThread(thread_.get());
    QObject::connect(thread_.get(), &QThread::finished, worker_, &QObject::deleteLater);
    thread_->start();
  }
  auto* worker = static_cast<SpeechWorker*>(worker_);
  QMetaObject::invokeMethod(
      worker, [worker] { worker->SpeakLatest(); }, Qt::QueuedConnection);
}

}  // namespace korvanti
