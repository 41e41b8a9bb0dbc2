#pragma once

#include <cstdint>
#include <random>

namespace korvanti {

// Uniform numbers in [0, 1). The simulation takes a generator from its caller,
// so a seeded one replays the same darts.
class UniformRandom {
 public:
  UniformRandom();  // seeded from the clock
  explicit UniformRandom(std::uint64_t seed) : engine_(seed) {}

  void Seed(std::uint64_t seed) { engine_.seed(seed); }
  double Next();

 private:
  std::mt19937_64 engine_;
};

// The program's one generator, seeded once from the clock at first use.
UniformRandom& ProgramRandom();

}  // namespace korvanti
