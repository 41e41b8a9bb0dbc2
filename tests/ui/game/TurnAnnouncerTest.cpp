#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

#include "ui/game/CallerVoice.h"
#include "ui/game/TurnAnnouncer.h"

namespace korvanti {
namespace {

class RecordingVoice final : public Voice {
 public:
  explicit RecordingVoice(std::vector<QString>& said) : said_(said) {}
  void Say(const QString& text) override { said_.push_back(text); }

 private:
  std::vector<QString>& said_;
};

class TurnAnnouncerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sounds.isValid());
    // Not a real mp3: the player fails on it in the background, which must
    // change nothing for the game.
    QFile file(sounds.filePath("26.mp3"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("no sound in here");
  }

  QTemporaryDir sounds;
  std::vector<QString> said;
  TurnAnnouncer announcer{std::make_unique<RecordingVoice>(said)};
};

struct PlayCase {
  const char* file;
  bool caller;
  const char* phrase;  // null: the phrase that the file name stands for
  bool plays;
  std::vector<QString> says;
};

TEST_F(TurnAnnouncerTest, FileWhenThereElseTheCallerWhenOnElseSilence) {
  const PlayCase cases[] = {
      {"26.mp3", false, nullptr, true, {}},
      {"26.mp3", true, nullptr, true, {}},  // a sound file wins over the voice
      {"180.mp3", false, nullptr, false, {}},
      {"180.mp3", true, nullptr, false, {"Einhundertachtzig!"}},
      {"41.mp3", true, nullptr, false, {"Einundvierzig"}},
      {"Gewonnen.mp3", true, nullptr, false, {"Gewonnen"}},
      {"0.mp3", true, "Überworfen", false, {"Überworfen"}},
      {"0.mp3", false, "Überworfen", false, {}},
      {"jingle.mp3", true, nullptr, false, {}},
  };
  for (const auto& c : cases) {
    said.clear();
    TurnAnnouncer fresh{std::make_unique<RecordingVoice>(said)};
    fresh.SetCallerActive(c.caller);
    if (c.phrase) {
      fresh.Play(sounds.path(), c.file, QString::fromUtf8(c.phrase));
    } else {
      fresh.Play(sounds.path(), c.file);
    }
    EXPECT_EQ(fresh.lastSound(), c.plays ? sounds.filePath(c.file) : QString()) << c.file;
    EXPECT_EQ(said, c.says) << c.file << " caller " << c.caller;
  }
}

TEST_F(TurnAnnouncerTest, MissingFolderIsSilenceNotAnError) {
  announcer.SetCallerActive(false);
  announcer.Play("/nonexistent/sounds", "26.mp3");
  EXPECT_TRUE(announcer.lastSound().isEmpty());
  EXPECT_TRUE(said.empty());
}

TEST_F(TurnAnnouncerTest, UnplayableFileNeitherBlocksNorFails) {
  announcer.Play(sounds.path(), "26.mp3");
  QTest::qWait(300);  // the player has found out that it cannot play this
  QElapsedTimer clock;
  clock.start();
  announcer.Play(sounds.path(), "26.mp3");  // the next check-in's sound
  EXPECT_LT(clock.elapsed(), 300) << "the next sound waited for the failed one";
  EXPECT_EQ(announcer.lastSound(), sounds.filePath("26.mp3"));
}

// "Ben, du brauchst 40" right after the turn's file: it waits for the file to
// end (here: to fail) and is not lost.
TEST_F(TurnAnnouncerTest, CallDuringASoundComesAfterIt) {
  announcer.SetCallerActive(true);
  announcer.Play(sounds.path(), "26.mp3");
  announcer.Play(sounds.path(), "", "Ben, du brauchst 40");
  QTRY_VERIFY_WITH_TIMEOUT(!said.empty(), 5000);
  EXPECT_EQ(said, std::vector<QString>{"Ben, du brauchst 40"});
}

// A speech service that takes the connection and never answers, as one does
// that has no sound server to speak to.
class SilentSpeechService {
 public:
  SilentSpeechService() {
    server_.listen(folder_.filePath("speechd.sock"));
    QObject::connect(&server_, &QLocalServer::newConnection, [this] {
      while (QLocalSocket* socket = server_.nextPendingConnection()) {
        held_.emplace_back(socket);
      }
    });
    qputenv("SPEECHD_ADDRESS", "unix_socket:" + server_.fullServerName().toLocal8Bit());
  }
  ~SilentSpeechService() { qunsetenv("SPEECHD_ADDRESS"); }
  bool Listening() const { return server_.isListening(); }
  bool Connected() const { return !held_.empty(); }

 private:
  QTemporaryDir folder_;
  QLocalServer server_;
  std::vector<std::unique_ptr<QLocalSocket>> held_;
};

TEST(CallerVoiceTest, HungSpeechServiceNeverHoldsUpTheWindowThread) {
  SilentSpeechService service;
  ASSERT_TRUE(service.Listening());
  QElapsedTimer clock;
  clock.start();
  {
    CallerVoice voice;
    voice.Say("Einhundertachtzig!");
    voice.Say("Überworfen");
    EXPECT_LT(clock.elapsed(), 200);
    // The voice did try to reach the service, on its own thread.
    QTRY_VERIFY_WITH_TIMEOUT(service.Connected(), 5000);
    clock.restart();
  }
  EXPECT_LT(clock.elapsed(), 2000) << "closing waited for the speech service";
}

}  // namespace
}  // namespace korvanti
