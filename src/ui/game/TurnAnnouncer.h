#pragma once

#include <QElapsedTimer>
#include <QString>
#include <deque>
#include <memory>

class QAudioOutput;
class QMediaPlayer;

namespace korvanti {

class Voice;

// The caller's calls: a file of the sounds folder when it is there, else,
// with the caller on, a German voice saying the words. A call that comes
// while a file still plays waits for its end, so that "26.mp3" and "Ben, du
// brauchst 40" are heard one after the other. Nothing here waits for the
// sound or the voice, and a missing file or device is silence, never an error.
class TurnAnnouncer final {
 public:
  // Without a voice given, the system's German voice.
  explicit TurnAnnouncer(std::unique_ptr<Voice> voice = nullptr);
  ~TurnAnnouncer();
  TurnAnnouncer(const TurnAnnouncer&) = delete;
  TurnAnnouncer& operator=(const TurnAnnouncer&) = delete;

  // options.ini "aktivecaller".
  void SetCallerActive(bool active) { callerActive_ = active; }
  bool callerActive() const { return callerActive_; }

  // Plays soundsFolder/file; when it is missing the caller says what the file
  // stands for ("26.mp3" "Sechsundzwanzig", "Gewonnen.mp3" "Gewonnen").
  void Play(const QString& soundsFolder, const QString& file);
  // As above, but the caller says `phrase` instead (a bust: "Überworfen");
  // an empty file is the phrase alone.
  void Play(const QString& soundsFolder, const QString& file, const QString& phrase);

  // The file last handed to the player; empty before the first.
  const QString& lastSound() const { return lastSound_; }

 private:
  struct Waiting {
    QString path;   // a file to play, or
    QString words;  // the caller's words
  };
  bool SoundPlaying() const;
  void Start(const Waiting& call);
  // The sound has ended (or failed): the calls that waited for it go on.
  void SoundEnded();
  void StartSound(const QString& path);

  std::unique_ptr<Voice> voice_;
  std::unique_ptr<QAudioOutput> output_;  // made with the first sound: opening it takes a while
  std::unique_ptr<QMediaPlayer> player_;
  std::deque<Waiting> waiting_;
  QElapsedTimer soundStarted_;
  QString lastSound_;
  bool callerActive_ = false;
};

}  // namespace korvanti
