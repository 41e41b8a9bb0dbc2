#include "ui/game/TurnAnnouncer.h"

#include <QAudioOutput>
#include <QDir>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

#include "ui/common/GermanNumbers.h"
#include "ui/game/CallerVoice.h"

namespace korvanti {

TurnAnnouncer::TurnAnnouncer(std::unique_ptr<Voice> voice)
    : voice_(voice ? std::move(voice) : std::make_unique<CallerVoice>()) {}

TurnAnnouncer::~TurnAnnouncer() = default;

void TurnAnnouncer::Play(const QString& soundsFolder, const QString& file) {
  const auto phrase = CallerPhraseForSoundFile(file.toStdString());
  Play(soundsFolder, file, phrase ? QString::fromStdString(*phrase) : QString());
}

void TurnAnnouncer::Play(const QString& soundsFolder, const QString& file, const QString& phrase) {
  const QString path = QDir(soundsFolder).filePath(file);
  if (!file.isEmpty() && QFileInfo(path).isFile()) {
    StartSound(path);
  } else if (callerActive_ && !phrase.isEmpty()) {
    voice_->Say(phrase);
  }
}

void TurnAnnouncer::Call(const QString& phrase) {
  if (callerActive_ && !phrase.isEmpty()) {
    voice_->Say(phrase);
  }
}

// One file at a time; it plays on while the game goes on. A player that
// failed on its last file (unreadable, no plug-in for it) is replaced rather
// than stopped: stopping it waits up to a second for the media pipeline.
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
  }
  player_->stop();
  player_->setSource(QUrl::fromLocalFile(path));
  player_->play();
  lastSound_ = path;
}

}  // namespace korvanti
