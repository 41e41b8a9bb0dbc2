#pragma once

#include <charconv>
#include <string>
#include <string_view>
#include <vector>

#include "OutputText.h"

namespace korvanti::json {

// A JSON string; bytes that are not UTF-8 become U+FFFD, so every line stays
// valid JSON whatever a name holds.
inline std::string Quote(std::string_view raw) {
  const std::string text = ValidUtf8(raw);
  std::string out = "\"";
  for (const char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          static constexpr char kHex[] = "0123456789abcdef";
          out += "\\u00";
          out += kHex[(c >> 4) & 0xF];
          out += kHex[c & 0xF];
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

inline std::string Number(double value) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return std::string(buffer, end);
}

inline std::string Bool(bool value) {
  return value ? "true" : "false";
}

template <typename Range>
std::string StringArray(const Range& texts) {
  std::string out = "[";
  for (const auto& text : texts) {
    out += (out.size() > 1 ? "," : "") + Quote(text);
  }
  return out + "]";
}

// Members are added in order; values are already JSON.
class Object {
 public:
  Object& Add(std::string_view key, const std::string& value) {
    text_ += (text_.size() > 1 ? "," : "") + Quote(key) + ":" + value;
    return *this;
  }
  std::string Text() const { return text_ + "}"; }

 private:
  std::string text_ = "{";
};

}  // namespace korvanti::json
