#pragma once

#include "platform/Seam.h"

#include <cstdint>
#include <random>

// Random numbers in [0, 1). Reached only through Seam<RandomSource>.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seed(std::uint32_t value) = 0;
    virtual double next() = 0;
};

// The program's generator: a Mersenne twister, seeded at start-up.
class MersenneRandomSource : public RandomSource {
public:
    explicit MersenneRandomSource(std::uint32_t seedValue = 5489u) : m_engine(seedValue) {}
    void seed(std::uint32_t value) override { m_engine.seed(value); }
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }

private:
    std::mt19937 m_engine;
};

using Random = Seam<RandomSource>;
