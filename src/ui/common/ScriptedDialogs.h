#pragma once

#include <deque>
#include <vector>

#include "ui/common/Dialogs.h"

namespace korvanti {

// Answers questions from a script and keeps every text shown, for tests.
// A question with no answer left is recorded as unanswered and gets the
// answer that changes nothing (No, Cancel).
class ScriptedDialogs final : public Dialogs {
 public:
  enum class Kind { Error, Information, YesNo, YesNoCancel };
  struct Shown {
    Kind kind;
    QString text;
  };

  void Answer(DialogAnswer answer) { answers_.push_back(answer); }

  void Error(const QString& text) override;
  void Information(const QString& text) override;
  bool YesNo(const QString& text) override;
  DialogAnswer YesNoCancel(const QString& text) override;

  const std::vector<Shown>& shown() const { return shown_; }
  // The texts shown, in order.
  std::vector<QString> texts() const {
    std::vector<QString> texts;
    for (const auto& box : shown_) {
      texts.push_back(box.text);
    }
    return texts;
  }
  int unanswered() const { return unanswered_; }
  int answersLeft() const { return static_cast<int>(answers_.size()); }

 private:
  DialogAnswer Next(DialogAnswer fallback);

  std::deque<DialogAnswer> answers_;
  std::vector<Shown> shown_;
  int unanswered_ = 0;
};

}  // namespace korvanti
