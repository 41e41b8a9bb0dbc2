#include "ScriptedView.h"

#include <utility>

namespace korvanti {

void ScriptedView::PlaySound(const std::string& file) {
  AddEvent("sound: " + file);
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

bool ScriptedView::AskContinue(const std::string& question) {
  const auto lineBreak = question.find("\n\r");
  AddEvent("gameover: " + question.substr(0, lineBreak));
  AddEvent("question: " + question);
  return AnswerFromScript();
}

bool ScriptedView::ShowSummary(const Summary& summary) {
  AddEvent("gameover: " + summary.gameOverText);
  AddEvent("summary: " + summary.caption);
  for (const auto& row : summary.rows) {
    AddEvent("summary: " + row.player + " | " + row.average + " | " + row.doubles);
  }
  return AnswerFromScript();
}

AbortAnswer ScriptedView::AskAbort(const std::string& question) {
  AddEvent("question: " + question);
  return abortAnswer_;
}

void ScriptedView::NewGameStarted() {
  AddEvent("newgame");
}

void ScriptedView::Close(SessionResult result) {
  static constexpr const char* kNames[] = {"OK", "Yes", "No"};
  AddEvent(std::string("closed: ") + kNames[static_cast<int>(result)]);
}

}  // namespace korvanti
