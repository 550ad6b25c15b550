#pragma once
#include <cstdint>

// A tiny generator with a fixed algorithm, so the assets come out byte-identical on every
// machine (the standard distributions are not specified bit for bit).
class Random {
public:
    explicit Random(std::uint32_t seed) : state(seed ? seed : 0x9E3779B9u) {}

    std::uint32_t Next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }

    // Uniform in [low, high).
    double Uniform(double low, double high) { return low + (high - low) * (Next() / 4294967296.0); }

    // Uniform in [0, count).
    int Below(int count) { return int(Next() % std::uint32_t(count)); }

private:
    std::uint32_t state;
};
