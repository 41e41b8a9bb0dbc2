#pragma once

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "play/GameView.h"

namespace korvanti {

// The script's commands, read ahead so that a question can take its answer
// from the next one.
class CommandQueue {
 public:
  explicit CommandQueue(std::vector<std::string> tokens) : tokens_(std::move(tokens)) {}
  bool Empty() const { return next_ >= tokens_.size(); }
  const std::string& Peek() const { return tokens_[next_]; }
  std::string Take() { return tokens_[next_++]; }

 private:
  std::vector<std::string> tokens_;
  std::size_t next_ = 0;
};

// The game screen of the tool: nothing is drawn or waited for; the session's
// steps run at once, in order, when the tool drains them after each command;
// what the session announces and asks is written down as events, and
// questions are answered from the script.
class ScriptedView : public GameView {
 public:
  explicit ScriptedView(CommandQueue& commands) : commands_(commands) {}

  void Changed(const GameSession&) override {}
  void After(int, std::function<void()> step) override { steps_.push_back(std::move(step)); }
  void Announce(const Call& call) override;
  void ShowBanner(const std::string& text, int milliseconds) override;
  void AskContinue(const std::string& question, std::function<void(bool)> answered) override;
  void ShowSummary(const Summary& summary, std::function<void(bool)> answered) override;
  void AskAbort(const std::string& question, std::function<void(AbortAnswer)> answered) override;
  void ShowError(const std::string& text) override;
  void ShowNotices(const std::vector<std::string>& texts) override;
  void NewGameStarted() override;
  void Close(SessionResult result) override;

  // Runs the pending steps, and the steps they schedule, until none is left.
  void RunSteps();

  void SetAbortAnswer(AbortAnswer answer) { abortAnswer_ = answer; }
  void AddEvent(std::string event) { events_.push_back(std::move(event)); }
  std::vector<std::string> TakeEvents() { return std::exchange(events_, {}); }

 private:
  bool AnswerFromScript();

  CommandQueue& commands_;
  AbortAnswer abortAnswer_ = AbortAnswer::Cancel;
  std::vector<std::string> events_;
  std::deque<std::function<void()>> steps_;
};

}  // namespace korvanti
