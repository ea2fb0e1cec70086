#include "core/random_source.h"

#include <chrono>

namespace vorlane {

RandomSource::RandomSource(std::uint64_t seed) : m_engine(seed) {}

RandomSource RandomSource::FromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return RandomSource(static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

std::int32_t RandomSource::Random(std::int32_t n) {
    if (n <= 0)
        return 0;
    const auto range = static_cast<std::uint64_t>(n);
    return static_cast<std::int32_t>(Draw(range) % range);
}

void RandomSource::Skip(std::int32_t n) {
    if (n > 0)
        Draw(static_cast<std::uint64_t>(n));
}

std::uint64_t RandomSource::Draw(std::uint64_t range) {
    // Draws below 2^64 mod range would make the low results more likely; they are redrawn.
    // That remainder is below range, so a larger draw needs no check.
    std::uint64_t draw = m_engine();
    if (draw < range) {
        const std::uint64_t threshold = (0 - range) % range;
        while (draw < threshold)
            draw = m_engine();
    }
    return draw;
}

void RandomSource::Reseed(std::uint64_t seed) {
    m_engine.seed(seed);
}

} // namespace vorlane
