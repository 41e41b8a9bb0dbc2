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

}  // namespace korvanti
