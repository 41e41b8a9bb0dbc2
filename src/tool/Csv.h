#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace korvanti {

// One CSV line; fields with a comma, a quote or a line break are quoted.
inline void WriteCsvLine(std::ostream& out, const std::vector<std::string>& fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const auto& field = fields[i];
    if (i > 0)
      out << ',';
    if (field.find_first_of(",\"\n\r") == std::string::npos) {
      out << field;
      continue;
    }
    out << '"';
    for (const char c : field) {
      out << c;
      if (c == '"')
        out << '"';
    }
    out << '"';
  }
  out << '\n';
}

}  // namespace korvanti
