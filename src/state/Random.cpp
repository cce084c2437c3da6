#include "Random.h"

#include <chrono>
#include <cmath>

namespace vlnobrod {

namespace {
std::uint64_t clockSeed() {
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
} // namespace

ClockRandom::ClockRandom() : engine_(clockSeed()) {}

float ClockRandom::next() {
    // 24 random bits fill a float's mantissa exactly, so the draw can never round up to 1.
    const auto bits = static_cast<std::uint32_t>(engine_() >> 40);
    return static_cast<float>(bits) / 16777216.0f;
}

void ClockRandom::reseed() {
    engine_.seed(clockSeed());
}

float ScriptedRandom::next() {
    if (values_.empty())
        return 0.0f;
    const float v = values_[pos_ % values_.size()];
    ++pos_;
    return v;
}

} // namespace vlnobrod
