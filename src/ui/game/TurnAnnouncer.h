#pragma once

#include <QString>
#include <memory>

class QAudioOutput;
class QMediaPlayer;

namespace korvanti {

class Voice;

// The sound at check-in: a file of the sounds folder when it is there, else,
// with the caller on, a German voice saying the call. Nothing here waits for
// the sound or the voice, and a missing file or device is silence, never an
// error.
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
  // As above, but the caller says `phrase` instead (a bust: "Überworfen").
  void Play(const QString& soundsFolder, const QString& file, const QString& phrase);

  // Only the caller's words, with the caller on (sounds are off).
  void Call(const QString& phrase);

  // The file last handed to the player; empty before the first.
  const QString& lastSound() const { return lastSound_; }

 private:
  void StartSound(const QString& path);

  std::unique_ptr<Voice> voice_;
  std::unique_ptr<QAudioOutput> output_;  // made with the first sound: opening it takes a while
  std::unique_ptr<QMediaPlayer> player_;
  QString lastSound_;
  bool callerActive_ = false;
};

}  // namespace korvanti
