#pragma once

#include <stdexcept>
#include <string>

namespace korvanti {

// The one exception type for storage and platform failures. Its text is meant
// for the user: the window event that started the work shows it in an error box.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& text) : std::runtime_error(text) {}
};

// The club server cannot be reached, or the connection broke off: what was
// being written is not stored, and trying again later may succeed.
class ConnectionLost : public Error {
 public:
  using Error::Error;
};

}  // namespace korvanti
