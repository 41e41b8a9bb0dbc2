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

  ~Operation() {
    --session_.operationDepth_;
    if (outermost_) {
      notices_.reset();
      session_.Finish();
    }
  }

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
  }

 private:
  GameSession& session_;
  bool outermost_;
  std::optional<ScopedNoticeReceiver> notices_;
};

}  // namespace korvanti
