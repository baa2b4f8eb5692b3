// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/random.h"

#include <chrono>

namespace base {

namespace {

std::uint64_t splitmix64(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint32_t rotl(std::uint32_t x, int k) {
    return (x << k) | (x >> (32 - k));
}

}  // namespace

ClockRandom::ClockRandom() {
    reseedFromClock();
}

void ClockRandom::reseedFromClock() {
    std::uint64_t seed = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    const std::uint64_t a = splitmix64(seed);
    const std::uint64_t b = splitmix64(seed);
    state_[0] = static_cast<std::uint32_t>(a);
    state_[1] = static_cast<std::uint32_t>(a >> 32);
    state_[2] = static_cast<std::uint32_t>(b);
    state_[3] = static_cast<std::uint32_t>(b >> 32) | 1u;
}

float ClockRandom::next() {
    const std::uint32_t result = state_[0] + state_[3];
    const std::uint32_t t = state_[1] << 9;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = rotl(state_[3], 11);
    // The top 24 bits fill a float's mantissa exactly, so the result is below 1.
    return static_cast<float>(result >> 8) * 0x1p-24f;
}

}  // namespace base
