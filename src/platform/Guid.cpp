#include "platform/Guid.h"

#include <sys/random.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <random>

namespace korvanti {

// Ids come from the operating system's entropy, not from the program's seeded
// generator: a replay with a fixed seed must not reproduce ids already stored.
// One getrandom call for all 16 bytes (std::random_device asks once per 4
// bytes, and in a virtual machine each ask may be slow).
std::string NewGuidString() {
  std::array<std::uint8_t, 16> bytes{};
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    const auto got = ::getrandom(bytes.data() + filled, bytes.size() - filled, 0);
    if (got > 0) {
      filled += static_cast<std::size_t>(got);
    } else if (errno != EINTR) {
      std::random_device fallback;
      for (; filled < bytes.size(); ++filled) {
        bytes[filled] = static_cast<std::uint8_t>(fallback());
      }
    }
  }
  bytes[6] = static_cast<std::uint8_t>((bytes[6] & 0x0F) | 0x40);  // version 4
  bytes[8] = static_cast<std::uint8_t>((bytes[8] & 0x3F) | 0x80);  // RFC 4122 variant

  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string text = "{";
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i == 4 || i == 6 || i == 8 || i == 10) {
      text += '-';
    }
    text += kHex[bytes[i] >> 4];
    text += kHex[bytes[i] & 0x0F];
  }
  text += '}';
  return text;
}

bool IsGuidString(const std::string& text) {
  if (text.size() != 38 || text.front() != '{' || text.back() != '}') {
    return false;
  }
  for (std::size_t i = 1; i < 37; ++i) {
    const char c = text[i];
    const bool dash = (i == 9 || i == 14 || i == 19 || i == 24);
    if (dash ? c != '-' : !((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) {
      return false;
    }
  }
  return true;
}

}  // namespace korvanti
