#pragma once

namespace korvanti {

// Every pause of the program goes through this: the windows keep processing
// their events while they wait, the tool and the tests do not wait at all.
class WaitingFacade {
 public:
  virtual ~WaitingFacade() = default;
  virtual void Pause(int milliseconds) = 0;
};

// For the tool and the tests: returns at once.
class NoWaiting : public WaitingFacade {
 public:
  void Pause(int) override {}
};

}  // namespace korvanti
