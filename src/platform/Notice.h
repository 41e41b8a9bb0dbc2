#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace korvanti {

// Receives the few short fixed texts that game logic reports and then goes on
// ("Fehler in GetCheckOutThrow", ...). The windows show them in a message box;
// the tool prints them; tests collect them.
using NoticeReceiver = std::function<void(std::string_view text)>;

void Notify(std::string_view text);

// Installs a receiver for the calling thread for its lifetime and restores the
// previous one after. Other threads keep theirs (by default: standard error).
class ScopedNoticeReceiver {
 public:
  explicit ScopedNoticeReceiver(NoticeReceiver receiver);
  ScopedNoticeReceiver(const ScopedNoticeReceiver&) = delete;
  ScopedNoticeReceiver& operator=(const ScopedNoticeReceiver&) = delete;
  ~ScopedNoticeReceiver();

 private:
  NoticeReceiver previous_;
};

}  // namespace korvanti
