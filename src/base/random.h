// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace base {

// The game's random source: uniform numbers in [0, 1), reseeded from the clock where
// the game asks for it.
class Random {
public:
    virtual ~Random() = default;
    virtual float next() = 0;
    virtual void reseedFromClock() = 0;
};

// A small, fast generator (xoshiro128+), cheap enough to reseed on every movement tick.
class ClockRandom : public Random {
public:
    ClockRandom();
    float next() override;
    void reseedFromClock() override;

private:
    std::uint32_t state_[4];
};

}  // namespace base
