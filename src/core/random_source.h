#pragma once

#include <cstdint>
#include <random>

namespace vorlane {

// The program's one pseudo-random generator. A fixed seed gives the same numbers with every
// compiler and standard library, so tests and "--seed N" runs can be repeated.
class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed);
    // Seeded from the clock, as at the start of each creation run and scrambled word list.
    static RandomSource FromClock();

    // A uniform whole number 0..n - 1; n <= 0 gives 0.
    std::int32_t Random(std::int32_t n);
    // Moves the generator on exactly as Random(n) does, for a draw whose number is not needed.
    void Skip(std::int32_t n);
    void Reseed(std::uint64_t seed);

private:
    // One accepted output of the engine for a draw from 0..range - 1.
    std::uint64_t Draw(std::uint64_t range);

    std::mt19937_64 m_engine;
};

} // namespace vorlane
