#pragma once

#include "state/Random.h"

#include <cstdint>
#include <random>

namespace vlnobrod::autopilot {

// The game's dice for a headless run: the rules reseed them often (the game takes a fresh
// seed from the clock each time), and here every fresh seed comes from a second stream that
// was itself seeded, so a run with the same seed plays the same game again.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed)
        : engine_(seed), seeds_(seed ^ 0x9e3779b97f4a7c15ULL) {}
    float next() override {
        // 24 random bits fill a float's mantissa exactly, so a draw never rounds up to 1.
        const auto bits = static_cast<std::uint32_t>(engine_() >> 40);
        return static_cast<float>(bits) / 16777216.0f;
    }
    void reseed() override { engine_.seed(seeds_()); }

private:
    std::mt19937_64 engine_;
    std::mt19937_64 seeds_;
};

} // namespace vlnobrod::autopilot
