// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

#include <cstdint>

namespace ui {

enum class SystemColour : std::uint32_t {
    WindowBackground = 5,
    WindowText = 8,
    ButtonFace = 15,
    ButtonText = 18,
};

// A colour as the toolkit stores it: an RGB value with red in the lowest byte
// (red + 256 * green + 65536 * blue), or a system colour named by its role.
class Colour {
public:
    static constexpr Colour rgb(int red, int green, int blue) {
        return Colour(static_cast<std::uint32_t>(red) | static_cast<std::uint32_t>(green) << 8 |
                      static_cast<std::uint32_t>(blue) << 16);
    }
    static constexpr Colour system(SystemColour role) {
        return Colour(kSystemFlag | static_cast<std::uint32_t>(role));
    }

    constexpr std::uint32_t value() const { return value_; }
    constexpr bool isSystem() const { return (value_ & kSystemFlag) != 0; }
    constexpr int red() const { return value_ & 0xFF; }
    constexpr int green() const { return (value_ >> 8) & 0xFF; }
    constexpr int blue() const { return (value_ >> 16) & 0xFF; }

    // System colours come from the application palette.
    QColor toQColor() const;

    constexpr bool operator==(const Colour&) const = default;

private:
    static constexpr std::uint32_t kSystemFlag = 0x80000000u;
    constexpr explicit Colour(std::uint32_t value) : value_(value) {}
    std::uint32_t value_;
};

inline constexpr Colour kBlack = Colour::rgb(0, 0, 0);
inline constexpr Colour kButtonFace = Colour::system(SystemColour::ButtonFace);
inline constexpr Colour kButtonText = Colour::system(SystemColour::ButtonText);

}  // namespace ui
