#include "ScriptedView.h"

#include <utility>

namespace korvanti {

void ScriptedView::Announce(const Call& call) {
  AddEvent("call: " + call.words + (call.soundFile.empty() ? "" : " (" + call.soundFile + ")"));
}

void ScriptedView::ShowBanner(const std::string& text, int) {
  AddEvent("banner: " + text);
}

bool ScriptedView::AnswerFromScript() {
  if (!commands_.Empty() && (commands_.Peek() == "yes" || commands_.Peek() == "no")) {
    return commands_.Take() == "yes";
  }
  AddEvent("answer: no");
  return false;
}

void ScriptedView::AskContinue(const std::string& question, std::function<void(bool)> answered) {
  const auto lineBreak = question.find('\n');
  AddEvent("gameover: " + question.substr(0, lineBreak));
  AddEvent("question: " + question);
  answered(AnswerFromScript());
}

void ScriptedView::ShowSummary(const Summary& summary, std::function<void(bool)> answered) {
  AddEvent("gameover: " + summary.gameOverText);
  AddEvent("summary: " + summary.caption);
  for (const auto& row : summary.rows) {
    AddEvent("summary: " + row.player + " | " + row.average + " | " + row.doubles);
  }
  answered(AnswerFromScript());
}

void ScriptedView::AskAbort(const std::string& question,
                            std::function<void(AbortAnswer)> answered) {
  AddEvent("question: " + question);
  answered(abortAnswer_);
}

void ScriptedView::ShowError(const std::string& text) {
  AddEvent("error: " + text);
}

void ScriptedView::ShowNotices(const std::vector<std::string>& texts) {
  for (const auto& text : texts) {
    AddEvent("notice: " + text);
  }
}

void ScriptedView::RunSteps() {
  while (!steps_.empty()) {
    auto step = std::move(steps_.front());
    steps_.pop_front();
    step();
  }
}

void ScriptedView::NewGameStarted() {
  AddEvent("newgame");
}

void ScriptedView::Close(SessionResult result) {
  static constexpr const char* kNames[] = {"OK", "Yes", "No"};
  AddEvent(std::string("closed: ") + kNames[static_cast<int>(result)]);
}

}  // namespace korvanti
