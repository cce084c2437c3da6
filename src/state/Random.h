#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace vlnobrod {

// The game's dice. Every rule that needs chance takes one of these by reference, so a test
// can script the exact draws.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform draw in [0, 1), single precision.
    virtual float next() = 0;
    // Start a fresh sequence from the clock.
    virtual void reseed() = 0;
};

class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    explicit ClockRandom(std::uint64_t seed) : engine_(seed) {}
    float next() override;
    void reseed() override;

private:
    std::mt19937_64 engine_;
};

// Hands out the given values in order, starting again from the first when they run out.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> values) : values_(std::move(values)) {}
    float next() override;
    void reseed() override { ++reseeds_; }
    int reseeds() const { return reseeds_; }
    std::size_t draws() const { return pos_; }

private:
    std::vector<float> values_;
    std::size_t pos_ = 0;
    int reseeds_ = 0;
};

} // namespace vlnobrod
