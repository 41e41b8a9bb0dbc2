#include "ui/game/TurnAnnouncer.h"

#include <QAudioOutput>
#include <QDir>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>

#include "play/CallerTexts.h"
#include "ui/game/CallerVoice.h"

namespace korvanti {
namespace {

// A sound that has not ended after this long (a stuck audio device) is cut
// by the next call rather than keeping it waiting.
constexpr qint64 kLongestWaitMilliseconds = 4000;
// Calls of the turns before that still wait are stale; at most this many wait.
constexpr std::size_t kMostWaiting = 3;

}  // namespace

TurnAnnouncer::TurnAnnouncer(std::unique_ptr<Voice> voice)
    : voice_(voice ? std::move(voice) : std::make_unique<CallerVoice>()) {}

TurnAnnouncer::~TurnAnnouncer() = default;

void TurnAnnouncer::Play(const QString& soundsFolder, const QString& file) {
  const auto phrase = CallerPhraseForSoundFile(file.toStdString());
  Play(soundsFolder, file, phrase ? QString::fromStdString(*phrase) : QString());
}

void TurnAnnouncer::Play(const QString& soundsFolder, const QString& file, const QString& phrase) {
  Waiting call;
  const QString path = QDir(soundsFolder).filePath(file);
  if (!file.isEmpty() && QFileInfo(path).isFile()) {
    call.path = path;
  } else if (callerActive_ && !phrase.isEmpty()) {
    call.words = phrase;
  } else {
    return;
  }
  if (SoundPlaying() && soundStarted_.elapsed() < kLongestWaitMilliseconds) {
    waiting_.push_back(std::move(call));
    if (waiting_.size() > kMostWaiting) {
      waiting_.pop_front();
    }
    return;
  }
  waiting_.clear();
  Start(call);
}

bool TurnAnnouncer::SoundPlaying() const {
  return player_ && player_->error() == QMediaPlayer::NoError &&
         player_->playbackState() == QMediaPlayer::PlayingState &&
         player_->mediaStatus() != QMediaPlayer::EndOfMedia;
}

void TurnAnnouncer::Start(const Waiting& call) {
  if (call.path.isEmpty()) {
    voice_->Say(call.words);
  } else {
    StartSound(call.path);
  }
}

// The voice keeps its own order; only a file holds the calls after it.
void TurnAnnouncer::SoundEnded() {
  while (!waiting_.empty() && !SoundPlaying()) {
    const auto call = std::move(waiting_.front());
    waiting_.pop_front();
    Start(call);
  }
}

// One file at a time. A player that failed on its last file (unreadable, no
// plug-in for it) is replaced rather than stopped: stopping it waits up to a
// second for the media pipeline.
void TurnAnnouncer::StartSound(const QString& path) {
  if (player_ && player_->error() != QMediaPlayer::NoError) {
    player_.reset();
  }
  if (!output_) {
    output_ = std::make_unique<QAudioOutput>();
  }
  if (!player_) {
    player_ = std::make_unique<QMediaPlayer>();
    player_->setAudioOutput(output_.get());
    // The waiting calls go on once the player's signal is over: starting the
    // next may replace the player that sends it.
    const auto ended = [this] { QTimer::singleShot(0, output_.get(), [this] { SoundEnded(); }); };
    QObject::connect(
        player_.get(), &QMediaPlayer::mediaStatusChanged, output_.get(),
        [ended](QMediaPlayer::MediaStatus status) {
          if (status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia) {
            ended();
          }
        });
    QObject::connect(player_.get(), &QMediaPlayer::errorOccurred, output_.get(), ended);
  }
  player_->stop();
  player_->setSource(QUrl::fromLocalFile(path));
  player_->play();
  soundStarted_.start();
  lastSound_ = path;
}

}  // namespace korvanti
