#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "ui/common/Dialogs.h"

namespace korvanti {

// Answers questions from a script and keeps every text shown, for tests.
// A question with no answer left is recorded as unanswered and gets the
// answer that changes nothing (No, Cancel). Answers come at once, inside the
// call, unless the test holds them: then each question waits until
// `AnswerHeld` answers the oldest one, as a real box answers later.
class ScriptedDialogs final : public Dialogs {
 public:
  enum class Kind { Error, Information, YesNo, YesNoCancel, YesNoOther };
  struct Shown {
    Kind kind;
    QString text;
  };

  void Answer(DialogAnswer answer) { answers_.push_back(answer); }
  void HoldAnswers() { hold_ = true; }
  int held() const { return static_cast<int>(held_.size()); }
  // Answers the oldest held question; false when none is open.
  bool AnswerHeld(DialogAnswer answer);

  void Error(const QString& text) override;
  void Information(const QString& text) override;
  void YesNo(const QString& text, std::function<void(bool)> answered) override;
  void YesNoCancel(const QString& text, std::function<void(DialogAnswer)> answered) override;
  void YesNoOther(const QString& text, const QString& other,
                  std::function<void(DialogAnswer)> answered) override;

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
  void Ask(std::function<void(DialogAnswer)> answered, DialogAnswer fallback);

  std::deque<DialogAnswer> answers_;
  bool hold_ = false;
  std::deque<std::function<void(DialogAnswer)>> held_;
  std::vector<Shown> shown_;
  int unanswered_ = 0;
};

}  // namespace korvanti
