#pragma once

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "play/GameSession.h"
#include "play/GameView.h"

namespace korvanti::testing {

// What the view was told at one `Changed`.
struct Shown {
  std::array<std::string, 3> hits;
  std::array<std::string, 3> aims;
  std::array<std::string, 3> proposal;
  std::string doubleThrow;
  bool checkInEnabled = false;
  int player = 0;
  std::string nameOverBoard;

  bool operator==(const Shown&) const = default;
};

inline Shown ShownBy(const GameSession& session) {
  return {session.HitFields(),
          session.AimFields(),
          session.ProposalFields(),
          session.DoubleThrowText(),
          session.CheckInButtonEnabled(),
          session.PlayedGame().CurrentPlayerIndex(),
          session.Board().nameOverBoard};
}

// Answers questions from a queue, writes down everything it is told and keeps
// the session's steps until the test runs them.
class RecordingView : public GameView {
 public:
  void Changed(const GameSession& session) override {
    ++changes;
    lastShown = ShownBy(session);
  }
  void After(int milliseconds, std::function<void()> step) override {
    events.push_back("after " + std::to_string(milliseconds));
    steps.push_back(std::move(step));
  }
  void Announce(const Call& call) override {
    events.push_back("call " + call.words);
    calls.push_back(call);
  }
  void ShowBanner(const std::string& text, int milliseconds) override {
    events.push_back("banner " + text + " " + std::to_string(milliseconds));
  }
  void AskContinue(const std::string& question, std::function<void(bool)> answered) override {
    events.push_back("question " + question);
    answered(NextAnswer());
  }
  void ShowSummary(const Summary& summary, std::function<void(bool)> answered) override {
    summaries.push_back(summary);
    events.push_back("summary " + summary.caption);
    if (duringSummary) {
      duringSummary();
    }
    answered(NextAnswer());
  }
  // Answers at once, or, with `holdAbortAnswer`, keeps the question open
  // until the test answers it as a real box would, later.
  void AskAbort(const std::string& question, std::function<void(AbortAnswer)> answered) override {
    events.push_back("abort question");
    lastAbortQuestion = question;
    if (duringAbortQuestion) {
      duringAbortQuestion();
    }
    if (holdAbortAnswer) {
      heldAbortAnswers.push_back(std::move(answered));
      return;
    }
    answered(abortAnswer);
  }
  void ShowError(const std::string& text) override {
    errors.push_back(text);
    if (duringError) {
      duringError();  // a window's error box runs timers while it is open
    }
  }
  void ShowNotices(const std::vector<std::string>& texts) override {
    noticeBatches.push_back(texts);
  }
  void MarkComputerDart(BoardPoint point) override {
    events.push_back("mark " + std::to_string(point.x) + "," + std::to_string(point.y));
  }
  void ClearDartMarks() override { events.push_back("clear marks"); }
  void NewGameStarted() override { events.push_back("newgame"); }
  void Close(SessionResult result) override { closed.push_back(result); }

  // Runs the oldest pending step; false when there is none.
  bool RunNextStep() {
    if (steps.empty()) {
      return false;
    }
    auto step = std::move(steps.front());
    steps.pop_front();
    step();
    return true;
  }
  // Runs steps, and the steps they schedule, until none is left.
  void RunSteps() {
    while (RunNextStep()) {
    }
  }

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
  long Count(const std::string& event) const {
    return std::count(events.begin(), events.end(), event);
  }

  std::deque<bool> answers;
  AbortAnswer abortAnswer = AbortAnswer::Cancel;
  std::function<void()> duringAbortQuestion;
  std::function<void()> duringSummary;  // another answer than the box's, say
  bool holdAbortAnswer = false;
  std::vector<std::function<void(AbortAnswer)>> heldAbortAnswers;
  std::function<void()> duringError;
  std::vector<std::string> events;
  std::vector<Summary> summaries;
  std::vector<Call> calls;
  std::vector<SessionResult> closed;
  std::vector<std::string> errors;
  std::vector<std::vector<std::string>> noticeBatches;
  std::deque<std::function<void()>> steps;
  std::string lastAbortQuestion;
  Shown lastShown;
  int changes = 0;
};

}  // namespace korvanti::testing
