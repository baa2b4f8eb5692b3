// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// The fixed numbers of the game.
namespace rules {

inline constexpr std::int16_t kStartLives = 5;
inline constexpr std::int16_t kGodLives = 9999;
// The lives after the miss that ends the game.
inline constexpr std::int16_t kGameOverLives = -1;
inline constexpr std::int32_t kStartSpeed = 10;
inline constexpr std::int16_t kPointsPerWord = 1100;
inline constexpr int kWordsPerLevel = 10;
inline constexpr std::int32_t kSpeedPerLevel = 5;
inline constexpr std::int32_t kSpeedCommandStep = 10;
inline constexpr std::int32_t kBonusStep = 25000;
inline constexpr std::int32_t kBonusSlowdown = 5;
inline constexpr int kPausedMaxLength = 2;

}  // namespace rules
