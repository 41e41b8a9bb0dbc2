#include "platform/Notice.h"

#include <iostream>
#include <utility>

namespace korvanti {
namespace {

// Per thread: a worker's notices never reach a receiver that a window (or a
// test) installed on its own thread, whose state the worker must not touch.
NoticeReceiver& CurrentReceiver() {
  thread_local NoticeReceiver receiver = [](std::string_view text) { std::cerr << text << '\n'; };
  return receiver;
}

}  // namespace

void Notify(std::string_view text) {
  CurrentReceiver()(text);
}

ScopedNoticeReceiver::ScopedNoticeReceiver(NoticeReceiver receiver)
    : previous_(std::exchange(CurrentReceiver(), std::move(receiver))) {}

ScopedNoticeReceiver::~ScopedNoticeReceiver() {
  CurrentReceiver() = std::move(previous_);
}

}  // namespace korvanti
