#pragma once

#include <deque>
#include <string>
#include <vector>

#include "play/GameSession.h"
#include "play/GameView.h"

namespace korvanti::testing {

// Answers questions from a queue and writes down everything it is told.
class RecordingView : public GameView {
 public:
  void Refresh(const GameSession&) override { ++refreshes; }
  void Pause(int milliseconds) override {
    events.push_back("pause " + std::to_string(milliseconds));
  }
  void PlaySound(const std::string& file) override { events.push_back("sound " + file); }
  void ShowBanner(const std::string& text, int milliseconds) override {
    events.push_back("banner " + text + " " + std::to_string(milliseconds));
  }
  bool AskContinue(const std::string& question) override {
    events.push_back("question " + question);
    return NextAnswer();
  }
  bool ShowSummary(const Summary& summary) override {
    summaries.push_back(summary);
    events.push_back("summary " + summary.caption);
    return NextAnswer();
  }
  AbortAnswer AskAbort(const std::string& question) override {
    events.push_back("abort question");
    lastAbortQuestion = question;
    return abortAnswer;
  }
  void MarkComputerDart(BoardPoint point) override {
    events.push_back("mark " + std::to_string(point.x) + "," + std::to_string(point.y));
  }
  void NewGameStarted() override { events.push_back("newgame"); }
  void Close(SessionResult result) override { closed.push_back(result); }

  bool NextAnswer() {
    if (answers.empty()) {
      return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }

  bool Saw(const std::string& event) const {
    return std::find(events.begin(), events.end(), event) != events.end();
  }

  std::deque<bool> answers;
  AbortAnswer abortAnswer = AbortAnswer::Cancel;
  std::vector<std::string> events;
  std::vector<Summary> summaries;
  std::vector<SessionResult> closed;
  std::string lastAbortQuestion;
  int refreshes = 0;
};

}  // namespace korvanti::testing
