// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <random>

// A source of uniform reals in [0, 1). The program seeds one from the clock once per run;
// tests give a fixed sequence so that generated exercises have exact values.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

class ClockSeededRandom : public RandomSource {
  public:
    explicit ClockSeededRandom(std::uint64_t seed) : engine_(seed) {}
    // 53 random bits scaled by 2^-53: never 1.0, unlike some library distributions.
    double next() override { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

  private:
    std::mt19937_64 engine_;
};
