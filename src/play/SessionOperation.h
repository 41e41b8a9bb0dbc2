#pragma once

#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/Notice.h"
#include "play/GameSession.h"

namespace korvanti {

// One public operation of the session, from a click or a step to its end.
// Operations nest (a step finishing inside a click); only the outermost one
// collects the notices raised meanwhile, turns a failure into an error for
// the view, lets the computer go on and tells the view once that things changed.
class GameSession::Operation {
 public:
  explicit Operation(GameSession& session)
      : session_(session), outermost_(session.operationDepth_++ == 0) {
    if (outermost_) {
      notices_.emplace([&session](std::string_view text) { session.notices_.emplace_back(text); });
    }
  }
  Operation(const Operation&) = delete;
  Operation& operator=(const Operation&) = delete;

  ~Operation() { Leave(); }

  // The outermost operation finishes outside its depth, so that a step it
  // schedules for a view that runs steps at once is an operation of its own.
  template <typename Body>
  void Run(Body&& body) {
    if (!outermost_) {
      body();
      return;
    }
    try {
      body();
    } catch (const std::exception& error) {
      session_.Failed(error.what());
    }
    Leave();
    try {
      session_.Finish();
    } catch (const std::exception& error) {
      session_.view_.ShowError(error.what());
    }
  }

 private:
  void Leave() {
    if (!left_) {
      left_ = true;
      --session_.operationDepth_;
      notices_.reset();
    }
  }

  GameSession& session_;
  bool outermost_;
  bool left_ = false;
  std::optional<ScopedNoticeReceiver> notices_;
};

}  // namespace korvanti
