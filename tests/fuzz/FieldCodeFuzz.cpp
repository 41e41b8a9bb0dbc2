// libFuzzer target: any bytes as a field code (and as an aim and a hit).
// The field-code functions either answer within the board's range or throw
// the program's Error; nothing else may happen (the sanitizers watch for
// overflow and out-of-bounds reads).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/FieldCode.h"
#include "platform/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view code(reinterpret_cast<const char*>(data), size);
  try {
    const int value = korvanti::FieldValue(code);
    if (value < 0 || value > 75) {
      std::abort();
    }
  } catch (const korvanti::Error&) {
  }
  try {
    const int number = korvanti::FieldNumber(code);
    if (number < 0 || number > 25) {
      std::abort();
    }
  } catch (const korvanti::Error&) {
  }
  if (korvanti::IsBoardField(code)) {
    // A board field always has a value and a number.
    if (korvanti::FieldValue(code) <= 0 || korvanti::FieldNumber(code) <= 0) {
      std::abort();
    }
  }
  korvanti::IsDoubleCode(code);
  korvanti::IsTrebleCode(code);
  if (korvanti::UpperCase(code).size() != code.size() ||
      !korvanti::SameCodeIgnoringCase(code, korvanti::UpperCase(code))) {
    std::abort();
  }
  const auto half = code.size() / 2;
  korvanti::AimMatches(code.substr(0, half), code.substr(half));
  return 0;
}
