#include "ui/common/ScriptedDialogs.h"

namespace korvanti {

void ScriptedDialogs::Error(const QString& text) {
  shown_.push_back({Kind::Error, text});
}

void ScriptedDialogs::Information(const QString& text) {
  shown_.push_back({Kind::Information, text});
}

bool ScriptedDialogs::YesNo(const QString& text) {
  shown_.push_back({Kind::YesNo, text});
  return Next(DialogAnswer::No) == DialogAnswer::Yes;
}

DialogAnswer ScriptedDialogs::YesNoCancel(const QString& text) {
  shown_.push_back({Kind::YesNoCancel, text});
  return Next(DialogAnswer::Cancel);
}

DialogAnswer ScriptedDialogs::Next(DialogAnswer fallback) {
  if (answers_.empty()) {
    ++unanswered_;
    return fallback;
  }
  const DialogAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

}  // namespace korvanti
