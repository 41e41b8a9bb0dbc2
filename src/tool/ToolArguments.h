#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DateTime.h"

namespace korvanti {

// "--name value" pairs of a command. Unknown names and missing values are
// usage errors.
class ToolArguments {
 public:
  ToolArguments(std::span<const std::string_view> arguments,
                std::initializer_list<std::string_view> known);

  std::optional<std::string> Get(std::string_view name) const;
  std::string Required(std::string_view name) const;
  std::vector<std::string> All(std::string_view name) const;
  int Integer(std::string_view name, int fallback) const;

 private:
  std::multimap<std::string, std::string, std::less<>> values_;
};

// "YYYY-MM-DD", "YYYY-MM-DD HH:MM" or "YYYY-MM-DD HH:MM:SS", the year from 1
// to 9999; anything else, also with text after it, is refused (UsageError).
DateTimeNumber ParseDate(std::string_view text);
// Refuses (UsageError) a period whose start lies after its end.
void CheckPeriod(DateTimeNumber from, DateTimeNumber to);

}  // namespace korvanti
