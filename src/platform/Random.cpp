#include "platform/Random.h"

#include <chrono>

namespace korvanti {

UniformRandom::UniformRandom()
    : engine_(
          static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count())) {
}

double UniformRandom::Next() {
  // 53 random bits make every double of [0, 1) with that spacing equally likely.
  return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

UniformRandom& ProgramRandom() {
  static UniformRandom generator;
  return generator;
}

}  // namespace korvanti
