#include "ToolArguments.h"

#include <algorithm>

#include "OutputText.h"
#include "UsageError.h"
#include "platform/NumberFormat.h"

namespace korvanti {

ToolArguments::ToolArguments(std::span<const std::string_view> arguments,
                             std::initializer_list<std::string_view> known) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const auto name = arguments[i];
    if (std::find(known.begin(), known.end(), name) == known.end()) {
      throw UsageError("Unbekannte Option \"" + Echoed(name) + "\".");
    }
    if (i + 1 >= arguments.size()) {
      throw UsageError("Der Option " + std::string(name) + " fehlt ihr Wert.");
    }
    values_.emplace(std::string(name), std::string(arguments[++i]));
  }
}

std::optional<std::string> ToolArguments::Get(std::string_view name) const {
  const auto found = values_.find(name);
  if (found == values_.end()) {
    return std::nullopt;
  }
  return found->second;
}

std::string ToolArguments::Required(std::string_view name) const {
  auto value = Get(name);
  if (!value) {
    throw UsageError("Die Option " + std::string(name) + " fehlt.");
  }
  return *value;
}

std::vector<std::string> ToolArguments::All(std::string_view name) const {
  std::vector<std::string> all;
  const auto [first, last] = values_.equal_range(name);
  for (auto it = first; it != last; ++it) {
    all.push_back(it->second);
  }
  return all;
}

int ToolArguments::Integer(std::string_view name, int fallback) const {
  const auto text = Get(name);
  if (!text) {
    return fallback;
  }
  const auto value = ParseDecimalInteger(*text);
  if (!value) {
    throw UsageError(std::string(name) + " erwartet eine ganze Zahl, nicht \"" + Echoed(*text) +
                     "\".");
  }
  return *value;
}

DateTimeNumber ParseDate(std::string_view text) {
  const auto date = ParseDateText(text);
  if (!date) {
    throw UsageError("\"" + Echoed(text) + "\" ist kein Datum der Form JJJJ-MM-TT [HH:MM[:SS]].");
  }
  return EncodeDateTime(*date);
}

void CheckPeriod(DateTimeNumber from, DateTimeNumber to) {
  if (from > to) {
    throw UsageError("--from liegt nach --to; der Zeitraum ist leer.");
  }
}

}  // namespace korvanti
