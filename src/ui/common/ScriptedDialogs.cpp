#include "ui/common/ScriptedDialogs.h"

namespace korvanti {

void ScriptedDialogs::Error(const QString& text) {
  shown_.push_back({Kind::Error, text});
}

void ScriptedDialogs::Information(const QString& text) {
  shown_.push_back({Kind::Information, text});
}

void ScriptedDialogs::YesNo(const QString& text, std::function<void(bool)> answered) {
  shown_.push_back({Kind::YesNo, text});
  Ask([answered =
           std::move(answered)](DialogAnswer answer) { answered(answer == DialogAnswer::Yes); },
      DialogAnswer::No);
}

void ScriptedDialogs::YesNoCancel(const QString& text, std::function<void(DialogAnswer)> answered) {
  shown_.push_back({Kind::YesNoCancel, text});
  Ask(std::move(answered), DialogAnswer::Cancel);
}

void ScriptedDialogs::YesNoOther(const QString& text, const QString&,
                                 std::function<void(DialogAnswer)> answered) {
  shown_.push_back({Kind::YesNoOther, text});
  Ask(std::move(answered), DialogAnswer::No);
}

void ScriptedDialogs::Ask(std::function<void(DialogAnswer)> answered, DialogAnswer fallback) {
  if (hold_) {
    held_.push_back(std::move(answered));
    return;
  }
  if (answers_.empty()) {
    ++unanswered_;
    answered(fallback);
    return;
  }
  const DialogAnswer answer = answers_.front();
  answers_.pop_front();
  answered(answer);
}

bool ScriptedDialogs::AnswerHeld(DialogAnswer answer) {
  if (held_.empty()) {
    return false;
  }
  auto answered = std::move(held_.front());
  held_.pop_front();
  answered(answer);
  return true;
}

}  // namespace korvanti
