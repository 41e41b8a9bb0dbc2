#pragma once

#include <stdexcept>
#include <string>

namespace korvanti {

// Bad input on the command line or in a script: reported, exit status 2.
class UsageError : public std::runtime_error {
 public:
  explicit UsageError(const std::string& text) : std::runtime_error(text) {}
};

}  // namespace korvanti
