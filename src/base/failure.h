// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>
#include <concepts>
#include <limits>
#include <stdexcept>
#include <string>

namespace base {

// Thrown to end the program: it unwinds to the nearest entry point, which ends the
// program with this exit code. Whoever throws it has already told the player why.
struct ProgramEnd {
    int exitCode = 0;
};

// A failure that ends the program: the entry point's guard shows the message, which
// names what went wrong, and ends the program with nothing saved.
class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class OverflowFailure : public Failure {
public:
    // `what` names the value that left its range, such as "de snelheid".
    explicit OverflowFailure(const std::string& what);
};

// Counters keep the widths the game gives them ("Integer" 16 bits, "Long" 32 bits);
// leaving the range is an overflow failure naming the counter.
template <std::integral T>
T checkedAdd(T a, T b, const char* what) {
    T sum;
    if (__builtin_add_overflow(a, b, &sum)) {
        throw OverflowFailure(what);
    }
    return sum;
}

template <std::integral T>
T checkedSub(T a, T b, const char* what) {
    T difference;
    if (__builtin_sub_overflow(a, b, &difference)) {
        throw OverflowFailure(what);
    }
    return difference;
}

// The nearest whole number, a half going to the even neighbour, in the counter's width.
template <std::integral T>
T roundChecked(double value, const char* what) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= static_cast<double>(std::numeric_limits<T>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<T>::max()))) {
        throw OverflowFailure(what);
    }
    return static_cast<T>(rounded);
}

template <std::integral To, std::integral From>
To checkedNarrow(From value, const char* what) {
    if (value < std::numeric_limits<To>::min() || value > std::numeric_limits<To>::max()) {
        throw OverflowFailure(what);
    }
    return static_cast<To>(value);
}

}  // namespace base
