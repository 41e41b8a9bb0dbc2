#include "platform/TextEncoding.h"

#include <array>
#include <cstdint>

namespace korvanti {

bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<std::uint8_t>(bytes[i]);
    int continuation = 0;
    std::uint32_t codePoint = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if ((lead & 0xE0) == 0xC0) {
      continuation = 1;
      codePoint = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      continuation = 2;
      codePoint = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      continuation = 3;
      codePoint = lead & 0x07;
    } else {
      return false;
    }
    if (i + continuation >= bytes.size()) {
      return false;
    }
    for (int k = 1; k <= continuation; ++k) {
      const auto next = static_cast<std::uint8_t>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) {
        return false;
      }
      codePoint = (codePoint << 6) | (next & 0x3F);
    }
    static constexpr std::array<std::uint32_t, 4> kSmallest{0, 0x80, 0x800, 0x10000};
    if (codePoint < kSmallest[continuation] || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
      return false;
    }
    i += continuation + 1;
  }
  return true;
}

namespace {

void AppendUtf8(std::string& out, std::uint32_t codePoint) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

// Code points of the bytes 0x80..0x9F in Windows-1252.
constexpr std::array<std::uint16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (char c : bytes) {
    const auto byte = static_cast<std::uint8_t>(c);
    if (byte >= 0x80 && byte <= 0x9F) {
      AppendUtf8(out, kHighControls[byte - 0x80]);
    } else {
      AppendUtf8(out, byte);
    }
  }
  return out;
}

std::string DecodeTextFile(std::string_view bytes) {
  if (IsValidUtf8(bytes)) {
    return std::string(bytes);
  }
  return Windows1252ToUtf8(bytes);
}

}  // namespace korvanti
